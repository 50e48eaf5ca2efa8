#include "analysis/avrami.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace polycryst::analysis {
namespace {

// A slot whose X follows the Avrami equation X = 1 - exp(-K t^n) exactly.
std::unique_ptr<runs::SlotStore> AvramiSlot(double n, double logK, int steps) {
  auto s = std::make_unique<runs::SlotStore>();
  s->SlotNuclei[1] = 25;
  s->SlotSteps[1] = steps;
  s->FitUpperLimit = 0.99;
  for (int i = 1; i <= steps; ++i) {
    s->SlotTime[1][i] = i;
    s->SlotX[1][i] = 1 - std::exp(-std::pow(10.0, logK) * std::pow(i, n));
  }
  return s;
}

TEST(FitAvramiSlot, RecoversExponentAndConstant) {
  struct Case {
    double n, logK;
  };
  for (const Case c : {Case{2.0, -4.0}, Case{3.0, -6.5}, Case{1.0, -2.3}}) {
    auto s = AvramiSlot(c.n, c.logK, 400);
    FitAvramiSlot(*s, 1);
    EXPECT_NEAR(s->SlotAvramiN[1], c.n, 1e-9);
    EXPECT_NEAR(s->SlotLogK[1], c.logK, 1e-8);
  }
}

TEST(FitAvramiSlot, TakesStepsOnTheLimitsAndSkipsThoseOutside) {
  // Two points on a line of slope 2 through log K = -1, and points outside the window
  // that would spoil it.
  auto s = std::make_unique<runs::SlotStore>();
  s->SlotNuclei[1] = 1;
  s->SlotSteps[1] = 4;
  s->FitUpperLimit = 0.99;
  const auto xAt = [](double t) { return 1 - std::exp(-0.1 * t * t); };
  s->SlotTime[1] = {0, 1, 2, 3, 4};
  s->SlotX[1][1] = xAt(1);
  s->SlotX[1][2] = 0.995;  // above the limit
  s->SlotX[1][3] = 0.99;   // exactly on it: taken
  s->SlotX[1][4] = 1.0;
  FitAvramiSlot(*s, 1);
  const double x1 = std::log10(1.0), y1 = std::log10(-std::log(1 - xAt(1)));
  const double x3 = std::log10(3.0), y3 = std::log10(-std::log(1 - 0.99));
  EXPECT_NEAR(s->SlotAvramiN[1], (y3 - y1) / (x3 - x1), 1e-12);
  EXPECT_NEAR(s->SlotLogK[1], y1, 1e-12);
}

TEST(FitAvramiSlot, FewerThanTwoStepsGiveTheSentinel) {
  for (int steps : {0, 1}) {
    auto s = AvramiSlot(2.0, -4.0, 300);
    s->SlotSteps[1] = steps;
    FitAvramiSlot(*s, 1);
    EXPECT_EQ(s->SlotAvramiN[1], NoFit);
    EXPECT_EQ(s->SlotLogK[1], NoFit);
  }
  auto s = AvramiSlot(2.0, -4.0, 300);
  s->FitUpperLimit = 0.9;
  for (int i = 2; i <= 300; ++i) s->SlotX[1][i] = 0.95;  // only step 1 in the window
  FitAvramiSlot(*s, 1);
  EXPECT_EQ(s->SlotAvramiN[1], NoFit);
}

}  // namespace
}  // namespace polycryst::analysis
