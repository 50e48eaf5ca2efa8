// QtCanvas against the drawing rules of Canvas, read back from the pixels of a QImage,
// and against PictureCanvas, which must give the same pixels for lines and rectangles.

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <functional>
#include <string>

#include "toolkit/picture.hpp"
#include "toolkit/picture_canvas.hpp"
#include "toolkit/qt/qt_canvas.hpp"

namespace polycryst::toolkit {
namespace {

constexpr Rgb Red{255, 0, 0};
constexpr Rgb Blue{0, 0, 255};
constexpr Rgb Green{0, 160, 0};

using Drawing = std::function<void(Canvas&)>;

// A white image of imageW x imageH with a canvas of w x h over its top-left corner.
QImage DrawQt(int w, int h, const Drawing& draw, int imageW = 0, int imageH = 0) {
  QImage image(imageW > 0 ? imageW : w, imageH > 0 ? imageH : h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  qt::QtCanvas canvas(painter, w, h);
  draw(canvas);
  return image;
}

Picture DrawPicture(int w, int h, const Drawing& draw) {
  Picture picture(w, h, White);
  PictureCanvas canvas(picture);
  draw(canvas);
  return picture;
}

Rgb At(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)), static_cast<std::uint8_t>(qBlue(p))};
}

// The first pixel where the two differ, or "" when they are equal.
std::string Difference(const QImage& image, const Picture& picture) {
  if (image.width() != picture.Width() || image.height() != picture.Height()) return "sizes differ";
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      if (At(image, x, y) != picture.Pixel(x, y)) return "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ")";
    }
  }
  return "";
}

// A row of pixels as '#' (pen) and '.' (untouched).
std::string Row(const QImage& image, int y, int from, int to) {
  std::string row;
  for (int x = from; x < to; ++x) row += At(image, x, y) == White ? '.' : '#';
  return row;
}

TEST(QtCanvas, RectangleFillsWithTheBrushAndOutlinesInsideItsArea) {
  const QImage image = DrawQt(12, 12, [](Canvas& c) {
    c.penColour = Red;
    c.brushColour = Blue;
    c.Rectangle(2, 3, 7, 9);
  });
  struct Case {
    int x, y;
    Rgb expected;
  };
  for (const Case& k : {Case{2, 3, Red}, Case{6, 3, Red}, Case{2, 8, Red}, Case{6, 8, Red}, Case{4, 3, Red},
                        Case{2, 5, Red}, Case{3, 4, Blue}, Case{5, 7, Blue}, Case{7, 3, White}, Case{2, 9, White},
                        Case{1, 5, White}, Case{4, 2, White}}) {
    EXPECT_EQ(At(image, k.x, k.y), k.expected) << "(" << k.x << ", " << k.y << ")";
  }
}

TEST(QtCanvas, EmptyRectangleDrawsNothing) {
  for (const auto& box : {QRect(5, 5, 0, 4), QRect(5, 5, 4, 0)}) {
    const QImage image = DrawQt(12, 12, [&](Canvas& c) { c.Rectangle(box.x(), box.y(), box.x() + box.width(), box.y() + box.height()); });
    QImage white(12, 12, QImage::Format_RGB32);
    white.fill(Qt::white);
    EXPECT_EQ(image, white) << box.width() << " x " << box.height();
  }
}

TEST(QtCanvas, LineLeavesOutItsEndPointAndFollowsThePenPattern) {
  struct Case {
    PenStyle style;
    int length;
    std::string expected;
  };
  const Case cases[] = {
      {PenStyle::Solid, 5, "#####."},
      {PenStyle::Dot, 9, "#.#.#.#.#."},
      {PenStyle::DashDot, 27, "######...#...######...#...#."},
  };
  for (const Case& k : cases) {
    const QImage image = DrawQt(32, 3, [&](Canvas& c) {
      c.penStyle = k.style;
      c.MoveTo(1, 1);
      c.LineTo(1 + k.length, 1);
    });
    EXPECT_EQ(Row(image, 1, 1, 2 + k.length), k.expected) << k.length;
    EXPECT_EQ(Row(image, 0, 0, 32), std::string(32, '.'));
  }
}

TEST(QtCanvas, LinesAndRectanglesEqualPictureCanvasPixelForPixel) {
  struct Case {
    const char* what;
    Drawing draw;
  };
  const auto line = [](int x0, int y0, int x1, int y1, PenStyle style = PenStyle::Solid) {
    return [=](Canvas& c) {
      c.penColour = Red;
      c.penStyle = style;
      c.MoveTo(x0, y0);
      c.LineTo(x1, y1);
    };
  };
  const Case cases[] = {
      {"shallow", line(1, 2, 17, 9)},
      {"steep", line(3, 1, 8, 18)},
      {"backwards", line(18, 17, 2, 4)},
      {"diagonal", line(0, 19, 19, 0)},
      {"dotted", line(0, 5, 19, 14, PenStyle::Dot)},
      {"dash-dot", line(19, 1, 0, 18, PenStyle::DashDot)},
      {"leaving the surface", line(-7, -3, 25, 12)},
      {"outside the surface", line(-5, -5, 30, -1)},
      {"one pixel", line(4, 4, 5, 4)},
      {"no pixel", line(4, 4, 4, 4)},
      {"rectangle", [](Canvas& c) {
         c.penColour = Red;
         c.brushColour = Blue;
         c.Rectangle(3, 2, 15, 11);
       }},
      {"rectangle with swapped corners", [](Canvas& c) {
         c.penColour = Red;
         c.brushColour = Blue;
         c.Rectangle(15, 11, 3, 2);
       }},
      {"rectangle over the edges", [](Canvas& c) {
         c.penColour = Red;
         c.brushColour = Green;
         c.Rectangle(-4, 12, 26, 25);
       }},
      {"a polyline", [](Canvas& c) {
         c.penColour = Blue;
         c.MoveTo(0, 10);
         for (int x = 2; x <= 20; x += 2) c.LineTo(x, 10 + ((x / 2) % 3) * 3 - 3);
       }},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(Difference(DrawQt(20, 20, k.draw), DrawPicture(20, 20, k.draw)), "") << k.what;
  }
}

TEST(QtCanvas, EllipseStaysInsideItsBox) {
  const QImage image = DrawQt(16, 14, [](Canvas& c) {
    c.penColour = Red;
    c.brushColour = Blue;
    c.Ellipse(2, 2, 12, 10);
  });
  bool top = false, bottom = false, left = false, right = false;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool inside = x >= 2 && x < 12 && y >= 2 && y < 10;
      if (!inside) {
        EXPECT_EQ(At(image, x, y), White) << "(" << x << ", " << y << ")";
        continue;
      }
      const bool pen = At(image, x, y) == Red;
      top |= pen && y == 2;
      bottom |= pen && y == 9;
      left |= pen && x == 2;
      right |= pen && x == 11;
    }
  }
  EXPECT_TRUE(top && bottom && left && right) << "the outline touches all four sides of the box";
  EXPECT_EQ(At(image, 7, 6), Blue);
}

TEST(QtCanvas, TextSitsOnABrushBoxFromItsCorner) {
  struct Case {
    int rotation;
    const char* what;
  };
  for (const Case& k : {Case{0, "across"}, Case{90, "upwards"}}) {
    Font font;
    font.height = 14;
    font.rotation = k.rotation;
    const QFontMetrics metrics(qt::ToQFont(font));
    const int length = metrics.horizontalAdvance("Hig");
    const int thickness = metrics.height();
    const int x = 6;
    const int y = k.rotation == 0 ? 5 : 5 + length;
    // Across: x..x+length by y..y+thickness; upwards: x..x+thickness by y-length..y.
    const QRect box = k.rotation == 0 ? QRect(x, y, length, thickness) : QRect(x, y - length, thickness, length);

    const QImage image = DrawQt(box.right() + 6, box.bottom() + 6, [&](Canvas& c) {
      c.brushColour = Green;
      c.font = font;
      c.TextOut(x, y, "Hig");
    });
    int ink = 0;
    for (int py = 0; py < image.height(); ++py) {
      for (int px = 0; px < image.width(); ++px) {
        const Rgb p = At(image, px, py);
        if (!box.contains(px, py)) {
          ASSERT_EQ(p, White) << k.what << " (" << px << ", " << py << ")";
        } else if (p != Green) {
          ++ink;
        }
      }
    }
    EXPECT_GT(ink, 10) << k.what;
    for (int px = box.left(); px <= box.right(); ++px) {
      EXPECT_EQ(At(image, px, box.top()), Green) << k.what << ": the box is filled to its edge";
    }
  }
}

TEST(QtCanvas, NothingReachesBeyondTheSurface) {
  // A 10 x 10 surface over a larger image: whatever is drawn, the rest stays white.
  const QImage image = DrawQt(
      10, 10,
      [](Canvas& c) {
        c.penColour = Red;
        c.brushColour = Blue;
        c.Rectangle(-1000000, -5, 1000000, 30);
        c.Ellipse(5, 5, 40, 40);
        c.MoveTo(-100000, 15);
        c.LineTo(100000, 3);
        c.TextOut(8, 8, "clipped text");
        c.font.rotation = 90;
        c.TextOut(-3, 200, "upwards");
      },
      30, 30);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      if (x >= 10 || y >= 10) {
        ASSERT_EQ(At(image, x, y), White) << "(" << x << ", " << y << ")";
      }
    }
  }
  EXPECT_EQ(At(image, 0, 0), Blue) << "the surface itself is drawn on";
}

}  // namespace
}  // namespace polycryst::toolkit
