#include "runs/slots.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace polycryst::runs {
namespace {

TEST(ClearSlot, EmptiesTheRunButKeepsTheNextRunsConditions) {
  auto s = std::make_unique<SlotStore>();
  const int k = 3;
  s->SlotNuclei[k] = 25;
  s->SlotMode[k] = 2;
  s->SlotHeight[k] = 10;
  s->SlotCells[k] = 250000;
  s->SlotMaxSteps[k] = 500;  // smaller than the 2000 steps an earlier run left
  s->SlotShape[k] = 20.0;
  s->SlotSteps[k] = 2000;
  s->SlotPeakStep[k] = 70;
  s->SlotPeakRate[k] = 0.01;
  s->SlotShown[k] = 1;
  s->SlotAvramiN[k] = 2.0;
  s->SlotLogK[k] = -4.0;
  for (Series* series : {&s->SlotX, &s->SlotRate, &s->SlotTime, &s->SlotRateSmooth}) (*series)[k].fill(0.5);

  ClearSlot(*s, k);

  EXPECT_EQ(s->SlotNuclei[k], 0);
  EXPECT_EQ(s->SlotHeight[k], 0);
  EXPECT_EQ(s->SlotSteps[k], 0);
  EXPECT_EQ(s->SlotPeakStep[k], 0);
  EXPECT_EQ(s->SlotAvramiN[k], 0.0);
  EXPECT_EQ(s->SlotLogK[k], 0.0);
  EXPECT_EQ(s->SlotMode[k], 2);
  EXPECT_EQ(s->SlotCells[k], 250000);
  EXPECT_EQ(s->SlotMaxSteps[k], 500);
  EXPECT_EQ(s->SlotShape[k], 20.0);
  EXPECT_EQ(s->SlotPeakRate[k], 0.01);
  EXPECT_EQ(s->SlotShown[k], 1);
  for (Series* series : {&s->SlotX, &s->SlotRate, &s->SlotTime, &s->SlotRateSmooth}) {
    EXPECT_EQ((*series)[k][0], 0.5);    // step 0 is never touched
    EXPECT_EQ((*series)[k][1], 0.0);
    EXPECT_EQ((*series)[k][500], 0.0);
    EXPECT_EQ((*series)[k][501], 0.5);  // beyond the step limit: left over, never read
    EXPECT_EQ((*series)[k - 1][1], 0.0);  // the neighbours are untouched
  }
}

TEST(ClearSlot, IgnoresNumbersThatAreNoSlot) {
  auto s = std::make_unique<SlotStore>();
  s->SlotNuclei.fill(5);
  for (int k : {0, 9, -1, 1000}) ClearSlot(*s, k);
  for (int k = 0; k < SlotEntries; ++k) EXPECT_EQ(s->SlotNuclei[k], 5);
}

TEST(FirstFreeSlot, LooksAtRecordedSteps) {
  auto s = std::make_unique<SlotStore>();
  EXPECT_EQ(FirstFreeSlot(*s), 1);
  s->SlotSteps[1] = 10;
  s->SlotSteps[2] = 5;
  s->SlotNuclei[3] = 25;  // nuclei without steps (halted before the first step, then quit) count as free
  EXPECT_EQ(FirstFreeSlot(*s), 3);
  for (int k = 1; k <= SlotCount; ++k) s->SlotSteps[k] = 1;
  EXPECT_EQ(FirstFreeSlot(*s), 0);
}

}  // namespace
}  // namespace polycryst::runs
