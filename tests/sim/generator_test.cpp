#include "sim/generator.hpp"

#include <gtest/gtest.h>

namespace polycryst::sim {
namespace {

TEST(Generator, SeedOneGivesTheKnownDraws) {
  Generator g;
  g.Seed(1);
  EXPECT_EQ(g.Low(), 22695478u);
  EXPECT_EQ(g.High(), 0u);
  for (std::int32_t expected : {1410184549, 672584604, 1915668986, 576821944}) EXPECT_EQ(g.Draw(), expected);
}

TEST(Generator, RandomBelowZeroDoesNotDraw) {
  Generator a;
  Generator b;
  a.Seed(1);
  b.Seed(1);
  EXPECT_EQ(a.RandomBelow(0), 0);
  EXPECT_EQ(a.RandomBelow(1000), b.Draw() % 1000);  // the zero call consumed nothing
  EXPECT_EQ(a.RandomBelow(31416), b.Draw() % 31416);
}

TEST(Generator, DrawsStayBelowTwoToThe31) {
  Generator g;
  g.Seed(0xffffffffu);
  for (int i = 0; i < 100000; ++i) {
    const std::int32_t d = g.Draw();
    ASSERT_GE(d, 0);
    const std::int32_t b = g.RandomBelow(2000);
    ASSERT_GE(b, 0);
    ASSERT_LT(b, 2000);
  }
}

}  // namespace
}  // namespace polycryst::sim
