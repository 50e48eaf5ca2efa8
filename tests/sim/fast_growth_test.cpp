#include "sim/fast_growth.hpp"

#include <gtest/gtest.h>

#include "sim/colours.hpp"
#include "sim/growth.hpp"
#include "support/core_fixture.hpp"

namespace polycryst::sim {
namespace {

using runs::SlotMode;
using testing::Core;

struct Case {
  SlotMode mode;
  const char* nuclei;
  const char* height;
  int scale;
  Plate plate;
};

// The fast step against the plain one, step by step: counts, series, grid and picture.
void ExpectSameRun(const Case& c, int threads) {
  SCOPED_TRACE(::testing::Message() << "mode " << static_cast<int>(c.mode) << " N " << c.nuclei << " scale "
                                    << c.scale << " threads " << threads);
  Core reference(c.scale);
  Core fast(c.scale);
  ASSERT_TRUE(reference.Start(c.nuclei, c.mode, c.height).accepted());
  ASSERT_TRUE(fast.Start(c.nuclei, c.mode, c.height).accepted());
  BlankFieldImage(reference.field.FieldBitmap, c.plate);
  BlankFieldImage(fast.field.FieldBitmap, c.plate);
  FastGrowth growth(threads);
  while (true) {
    const bool a = GrowthStep(reference.field, reference.store, 1, c.plate);
    const bool b = growth.Step(fast.field, fast.store, 1, c.plate);
    ASSERT_EQ(a, b);
    if (!a) break;
    const int t = reference.store.StepIndex;
    ASSERT_EQ(fast.store.StepIndex, t);
    ASSERT_EQ(fast.store.CrystalCount, reference.store.CrystalCount) << "step " << t;
    ASSERT_EQ(fast.store.SlotX[1][t], reference.store.SlotX[1][t]);
    ASSERT_EQ(fast.store.SlotRate[1][t], reference.store.SlotRate[1][t]);
    if (c.scale < 4 || t % 16 == 0) {
      ASSERT_TRUE(fast.field.FieldBitmap == reference.field.FieldBitmap) << "picture differs at step " << t;
    }
  }
  EXPECT_TRUE(fast.field.FieldBitmap == reference.field.FieldBitmap);
  EXPECT_TRUE(fast.field.Grid == reference.field.Grid);
}

class FastGrowthRuns : public ::testing::TestWithParam<Case> {};

TEST_P(FastGrowthRuns, EqualThePlainStepForEveryThreadCount) {
  const Case& c = GetParam();
  // The large field once on several threads and once on an odd count.
  for (int threads : c.scale < 4 ? std::vector{1, 2, 3, 8} : std::vector{3, 8}) ExpectSameRun(c, threads);
}

INSTANTIATE_TEST_SUITE_P(Modes, FastGrowthRuns,
                         ::testing::Values(Case{SlotMode::Spherulite, "25", "0", 1, Plate::Off},  // fills mid-step
                                           Case{SlotMode::Spherulite, "7", "0", 1, Plate::On},
                                           Case{SlotMode::Spherulite, "40", "0", 2, Plate::On},
                                           Case{SlotMode::Spherulite, "300", "0", 4, Plate::Off},
                                           Case{SlotMode::Cylindrite, "25", "25", 1, Plate::On},  // the step limit
                                           Case{SlotMode::Cylindrite, "60", "8", 2, Plate::Off},
                                           Case{SlotMode::Cylindrite, "500", "30", 4, Plate::On}),
                         [](const ::testing::TestParamInfo<Case>& param) {
                           return std::string(param.param.mode == SlotMode::Spherulite ? "Spherulites" : "Cylindrites") +
                                  "N" + param.param.nuclei + "Scale" + std::to_string(param.param.scale);
                         });

TEST(FastGrowth, FillsInTheMiddleOfAStepLikeThePlainStep) {
  // Almost full: the first claims of the step take the last cells.
  for (int threads : {1, 2, 3}) {
    Core reference(1);
    Core fast(1);
    for (Core* core : {&reference, &fast}) {
      core->StartWithNuclei({{100, 100}, {300, 300}, {301, 300}});
      std::fill(core->field.Grid.begin(), core->field.Grid.end(), std::int16_t{1});
      for (int x = 95; x < 106; ++x) {
        for (int y = 90; y < 110; ++y) core->field.Grid[static_cast<std::size_t>(x) * GridSide + y] = 0;
      }
      core->field.Grid[static_cast<std::size_t>(299) * GridSide + 300] = 0;
      core->store.CrystalCount = core->store.SlotCells[1] - 7;
      BlankFieldImage(core->field.FieldBitmap, Plate::On);
    }
    FastGrowth growth(threads);
    for (int t = 0; t < 3; ++t) {
      ASSERT_EQ(GrowthStep(reference.field, reference.store, 1, Plate::On),
                growth.Step(fast.field, fast.store, 1, Plate::On));
    }
    EXPECT_EQ(fast.store.CrystalCount, reference.store.CrystalCount);
    EXPECT_EQ(fast.store.SlotX[1], reference.store.SlotX[1]);
    EXPECT_TRUE(fast.field.Grid == reference.field.Grid);
    EXPECT_TRUE(fast.field.FieldBitmap == reference.field.FieldBitmap);
  }
}

}  // namespace
}  // namespace polycryst::sim
