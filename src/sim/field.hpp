#pragma once
// The field of cells, the nuclei and the field picture of the run in progress.
//
// The field is a torus of FieldSize x FieldSize cells (500, 1000 or 2000). Cell (x, y)
// is stored at x * GridSide + y; the grid keeps one row and one column beyond the
// largest field so that clearing 0..FieldSize inclusive stays inside it. The picture
// is always 500 x 500 pixels: cell (x, y) maps to pixel (trunc(x / PixelScale),
// trunc(y / PixelScale)), so a pixel covers 1, 4 or 16 cells.

#include <array>
#include <cstdint>
#include <vector>

#include "toolkit/picture.hpp"

namespace polycryst::sim {

inline constexpr std::int32_t BaseFieldSize = 500;
inline constexpr std::int32_t GridSide = 2501;
inline constexpr std::int32_t NucleusEntries = 3602;
inline constexpr std::int32_t MaxNuclei = 2500;
inline constexpr std::int32_t MaxNeedleHeight = 180;
inline constexpr std::int32_t FieldImageSide = 500;

inline constexpr bool IsFieldScale(int s) { return s == 1 || s == 2 || s == 4; }

enum class Plate { Off, On };  // the retardation plate

struct Field {
  Field();

  std::int32_t FieldScale = 2;
  std::int32_t FieldSize = BaseFieldSize * 2;
  std::int32_t ImageSize = 0;  // 0 until the window has measured itself
  double PixelScale = 0.0;

  std::vector<std::int16_t> Grid;  // 0 amorphous, 1 crystallised
  std::array<std::int32_t, NucleusEntries> NucleusX{};
  std::array<std::int32_t, NucleusEntries> NucleusY{};
  std::array<double, NucleusEntries> NucleusAngle{};  // needle direction, cylindrites only

  toolkit::Picture FieldBitmap;

  std::int16_t Cell(int x, int y) const { return Grid[static_cast<std::size_t>(x) * GridSide + y]; }
  // Every cell with x and y in 0..FieldSize, both ends included, back to amorphous.
  void ClearGrid();
  // The number of crystallised cells of the FieldSize x FieldSize field.
  std::int64_t CountCrystallised() const;
};

}  // namespace polycryst::sim
