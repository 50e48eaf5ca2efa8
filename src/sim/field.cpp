#include "sim/field.hpp"

#include <algorithm>

namespace polycryst::sim {

Field::Field()
    : Grid(static_cast<std::size_t>(GridSide) * GridSide, 0), FieldBitmap(FieldImageSide, FieldImageSide) {}

void Field::ClearGrid() {
  const int side = std::clamp(FieldSize, 0, GridSide - 1);
  for (int x = 0; x <= side; ++x) {
    auto row = Grid.begin() + static_cast<std::ptrdiff_t>(x) * GridSide;
    std::fill(row, row + side + 1, std::int16_t{0});
  }
}

std::int64_t Field::CountCrystallised() const {
  std::int64_t n = 0;
  for (int x = 0; x < FieldSize; ++x) {
    for (int y = 0; y < FieldSize; ++y) n += Cell(x, y) != 0;
  }
  return n;
}

}  // namespace polycryst::sim
