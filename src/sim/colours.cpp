#include "sim/colours.hpp"

#include <cmath>

namespace polycryst::sim {

toolkit::Rgb WeightColour(double w, double decidingAngle, Plate plate) {
  if (plate == Plate::Off) {
    const auto g = static_cast<std::uint8_t>(static_cast<int>(255 * w * w));
    return {g, g, g};
  }
  if (decidingAngle > HalfPi) {
    return {255, static_cast<std::uint8_t>(static_cast<int>(63 + 192 * w)), 63};
  }
  return {static_cast<std::uint8_t>(static_cast<int>(255 - 192 * w)), 63,
          static_cast<std::uint8_t>(static_cast<int>(63 + 192 * w))};
}

toolkit::Rgb BackgroundColour(Plate plate) { return plate == Plate::On ? PlateBackground : toolkit::Black; }

toolkit::Rgb SpheruliteColour(double theta, Plate plate) {
  const double w = std::pow(std::sin(2 * theta), 2.0);
  return WeightColour(w, theta, plate);
}

toolkit::Rgb CylindriteColour(double needleAngle, Plate plate) {
  const double w = std::pow(std::sin((needleAngle + HalfPi) * 2.0), 2.0);
  return WeightColour(w, needleAngle, plate);
}

toolkit::Rgb BlankFieldImage(toolkit::Picture& picture, Plate plate) {
  const toolkit::Rgb background = BackgroundColour(plate);
  picture.Fill(background);
  return background;
}

}  // namespace polycryst::sim
