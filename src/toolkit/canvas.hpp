#pragma once
// Drawing on a surface, as the plots and the live graph do it.
//
//   Rectangle(x1, y1, x2, y2)  fills x1..x2-1 by y1..y2-1 with the brush and outlines
//                              that area with the pen, inside it (one pixel wide);
//   Ellipse(x1, y1, x2, y2)    the ellipse inscribed in the same area, filled and outlined;
//   MoveTo / LineTo            a one-pixel line from the pen position to the point, the
//                              end point itself not drawn; the pen then stands there;
//   TextOut(x, y, text)        text in the font with its top-left corner at (x, y), on a
//                              box of the brush colour; a font rotated by 90 degrees runs
//                              upwards from (x, y), which is then its bottom-left corner.
// Everything is clipped at the surface's edges.

#include <string>
#include <string_view>

#include "toolkit/colour.hpp"
#include "toolkit/font.hpp"

namespace polycryst::toolkit {

enum class PenStyle { Solid, Dot, DashDot };

class Canvas {
 public:
  virtual ~Canvas() = default;

  Rgb penColour = Black;
  PenStyle penStyle = PenStyle::Solid;
  Rgb brushColour = White;
  Font font;

  void MoveTo(int x, int y) {
    penX_ = x;
    penY_ = y;
  }
  void LineTo(int x, int y) {
    Line(penX_, penY_, x, y);
    penX_ = x;
    penY_ = y;
  }
  int PenX() const { return penX_; }
  int PenY() const { return penY_; }

  virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
  virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  virtual int Width() const = 0;
  virtual int Height() const = 0;

 protected:
  // From (x0, y0) towards (x1, y1), without (x1, y1).
  virtual void Line(int x0, int y0, int x1, int y1) = 0;

 private:
  int penX_ = 0;
  int penY_ = 0;
};

// The pixels of a pen style along a line: pixel i of a line is drawn when On(style, i).
// Dots are one on, one off; dash-dot is 6 on, 3 off, 1 on, 3 off.
bool PenPatternOn(PenStyle style, int i);

// Bresenham's line from (x0, y0) towards (x1, y1), the end point excluded: plot(x, y, i)
// for each pixel, i counting from 0. Every backend rasterises lines with it, so all
// give the same pixels.
template <class Plot>
void ForEachLinePixel(int x0, int y0, int x1, int y1, Plot&& plot) {
  const long long dx = x1 > x0 ? static_cast<long long>(x1) - x0 : static_cast<long long>(x0) - x1;
  const long long dy = y1 > y0 ? static_cast<long long>(y0) - y1 : static_cast<long long>(y1) - y0;  // -|dy|
  const int sx = x0 < x1 ? 1 : -1;
  const int sy = y0 < y1 ? 1 : -1;
  long long err = dx + dy;
  int x = x0;
  int y = y0;
  for (int i = 0; x != x1 || y != y1; ++i) {
    plot(x, y, i);
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
  }
}

}  // namespace polycryst::toolkit
