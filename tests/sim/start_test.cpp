#include "sim/start.hpp"

#include <gtest/gtest.h>

#include "support/core_fixture.hpp"

namespace polycryst::sim {
namespace {

using Kind = StartOutcome::Kind;
using runs::SlotMode;
using testing::Core;

struct ConditionCase {
  const char* nuclei;
  SlotMode mode;
  const char* height;
  StartOutcome expected;
  int slotMode;  // SlotMode afterwards
};

void PrintTo(const ConditionCase& c, std::ostream* os) {
  *os << '"' << c.nuclei << "\" " << (c.mode == SlotMode::Spherulite ? "spherulite" : "cylindrite") << " \"" << c.height
      << '"';
}

class StartConditionsTest : public ::testing::TestWithParam<ConditionCase> {};

TEST_P(StartConditionsTest, ChecksInTheirOrder) {
  const ConditionCase& c = GetParam();
  Core core;
  const StartOutcome outcome = core.Start(c.nuclei, c.mode, c.height);
  EXPECT_EQ(outcome, c.expected);
  const int k = 1;
  if (outcome.accepted()) {
    EXPECT_GT(core.store.SlotNuclei[k], 0);
  } else {
    EXPECT_EQ(core.store.SlotNuclei[k], 0);
    EXPECT_EQ(core.store.SlotHeight[k], 0);
  }
  EXPECT_EQ(core.store.SlotMode[k], c.slotMode);
}

const StartOutcome Accepted{Kind::Accepted, {}, {}};
const StartOutcome BadNuclei{Kind::Rejected, ImproperIntegerText, NucleiCaption};
const StartOutcome BadHeight{Kind::Rejected, ImproperIntegerText, HeightCaption};

INSTANTIATE_TEST_SUITE_P(
    Table, StartConditionsTest,
    ::testing::Values(
        ConditionCase{"25", SlotMode::Spherulite, "x", Accepted, 1},  // the height is not read for spherulites
        ConditionCase{"2500", SlotMode::Spherulite, "", Accepted, 1},
        ConditionCase{"1", SlotMode::Spherulite, "", Accepted, 1},
        ConditionCase{"2501", SlotMode::Spherulite, "", BadNuclei, 0},
        ConditionCase{"0", SlotMode::Spherulite, "", BadNuclei, 0},
        ConditionCase{"-3", SlotMode::Spherulite, "", BadNuclei, 0},
        ConditionCase{"many", SlotMode::Spherulite, "", BadNuclei, 0},
        ConditionCase{"", SlotMode::Spherulite, "", BadNuclei, 0},
        // An invalid number in cylindrite mode gives only the first message, before the mode is read.
        ConditionCase{"0", SlotMode::Cylindrite, "0", BadNuclei, 0},
        ConditionCase{"25", SlotMode::Cylindrite, "180", Accepted, 2},
        ConditionCase{"25", SlotMode::Cylindrite, "1", Accepted, 2},
        ConditionCase{"25", SlotMode::Cylindrite, "181", BadHeight, 2},  // the mode stays recorded
        ConditionCase{"25", SlotMode::Cylindrite, "0", BadHeight, 2},
        ConditionCase{"25", SlotMode::Cylindrite, "tall", BadHeight, 2}));

TEST(StartRun, RecordsTheSlotsConditions) {
  struct Case {
    int scale;
    SlotMode mode;
    int cells, maxSteps;
    double shape;
  };
  for (const Case c : {Case{1, SlotMode::Spherulite, 250000, 500, 3.141592653589793},
                       Case{2, SlotMode::Cylindrite, 1000000, 1000, 50.0},
                       Case{4, SlotMode::Spherulite, 4000000, 2000, 3.141592653589793}}) {
    Core core(c.scale);
    core.store.StepIndex = 77;
    core.store.CrystalCount = 99;
    ASSERT_TRUE(core.Start("25", c.mode, "25").accepted());
    const runs::SlotStore& s = core.store;
    EXPECT_EQ(core.field.FieldSize, 500 * c.scale);
    EXPECT_EQ(s.SlotCells[1], c.cells);
    EXPECT_EQ(s.SlotMaxSteps[1], c.maxSteps);
    EXPECT_EQ(s.SlotShape[1], c.shape);
    EXPECT_EQ(s.SlotHeight[1], c.mode == SlotMode::Cylindrite ? 25 : 0);
    EXPECT_EQ(s.StepIndex, 0);
    EXPECT_EQ(s.CrystalCount, 0);
    EXPECT_EQ(s.SlotTime[1][0], 0.0);
  }
}

TEST(StartRun, FirstNucleusAfterStartUp) {
  struct Case {
    int scale;
    SlotMode mode;
    int x, y;
    double angle;
  };
  for (const Case c : {Case{2, SlotMode::Spherulite, 549, 604, 0.0}, Case{1, SlotMode::Spherulite, 49, 104, 0.0},
                       Case{2, SlotMode::Cylindrite, 549, 604, 1.5554}}) {
    Core core(c.scale);
    ASSERT_TRUE(core.Start("25", c.mode, "10").accepted());
    EXPECT_EQ(core.field.NucleusX[1], c.x);
    EXPECT_EQ(core.field.NucleusY[1], c.y);
    if (c.mode == SlotMode::Cylindrite) {
      EXPECT_EQ(core.field.NucleusAngle[1], 15554 * 0.0001);
    }
  }
}

TEST(StartRun, CylindriteDrawsInterleaveNucleusByNucleus) {
  Core core;
  ASSERT_TRUE(core.Start("3", SlotMode::Cylindrite, "5").accepted());
  Generator g;
  g.Seed(1);
  for (int j = 1; j <= 3; ++j) {
    EXPECT_EQ(core.field.NucleusX[j], g.RandomBelow(1000));
    EXPECT_EQ(core.field.NucleusY[j], g.RandomBelow(1000));
    EXPECT_EQ(core.field.NucleusAngle[j], g.RandomBelow(31416) * 0.0001);
  }
}

TEST(StartRun, RefusesASlotThatHoldsARunWithoutAnyChange) {
  Core core;
  ASSERT_TRUE(core.Start("25").accepted());
  core.store.StepIndex = 40;
  core.store.CrystalCount = 1234;
  const int x1 = core.field.NucleusX[1];
  const Generator before = core.generator;
  EXPECT_EQ(core.Start("7", SlotMode::Cylindrite, "3").kind, Kind::Refused);
  EXPECT_EQ(core.store.SlotNuclei[1], 25);
  EXPECT_EQ(core.store.SlotMode[1], 1);
  EXPECT_EQ(core.store.StepIndex, 40);
  EXPECT_EQ(core.store.CrystalCount, 1234);
  EXPECT_EQ(core.field.NucleusX[1], x1);
  EXPECT_EQ(core.generator.Low(), before.Low());
}

TEST(StartRun, ClearsTheGridOneBeyondTheField) {
  Core core(4);
  for (auto [x, y] : {std::array{0, 0}, {2000, 2000}, {1999, 0}, {0, 2000}}) {
    core.field.Grid[static_cast<std::size_t>(x) * GridSide + y] = 1;
  }
  core.field.Grid[static_cast<std::size_t>(2001) * GridSide + 5] = 1;  // outside the cleared square
  ASSERT_TRUE(core.Start("1").accepted());
  EXPECT_EQ(core.field.Cell(0, 0), 0);
  EXPECT_EQ(core.field.Cell(2000, 2000), 0);
  EXPECT_EQ(core.field.Cell(1999, 0), 0);
  EXPECT_EQ(core.field.Cell(0, 2000), 0);
  EXPECT_EQ(core.field.Cell(2001, 5), 1);
}

}  // namespace
}  // namespace polycryst::sim
