#include "toolkit/picture_canvas.hpp"

#include <algorithm>

namespace polycryst::toolkit {

void PictureCanvas::Plot(int x, int y, Rgb c) {
  if (x >= 0 && y >= 0 && x < picture_.Width() && y < picture_.Height()) picture_.SetPixel(x, y, c);
}

void PictureCanvas::FillSpan(int x0, int x1, int y, Rgb c) {
  if (y < 0 || y >= picture_.Height()) return;
  x0 = std::max(x0, 0);
  x1 = std::min(x1, picture_.Width() - 1);
  for (int x = x0; x <= x1; ++x) picture_.SetPixel(x, y, c);
}

void PictureCanvas::Line(int x0, int y0, int x1, int y1) {
  const Rgb c = penColour;
  const PenStyle style = penStyle;
  ForEachLinePixel(x0, y0, x1, y1, [&](int x, int y, int i) {
    if (PenPatternOn(style, i)) Plot(x, y, c);
  });
}

void PictureCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  for (int y = y1; y < y2; ++y) FillSpan(x1, x2 - 1, y, brushColour);
  FillSpan(x1, x2 - 1, y1, penColour);
  FillSpan(x1, x2 - 1, y2 - 1, penColour);
  for (int y = y1; y < y2; ++y) {
    Plot(x1, y, penColour);
    Plot(x2 - 1, y, penColour);
  }
}

void PictureCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  // Pixel centres inside the ellipse inscribed in x1..x2 by y1..y2 are filled; those
  // with a neighbour outside it form the outline.
  const double cx = (x1 + x2) / 2.0;
  const double cy = (y1 + y2) / 2.0;
  const double rx = (x2 - x1) / 2.0;
  const double ry = (y2 - y1) / 2.0;
  const auto inside = [&](int x, int y) {
    const double u = (x + 0.5 - cx) / rx;
    const double v = (y + 0.5 - cy) / ry;
    return u * u + v * v <= 1.0;
  };
  for (int y = y1; y < y2; ++y) {
    for (int x = x1; x < x2; ++x) {
      if (!inside(x, y)) continue;
      const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      Plot(x, y, edge ? penColour : brushColour);
    }
  }
}

void PictureCanvas::TextOut(int x, int y, std::string_view text) {
  // No glyphs here: the text's box, at a nominal half-height advance per character.
  const int w = static_cast<int>(text.size()) * std::max(font.height / 2, 1);
  for (int row = y; row < y + font.height; ++row) FillSpan(x, x + w - 1, row, brushColour);
}

}  // namespace polycryst::toolkit
