#include "toolkit/picture.hpp"

#include <algorithm>

namespace polycryst::toolkit {

Picture::Picture(int width, int height, Rgb fill) { Reset(width, height, fill); }

void Picture::Fill(Rgb c) {
  for (std::size_t i = 0; i + 2 < data_.size(); i += 3) {
    data_[i] = c.r;
    data_[i + 1] = c.g;
    data_[i + 2] = c.b;
  }
}

void Picture::Reset(int width, int height, Rgb c) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  data_.resize(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_) * 3);
  Fill(c);
}

}  // namespace polycryst::toolkit
