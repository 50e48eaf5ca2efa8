#include "toolkit/qt/qt_canvas.hpp"

#include <utility>

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>

namespace polycryst::toolkit::qt {

QColor ToQColor(Rgb colour) { return QColor(colour.r, colour.g, colour.b); }

QFont ToQFont(const Font& font) {
  QFont result(QString::fromStdString(font.face));
  result.setPixelSize(font.height > 0 ? font.height : 1);
  result.setBold(font.bold);
  return result;
}

QtCanvas::QtCanvas(QPainter& painter, int width, int height) : painter_(painter), width_(width), height_(height) {
  painter_.save();
  // Pixels must match PictureCanvas: no blending at the edges.
  painter_.setRenderHint(QPainter::Antialiasing, false);
  painter_.setRenderHint(QPainter::TextAntialiasing, true);
  painter_.setClipRect(QRect(0, 0, width_, height_), Qt::IntersectClip);
}

QtCanvas::~QtCanvas() { painter_.restore(); }

void QtCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  const int w = x2 - x1;
  const int h = y2 - y1;
  if (w < 1 || h < 1) return;
  painter_.fillRect(QRect(x1, y1, w, h), ToQColor(brushColour));
  // The outline as four one-pixel strips: exactly the area's border pixels, whatever
  // the paint engine's rules for stroking a rectangle.
  const QColor pen = ToQColor(penColour);
  painter_.fillRect(QRect(x1, y1, w, 1), pen);
  painter_.fillRect(QRect(x1, y2 - 1, w, 1), pen);
  painter_.fillRect(QRect(x1, y1, 1, h), pen);
  painter_.fillRect(QRect(x2 - 1, y1, 1, h), pen);
}

void QtCanvas::Ellipse(int x1, int y1, int x2, int y2) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  painter_.setPen(QPen(ToQColor(penColour), 1));
  painter_.setBrush(ToQColor(brushColour));
  // A stroked rectangle grows by the pen width: this box covers x1..x2-1 by y1..y2-1.
  painter_.drawEllipse(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

void QtCanvas::Line(int x0, int y0, int x1, int y1) {
  const PenStyle style = penStyle;
  points_.clear();
  ForEachLinePixel(x0, y0, x1, y1, [&](int x, int y, int i) {
    if (PenPatternOn(style, i) && x >= 0 && y >= 0 && x < width_ && y < height_) points_.emplace_back(x, y);
  });
  if (points_.empty()) return;
  painter_.setPen(QPen(ToQColor(penColour), 1));
  painter_.drawPoints(points_.data(), static_cast<int>(points_.size()));
}

void QtCanvas::TextOut(int x, int y, std::string_view text) {
  const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  const QFont qfont = ToQFont(font);
  const QFontMetrics metrics(qfont);
  const QRect box(0, 0, metrics.horizontalAdvance(s), metrics.height());
  painter_.save();
  painter_.translate(x, y);
  // Counter-clockwise on the screen, whose y axis points down: a quarter turn makes
  // the text run upwards from (x, y).
  if (font.rotation != 0) painter_.rotate(-font.rotation);
  painter_.fillRect(box, ToQColor(brushColour));
  painter_.setFont(qfont);
  painter_.setPen(ToQColor(font.Colour()));
  painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip, s);
  painter_.restore();
}

}  // namespace polycryst::toolkit::qt
