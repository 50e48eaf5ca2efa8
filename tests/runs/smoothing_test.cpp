#include "runs/smoothing.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

namespace polycryst::runs {
namespace {

std::vector<double> Row(int n, const std::function<double(int)>& f) {
  std::vector<double> v(static_cast<std::size_t>(n) + 1, 0.0);
  for (int i = 1; i <= n; ++i) v[static_cast<std::size_t>(i)] = f(i);
  return v;
}

using Filter = void (*)(std::span<double>, int, int);

TEST(Smoothing, CubicsAndConstantsPassUnchanged) {
  const std::function<double(int)> rows[] = {
      [](int) { return 0.0123; },
      [](int i) { return 0.5 * i - 3; },
      [](int i) { return 1e-4 * i * i - 0.01 * i + 0.2; },
      [](int i) { return 2e-6 * i * i * i - 1e-4 * i * i + 0.003 * i; },
  };
  for (Filter filter : {&Smooth7, &Smooth13}) {
    for (const auto& f : rows) {
      std::vector<double> v = Row(100, f);
      filter(v, 1, 100);
      for (int i = 1; i <= 100; ++i) ASSERT_NEAR(v[i], f(i), 1e-12 * (1 + std::abs(f(i)))) << i;
    }
  }
}

TEST(Smoothing, ActsOnlyWhereTheWholeWindowFits) {
  // Row 1..n of an alternating signal: which entries change tells which centres ran.
  const auto wiggle = [](int i) { return i % 2 == 0 ? 1.0 : -1.0; };
  struct Case {
    Filter filter;
    int m, n;
  };
  for (const Case c : {Case{&Smooth7, 3, 6}, Case{&Smooth7, 3, 7}, Case{&Smooth7, 3, 20}, Case{&Smooth13, 6, 12},
                       Case{&Smooth13, 6, 13}, Case{&Smooth13, 6, 40}}) {
    SCOPED_TRACE(::testing::Message() << "m " << c.m << " n " << c.n);
    std::vector<double> v = Row(c.n, wiggle);
    c.filter(v, 1, c.n);
    for (int i = 1; i <= c.n; ++i) {
      const bool centre = i >= 1 + c.m && i <= c.n - c.m;
      if (centre) {
        EXPECT_NE(v[i], wiggle(i)) << i;
      } else {
        EXPECT_EQ(v[i], wiggle(i)) << i;
      }
    }
  }
}

TEST(Smoothing, SevenPointWeights) {
  std::vector<double> v{0, 0, 0, 0, 21, 0, 0, 0};  // an impulse at 4 shows the weights
  Smooth7(v, 1, 7);
  EXPECT_DOUBLE_EQ(v[4], 7.0);
}

struct RunFixture {
  std::unique_ptr<SlotStore> s = std::make_unique<SlotStore>();
  RunFixture(SlotMode mode, const std::vector<double>& rates) {
    s->CurrentSlot = 2;
    s->SlotNuclei[2] = 25;
    s->SlotMode[2] = static_cast<std::int32_t>(mode);
    for (std::size_t i = 0; i < rates.size(); ++i) s->SlotRate[2][i + 1] = rates[i];
    s->StepIndex = static_cast<int>(rates.size());
  }
};

std::vector<double> Hump(int n, int top, double last) {
  std::vector<double> r;
  for (int i = 1; i <= n; ++i) r.push_back(std::exp(-0.5 * std::pow((i - top) / 8.0, 2)));
  r.back() = last;
  return r;
}

TEST(SmoothRun, PeakRule) {
  struct Case {
    const char* what;
    SlotMode mode;
    std::vector<double> rates;
    bool kept;
  };
  const Case cases[] = {
      {"a hump that has come down", SlotMode::Spherulite, Hump(80, 30, 0.001), true},
      {"a last raw rate of exactly 0", SlotMode::Spherulite, Hump(80, 30, 0.0), true},
      {"still rising when halted", SlotMode::Spherulite, Hump(25, 30, 0.96), false},
      {"last rate above 1/1.2 of the maximum", SlotMode::Spherulite, Hump(80, 30, 0.9), false},
      {"a cylindrite is never searched", SlotMode::Cylindrite, Hump(80, 30, 0.001), false},
      {"fewer than 7 steps: raw rates", SlotMode::Spherulite, {0.1, 0.3, 0.2, 0.05, 0.01}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunFixture f(c.mode, c.rates);
    f.s->SlotPeakStep[2] = 0;
    SmoothRun(*f.s, 2);
    const SlotStore& s = *f.s;
    const int n = static_cast<int>(c.rates.size());
    EXPECT_EQ(s.SlotSteps[2], n);
    EXPECT_EQ(s.SlotRateSmooth[2][n], c.rates.back());  // the last three steps keep the raw rate
    if (c.kept) {
      ASSERT_GT(s.SlotPeakStep[2], 0);
      EXPECT_EQ(s.SlotRateSmooth[2][s.SlotPeakStep[2]], s.SlotPeakRate[2]);
      for (int i = 1; i <= n; ++i) {
        if (i < s.SlotPeakStep[2]) {
          EXPECT_LT(s.SlotRateSmooth[2][i], s.SlotPeakRate[2]);  // the first maximum
        }
        EXPECT_LE(s.SlotRateSmooth[2][i], s.SlotPeakRate[2]);
      }
    } else {
      EXPECT_EQ(s.SlotPeakStep[2], 0);
      EXPECT_EQ(s.SlotPeakRate[2], 0.0);
    }
  }
  RunFixture raw(SlotMode::Spherulite, {0.1, 0.3, 0.2, 0.05, 0.01});
  SmoothRun(*raw.s, 2);
  EXPECT_EQ(raw.s->SlotPeakStep[2], 2);
  EXPECT_EQ(raw.s->SlotPeakRate[2], 0.3);
}

TEST(SmoothRun, EmptySlotChangesNothing) {
  RunFixture f(SlotMode::Spherulite, Hump(50, 20, 0.0));
  f.s->SlotNuclei[2] = 0;
  f.s->SlotPeakStep[2] = 0;
  SmoothRun(*f.s, 2);
  EXPECT_EQ(f.s->SlotSteps[2], 0);
  EXPECT_EQ(f.s->SlotRateSmooth[2][20], 0.0);
  SmoothRun(*f.s, 0);  // no slot at all
  SmoothRun(*f.s, 9);
}

}  // namespace
}  // namespace polycryst::runs
