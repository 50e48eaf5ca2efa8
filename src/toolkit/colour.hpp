#pragma once
#include <cstdint>

namespace polycryst::toolkit {

// A 24-bit colour.
struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend constexpr bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb Black{0, 0, 0};
inline constexpr Rgb White{255, 255, 255};

}  // namespace polycryst::toolkit
