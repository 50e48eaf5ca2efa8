#include "sim/growth.hpp"

#include <gtest/gtest.h>

#include <cmath>

#include "sim/colours.hpp"
#include "support/core_fixture.hpp"

namespace polycryst::sim {
namespace {

using runs::SlotMode;
using testing::Core;

TEST(GrowthStep, AngleStepFollowsTheFieldScale) {
  // dtheta = N^0.33 x c, and the number of angles per half turn for N = 25.
  struct Case {
    int scale;
    double dtheta;
    int angles;
  };
  for (const Case c : {Case{1, 0.0024589, 1278}, Case{2, 0.0014464, 2172}, Case{4, 0.00072320, 4344}}) {
    const double dtheta = std::pow(25, 0.33) * AngleCoefficient(c.scale);
    EXPECT_NEAR(dtheta, c.dtheta, 5e-8);
    int angles = 0;
    for (double theta = 0.0; theta <= Pi; theta += dtheta) ++angles;
    EXPECT_EQ(angles, c.angles);
  }
}

TEST(GrowthStep, SingleSpheruliteCountsAnywhereInAnyField) {
  const std::array<int, 6> expected{5, 17, 37, 61, 89, 133};
  for (int scale : {1, 2, 4}) {
    const int last = 500 * scale - 1;
    for (auto at : {std::array{0, 0}, std::array{last, last}, std::array{123, 321}, std::array{0, last}}) {
      SCOPED_TRACE(::testing::Message() << "scale " << scale << " at " << at[0] << "," << at[1]);
      Core core(scale);
      core.StartWithNuclei({at});
      for (int t = 1; t <= 6; ++t) {
        ASSERT_TRUE(GrowthStep(core.field, core.store, 1, Plate::Off));
        EXPECT_EQ(core.store.CrystalCount, expected[t - 1]);
        EXPECT_EQ(core.field.CountCrystallised(), core.store.CrystalCount);
        if (t == 1) {
          EXPECT_EQ(core.field.Cell(at[0], at[1]), 1);  // its own centre is among the first five
        }
      }
    }
  }
}

TEST(GrowthStep, NucleusInTheCornerGrowsAcrossBothEdges) {
  Core core(2);
  core.StartWithNuclei({{0, 0}});
  ASSERT_TRUE(GrowthStep(core.field, core.store, 1, Plate::Off));
  bool lastColumn = false;
  bool lastRow = false;
  for (int i = 0; i < 1000; ++i) {
    lastColumn |= core.field.Cell(999, i) == 1;
    lastRow |= core.field.Cell(i, 999) == 1;
  }
  EXPECT_TRUE(lastColumn);
  EXPECT_TRUE(lastRow);
}

TEST(GrowthStep, CylindriteAlongTheAxisClaimsTwoLinesOfHCells) {
  for (int h : {1, 7, 25}) {
    SCOPED_TRACE(h);
    Core core(1);
    core.StartWithNuclei({{100, 200}}, SlotMode::Cylindrite, h, 0.0);
    for (int t = 1; t < 250; ++t) {
      ASSERT_TRUE(GrowthStep(core.field, core.store, 1, Plate::Off));
      ASSERT_EQ(core.store.CrystalCount, 2 * h * t);
    }
    for (int u = 0; u < h; ++u) EXPECT_EQ(core.field.Cell(100 + u, 200), 0);  // the needle itself stays amorphous
  }
}

TEST(GrowthStep, LongNeedlesWrapFromFarOutside) {
  // A needle of 180 cells, late in a run in the small field, reaches more than one
  // field side beyond the edge; every claim must still land inside.
  Core core(1);
  core.StartWithNuclei({{499, 499}}, SlotMode::Cylindrite, 180, 0.7854);
  while (GrowthStep(core.field, core.store, 1, Plate::On)) {
  }
  EXPECT_EQ(core.store.StepIndex, 500);
  EXPECT_EQ(core.field.CountCrystallised(), core.store.CrystalCount);
}

TEST(GrowthStep, StopsAtTheStepLimitAndRecordsEveryStep) {
  Core core(1);
  core.StartWithNuclei({{10, 10}}, SlotMode::Cylindrite, 1, 0.3);
  int steps = 0;
  while (GrowthStep(core.field, core.store, 1, Plate::Off)) ++steps;
  const runs::SlotStore& s = core.store;
  EXPECT_EQ(steps, 500);
  EXPECT_EQ(s.StepIndex, 500);
  EXPECT_LT(s.SlotX[1][500], 1.0);
  EXPECT_EQ(s.SlotRate[1][1], s.SlotX[1][1]);
  for (int t = 1; t <= 500; ++t) {
    ASSERT_EQ(s.SlotTime[1][t], t);
    ASSERT_EQ(s.SlotRate[1][t], s.SlotX[1][t] - s.SlotX[1][t - 1]);
    ASSERT_GE(s.SlotX[1][t], s.SlotX[1][t - 1]);
  }
  EXPECT_FALSE(GrowthStep(core.field, core.store, 1, Plate::Off));
  EXPECT_EQ(s.StepIndex, 500);
}

TEST(GrowthStep, FullFieldStopsInTheMiddleOfAStep) {
  // Everything but two cells is already crystalline and the count says one is left:
  // the first claim of the step fills the field and no other claim may follow.
  Core core(1);
  core.StartWithNuclei({{100, 100}, {300, 300}}, SlotMode::Spherulite);
  std::fill(core.field.Grid.begin(), core.field.Grid.end(), std::int16_t{1});
  const auto free = [&](int x, int y) { core.field.Grid[static_cast<std::size_t>(x) * GridSide + y] = 0; };
  free(101, 100);  // theta = 0, point A of nucleus 1: the first claim
  free(299, 300);  // theta = 0, point B of nucleus 2: would come later in the same step
  core.store.CrystalCount = core.store.SlotCells[1] - 1;
  BlankFieldImage(core.field.FieldBitmap, Plate::On);
  const toolkit::Picture blank = core.field.FieldBitmap;

  ASSERT_TRUE(GrowthStep(core.field, core.store, 1, Plate::On));
  EXPECT_EQ(core.store.SlotX[1][1], 1.0);
  EXPECT_EQ(core.field.Cell(101, 100), 1);
  EXPECT_EQ(core.field.Cell(299, 300), 0);
  EXPECT_EQ(core.field.FieldBitmap, blank);  // theta = 0 paints the background colour
  EXPECT_FALSE(GrowthStep(core.field, core.store, 1, Plate::On));
}

TEST(GrowthStep, FirstComeKeepsItsCellAndPixel) {
  // Two nuclei on the same cell: the lower index claims every cell first; the second
  // claims nothing, so the count is that of a single crystal.
  Core core(1);
  core.StartWithNuclei({{250, 250}, {250, 250}});
  for (int t = 1; t <= 3; ++t) ASSERT_TRUE(GrowthStep(core.field, core.store, 1, Plate::Off));
  EXPECT_EQ(core.store.CrystalCount, 37);
}

}  // namespace
}  // namespace polycryst::sim
