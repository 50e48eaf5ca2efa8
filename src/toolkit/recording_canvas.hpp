#pragma once
// A canvas that keeps what was drawn, with the state each operation used: the
// headless backend paints into it, and tests read the drawing back.

#include <string>
#include <vector>

#include "toolkit/canvas.hpp"

namespace polycryst::toolkit {

struct DrawOp {
  enum class Type { Rectangle, Ellipse, Line, Text };
  Type type = Type::Line;
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;  // a line from (x1, y1) to (x2, y2); text at (x1, y1)
  std::string text;
  Rgb pen;
  PenStyle penStyle = PenStyle::Solid;
  Rgb brush;
  Font font;
};

class RecordingCanvas final : public Canvas {
 public:
  RecordingCanvas(int width, int height) : width_(width), height_(height) {}

  void Rectangle(int x1, int y1, int x2, int y2) override { Record(DrawOp::Type::Rectangle, x1, y1, x2, y2, {}); }
  void Ellipse(int x1, int y1, int x2, int y2) override { Record(DrawOp::Type::Ellipse, x1, y1, x2, y2, {}); }
  void TextOut(int x, int y, std::string_view text) override { Record(DrawOp::Type::Text, x, y, x, y, text); }
  int Width() const override { return width_; }
  int Height() const override { return height_; }

  std::vector<DrawOp> ops;

 protected:
  void Line(int x0, int y0, int x1, int y1) override { Record(DrawOp::Type::Line, x0, y0, x1, y1, {}); }

 private:
  void Record(DrawOp::Type type, int x1, int y1, int x2, int y2, std::string_view text) {
    ops.push_back({type, x1, y1, x2, y2, std::string(text), penColour, penStyle, brushColour, font});
  }
  int width_;
  int height_;
};

}  // namespace polycryst::toolkit
