#include "toolkit/canvas.hpp"

namespace polycryst::toolkit {

bool PenPatternOn(PenStyle style, int i) {
  switch (style) {
    case PenStyle::Solid: return true;
    case PenStyle::Dot: return i % 2 == 0;
    case PenStyle::DashDot: {
      const int phase = i % 13;
      return phase < 6 || phase == 9;
    }
  }
  return true;
}

}  // namespace polycryst::toolkit
