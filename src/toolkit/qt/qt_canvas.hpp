#pragma once
// The canvas of a paint box: Canvas over a QPainter. Lines go through the shared
// rasteriser, so a paint box and a Picture drawn alike hold the same pixels.

#include <string_view>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPoint>

#include "toolkit/canvas.hpp"

class QPainter;

namespace polycryst::toolkit::qt {

QColor ToQColor(Rgb colour);
// The face with fontconfig's substitutes (Arial -> Liberation Sans), at a pixel height.
QFont ToQFont(const Font& font);

class QtCanvas final : public Canvas {
 public:
  // Draws on painter's device from (0, 0) to (width, height), clipped there. The
  // painter's state is restored when the canvas goes.
  QtCanvas(QPainter& painter, int width, int height);
  ~QtCanvas() override;
  QtCanvas(const QtCanvas&) = delete;
  QtCanvas& operator=(const QtCanvas&) = delete;

  void Rectangle(int x1, int y1, int x2, int y2) override;
  void Ellipse(int x1, int y1, int x2, int y2) override;
  void TextOut(int x, int y, std::string_view text) override;
  int Width() const override { return width_; }
  int Height() const override { return height_; }

 protected:
  void Line(int x0, int y0, int x1, int y1) override;

 private:
  QPainter& painter_;
  int width_;
  int height_;
  std::vector<QPoint> points_;  // kept: a plot draws thousands of short lines
};

}  // namespace polycryst::toolkit::qt
