#pragma once
// A canvas that draws into a Picture, pixel by pixel, with the semantics of Canvas.
// It has no glyphs: TextOut fills the text's box with the brush only, so it suits
// images that show lines and areas (the live graph), not text.

#include "toolkit/canvas.hpp"
#include "toolkit/picture.hpp"

namespace polycryst::toolkit {

class PictureCanvas final : public Canvas {
 public:
  explicit PictureCanvas(Picture& picture) : picture_(picture) {}

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, std::string_view text) override;
  int Width() const override { return picture_.Width(); }
  int Height() const override { return picture_.Height(); }

 protected:
  void Line(int x0, int y0, int x1, int y1) override;

 private:
  void Plot(int x, int y, Rgb c);
  void FillSpan(int x0, int x1, int y, Rgb c);
  Picture& picture_;
};

}  // namespace polycryst::toolkit
