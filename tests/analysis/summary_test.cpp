#include "analysis/summary.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace polycryst::analysis {
namespace {

struct Slot {
  int nuclei, mode, height, cells, maxSteps, steps, peak;
  double xAtPeak, n, logK, shape;
};

std::unique_ptr<runs::SlotStore> StoreWith(const Slot& v) {
  auto s = std::make_unique<runs::SlotStore>();
  const int k = 4;
  s->SlotNuclei[k] = v.nuclei;
  s->SlotMode[k] = v.mode;
  s->SlotHeight[k] = v.height;
  s->SlotCells[k] = v.cells;
  s->SlotMaxSteps[k] = v.maxSteps;
  s->SlotSteps[k] = v.steps;
  s->SlotPeakStep[k] = v.peak;
  s->SlotX[k][v.peak] = v.xAtPeak;
  s->SlotAvramiN[k] = v.n;
  s->SlotLogK[k] = v.logK;
  s->SlotShape[k] = v.shape;
  return s;
}

TEST(SummaryRowText, EveryColumn) {
  struct Case {
    const char* what;
    Slot slot;
    SummaryRow expected;
  };
  const double pi = 3.141592653589793;
  const Case cases[] = {
      {"spherulites, field full before the limit",
       {25, 1, 0, 1000000, 1000, 134, 57, 0.3937, 1.9871, -4.1049, pi},
       {"4", " 1000k", "Spher.", " 25", "", " 2.5E-5", " 134", " 57", " .3937", " 1.9871", "- 4.1049", " 2.5E-5"}},
      {"cylindrites at the step limit, no peak",
       {50, 2, 10, 4000000, 2000, 2000, 0, 0.0, 0.9996, -3.6009, 20.0},
       {"4", " 4000k", "Cylind.", " 50", "10", " 1.25E-5", ">2000", " ", " ", " .9996", "- 3.6009", " 1.253E-5"}},
      {"a run not halted yet: no fit",
       {7, 1, 0, 250000, 500, 0, 0, 0.0, -9999.0, -9999.0, pi},
       {"4", " 250k", "Spher.", " 7", "", " 2.8E-5", " ", " ", " ", "", "", ""}},
      {"a fit with a negative slope is not shown",
       {7, 1, 0, 250000, 500, 200, 0, 0.0, -0.5, 1.0, pi},
       {"4", " 250k", "Spher.", " 7", "", " 2.8E-5", " 200", " ", " ", "", "", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(SummaryRowText(*StoreWith(c.slot), 4), c.expected);
  }
}

TEST(SummaryRowText, EmptySlotShowsOnlyItsNumber) {
  auto s = std::make_unique<runs::SlotStore>();
  s->SlotAvramiN[6] = 2.0;
  const SummaryRow row = SummaryRowText(*s, 6);
  EXPECT_EQ(row[0], "6");
  for (int c = 1; c < SummaryColumns; ++c) EXPECT_EQ(row[c], "");
}

}  // namespace
}  // namespace polycryst::analysis
