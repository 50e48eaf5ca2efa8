#include "analysis/plots.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "toolkit/recording_canvas.hpp"

namespace polycryst::analysis {
namespace {

using toolkit::DrawOp;
using Type = DrawOp::Type;

std::vector<DrawOp> Ops(const std::vector<DrawOp>& ops, Type type) {
  std::vector<DrawOp> out;
  std::copy_if(ops.begin(), ops.end(), std::back_inserter(out), [&](const DrawOp& o) { return o.type == type; });
  return out;
}

// A shown spherulite slot with its X at each step given.
std::unique_ptr<runs::SlotStore> StoreWithSlot(int k, std::vector<double> xs, int mode = 1, int peak = 0) {
  auto s = std::make_unique<runs::SlotStore>();
  s->FitUpperLimit = 0.99;
  s->SlotNuclei[k] = 25;
  s->SlotMode[k] = mode;
  s->SlotShown[k] = 1;
  s->SlotSteps[k] = static_cast<int>(xs.size());
  s->SlotPeakStep[k] = peak;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    s->SlotTime[k][i + 1] = static_cast<double>(i + 1);
    s->SlotX[k][i + 1] = xs[i];
    s->SlotRateSmooth[k][i + 1] = 0.001;
  }
  return s;
}

TEST(AvramiPlot, BandTicksAndDottedLine) {
  for (auto [limit, bandBottom] : {std::pair{0.99, 66}, std::pair{0.9, 81}}) {
    auto s = std::make_unique<runs::SlotStore>();
    s->FitUpperLimit = limit;
    toolkit::RecordingCanvas c(250, 450);
    DrawAvramiPlot(c, {250, 450}, *s);
    const auto rects = Ops(c.ops, Type::Rectangle);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].y2, 449);  // the frame stops one row short of H
    EXPECT_EQ(rects[1].y2, bandBottom);
    EXPECT_EQ(rects[1].brush, BandGrey);

    const auto lines = Ops(c.ops, Type::Line);
    ASSERT_EQ(lines.size(), 4u + 8u + 15u + 1u);
    std::vector<int> ticks;
    for (std::size_t i = 12; i < 27; ++i) {
      EXPECT_EQ(lines[i].x1, 250);
      EXPECT_EQ(lines[i].x2, 240);
      ticks.push_back(lines[i].y1);
    }
    for (int y : {164, 148, 81, 76, 66, 58, 51, 46}) EXPECT_NE(std::find(ticks.begin(), ticks.end(), y), ticks.end()) << y;
    EXPECT_EQ(lines.back().y1, 115);
    EXPECT_EQ(lines.back().penStyle, toolkit::PenStyle::Dot);
  }
}

TEST(AvramiPlot, DotsOnlyInsideTheOpenIntervalAndTheNumberAboveTheLast) {
  auto s = StoreWithSlot(3, {0.0, 0.01, 0.2, 0.6, 1.0});
  toolkit::RecordingCanvas c(250, 450);
  DrawAvramiSlot(c, {250, 450}, *s, 3);
  const auto dots = Ops(c.ops, Type::Ellipse);
  ASSERT_EQ(dots.size(), 3u);
  const auto texts = Ops(c.ops, Type::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, "3");
  EXPECT_EQ(texts[0].x1, dots.back().x1 + 2);
  EXPECT_EQ(texts[0].y1, dots.back().y1 + 2 - 15);
  EXPECT_NE(s->SlotAvramiN[3], 0.0);  // drawing fits
}

TEST(AvramiPlot, PeakCircleOnlyForSpheruliteWithAPeak) {
  struct Case {
    int mode, peak, shown;
    std::size_t ellipses;
  };
  for (const Case c : {Case{1, 2, 1, 4}, Case{1, 0, 1, 3}, Case{2, 2, 1, 3}, Case{1, 2, 0, 0}}) {
    auto s = StoreWithSlot(1, {0.1, 0.3, 0.5}, c.mode, c.peak);
    s->SlotShown[1] = c.shown;
    toolkit::RecordingCanvas canvas(250, 450);
    DrawAvramiSlot(canvas, {250, 450}, *s, 1);
    EXPECT_EQ(Ops(canvas.ops, Type::Ellipse).size(), c.ellipses);
    EXPECT_NE(s->SlotAvramiN[1], 0.0);  // hidden or not, the slot is fitted
  }
}

TEST(RatePlot, RejectedPeakGivesCornerDotsAndAZeroLine) {
  auto s = StoreWithSlot(1, {0.1, 0.3, 0.5, 0.7}, 1, 0);
  toolkit::RecordingCanvas c(350, 200);
  DrawRateSlot(c, {350, 200, 200.0, 0.0016, 1.0}, *s, 1);
  const auto dots = Ops(c.ops, Type::Ellipse);
  ASSERT_EQ(dots.size(), 2u);
  EXPECT_EQ(dots[0].x1, -2);
  EXPECT_EQ(dots[0].y1, 198);
  const auto lines = Ops(c.ops, Type::Line);
  const DrawOp& last = lines.back();
  EXPECT_EQ(last.penStyle, toolkit::PenStyle::DashDot);
  EXPECT_EQ(last.x1, last.x2);
  EXPECT_EQ(lines[lines.size() - 2].y1, 200);
}

TEST(RatePlot, SkipsPointsRightOfThePlotAndRatesAtTheBottom) {
  auto s = StoreWithSlot(1, std::vector<double>(60, 0.5), 2);
  for (int i = 10; i <= 20; ++i) s->SlotRateSmooth[1][i] = 0.0;  // at the bottom edge: skipped
  toolkit::RecordingCanvas c(350, 200);
  DrawRateSlot(c, {350, 200, 25.0, 0.0016, 1.0}, *s, 1);
  // x(i) = 14 i: steps 2..25 lie inside for the X curve; 26..59 are skipped.
  int xLines = 0;
  int rateLines = 0;
  for (const DrawOp& o : Ops(c.ops, Type::Line)) {
    if (o.pen == CylindriteRed) ++xLines;
    if (o.pen == CylindriteRateOrange) {
      ++rateLines;
      EXPECT_LT(o.y2, 199);
      if (o.x2 == 14 * 21) {
        EXPECT_EQ(o.x1, 14 * 9);  // joined from the last drawn point
      }
    }
  }
  EXPECT_EQ(xLines, 24);
  EXPECT_EQ(rateLines, 24 - 11);
}

}  // namespace
}  // namespace polycryst::analysis
