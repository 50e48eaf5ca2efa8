#include "sim/colours.hpp"

#include <gtest/gtest.h>

namespace polycryst::sim {
namespace {

using toolkit::Rgb;

TEST(Colours, Spherulite) {
  struct Case {
    double theta;
    Rgb off, on;
  };
  const double pi = Pi;
  for (const Case& c : {
           Case{0.0, {0, 0, 0}, {255, 63, 63}},               // the dark cross: w = 0 is the background
           Case{pi / 4, {255, 255, 255}, {63, 63, 255}},      // w = 1, upper right quadrant: blue
           Case{3 * pi / 4, {255, 255, 255}, {255, 255, 63}},  // w = 1, upper left: yellow
           Case{pi / 2, {0, 0, 0}, {255, 63, 63}},
       }) {
    SCOPED_TRACE(c.theta);
    EXPECT_EQ(SpheruliteColour(c.theta, Plate::Off), c.off);
    EXPECT_EQ(SpheruliteColour(c.theta, Plate::On), c.on);
  }
}

TEST(Colours, HalfWeight) {
  EXPECT_EQ(WeightColour(0.5, 0.3, Plate::Off), (Rgb{63, 63, 63}));
  EXPECT_EQ(WeightColour(0.5, 0.3, Plate::On), (Rgb{159, 63, 159}));
  EXPECT_EQ(WeightColour(0.5, HalfPi, Plate::On), (Rgb{159, 63, 159}));  // pi/2 itself still turns blue
  EXPECT_EQ(WeightColour(0.5, 2.0, Plate::On), (Rgb{255, 159, 63}));
}

TEST(Colours, CylindriteTakesTheGrowthDirectionAndTruncates) {
  struct Case {
    double a;
    Rgb off, on;
  };
  for (const Case& c : {
           Case{0.0, {0, 0, 0}, {255, 63, 63}},  // needle along an axis: invisible
           Case{0.7854, {254, 254, 254}, {63, 63, 254}},
           Case{2.3562, {254, 254, 254}, {255, 254, 63}},
       }) {
    SCOPED_TRACE(c.a);
    EXPECT_EQ(CylindriteColour(c.a, Plate::Off), c.off);
    EXPECT_EQ(CylindriteColour(c.a, Plate::On), c.on);
  }
}

TEST(Colours, BlankFieldIsTheBackgroundEverywhere) {
  toolkit::Picture p(FieldImageSide, FieldImageSide, toolkit::White);
  EXPECT_EQ(BlankFieldImage(p, Plate::On), (Rgb{255, 63, 63}));
  EXPECT_EQ(p, toolkit::Picture(FieldImageSide, FieldImageSide, Rgb{255, 63, 63}));
  EXPECT_EQ(BlankFieldImage(p, Plate::Off), toolkit::Black);
  EXPECT_EQ(p, toolkit::Picture(FieldImageSide, FieldImageSide, toolkit::Black));
}

}  // namespace
}  // namespace polycryst::sim
