#pragma once
#include <optional>
#include <string>

#include "toolkit/colour.hpp"

namespace polycryst::toolkit {

inline constexpr Rgb WindowColour{255, 255, 255};      // the window background of the default scheme
inline constexpr Rgb ButtonFaceColour{240, 240, 240};  // pages, group boxes, buttons, labels
inline constexpr Rgb WindowTextColour{0, 0, 0};

struct Font {
  std::string face = "Arial";
  int height = 18;  // character height in pixels
  bool bold = false;
  std::optional<Rgb> colour;  // none: the system's window-text colour
  int rotation = 0;           // degrees counter-clockwise: 0 or 90

  Rgb Colour() const { return colour.value_or(WindowTextColour); }
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace polycryst::toolkit
