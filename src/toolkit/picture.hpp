#pragma once
// An off-screen 24-bit picture: rows top to bottom, three bytes (R, G, B) per pixel,
// no padding. 500 pixels of 3 bytes make a row of 1500 bytes, a multiple of four, so a
// display backend can wrap the buffer without copying it row by row.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/colour.hpp"

namespace polycryst::toolkit {

class Picture {
 public:
  Picture() = default;
  Picture(int width, int height, Rgb fill = Black);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::size_t Stride() const { return static_cast<std::size_t>(width_) * 3; }

  // Unchecked: callers stay inside the picture.
  void SetPixel(int x, int y, Rgb c) {
    std::uint8_t* p = data_.data() + static_cast<std::size_t>(y) * Stride() + static_cast<std::size_t>(x) * 3;
    p[0] = c.r;
    p[1] = c.g;
    p[2] = c.b;
  }
  Rgb Pixel(int x, int y) const {
    const std::uint8_t* p = data_.data() + static_cast<std::size_t>(y) * Stride() + static_cast<std::size_t>(x) * 3;
    return {p[0], p[1], p[2]};
  }

  void Fill(Rgb c);
  // Resizes to width x height and fills with c; reuses the buffer when the size stays.
  void Reset(int width, int height, Rgb c);

  std::span<const std::uint8_t> Bytes() const { return data_; }
  std::span<std::uint8_t> Bytes() { return data_; }

  friend bool operator==(const Picture&, const Picture&) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> data_;
};

}  // namespace polycryst::toolkit
