#include "analysis/plots.hpp"

#include <cmath>
#include <string>

#include "analysis/avrami.hpp"

namespace polycryst::analysis {

namespace {

using toolkit::Canvas;
using toolkit::PenStyle;
using toolkit::Rgb;

constexpr Rgb Window = toolkit::WindowColour;

double Px(const AvramiPlot& p, double t) { return (std::log10(t) + 1) * p.width / 5; }
double Py(const AvramiPlot& p, double x) { return p.height - (std::log10(-std::log(1 - x)) + 7) * p.height / 9; }

int Trunc(double v) { return static_cast<int>(v); }

void Dot(Canvas& c, double px, double py) { c.Ellipse(Trunc(px - 2), Trunc(py - 2), Trunc(px + 2), Trunc(py + 2)); }

}  // namespace

void DrawAvramiPlot(Canvas& c, const AvramiPlot& p, runs::SlotStore& store) {
  const int w = p.width;
  const int h = p.height;
  c.brushColour = Window;
  c.penColour = toolkit::Black;
  c.penStyle = PenStyle::Solid;
  c.Rectangle(0, 0, w, h - 1);

  c.brushColour = BandGrey;
  c.penColour = BandGrey;
  c.Rectangle(1, 1, w - 1, Trunc(Py(p, store.FitUpperLimit)));

  c.penColour = GridGrey;
  for (int i = 1; i <= 4; ++i) {
    c.MoveTo((w / 5) * i, 0);
    c.LineTo((w / 5) * i, h);
  }
  for (int j = 1; j <= 8; ++j) {
    c.MoveTo(0, (h / 9) * j);
    c.LineTo(w, (h / 9) * j);
  }
  const auto tick = [&](double x) {
    const int y = Trunc(Py(p, x));
    c.MoveTo(w, y);
    c.LineTo(w - 10, y);
  };
  for (int q = 10; q <= 90; q += 10) tick(1 - q * 0.01);
  for (double x : {0.05, 0.95, 0.99, 0.999, 0.9999, 0.99999}) tick(x);

  c.penStyle = PenStyle::Dot;
  const int yStar = Trunc(Py(p, 1 - 0.606531));
  c.MoveTo(w, yStar);
  c.LineTo(0, yStar);
  c.penStyle = PenStyle::Solid;

  for (int k = 1; k <= runs::SlotCount; ++k) DrawAvramiSlot(c, p, store, k);
}

void DrawAvramiTitle(Canvas& c, int surfaceHeight) {
  c.brushColour = Window;
  c.font = toolkit::Font{"Arial", 16, false, std::nullopt, 90};
  c.TextOut(0, surfaceHeight, "Log ( -Ln [ 1 - X ] )");
}

void DrawAvramiSlot(Canvas& c, const AvramiPlot& p, runs::SlotStore& store, int k) {
  if (store.SlotNuclei[k] == 0) return;
  const bool spherulite = store.SlotMode[k] == static_cast<std::int32_t>(runs::SlotMode::Spherulite);
  const Rgb colour = spherulite ? SpheruliteBlue : CylindriteRed;
  bool dotted = false;
  double lastX = 0;
  double lastY = 0;
  if (store.SlotShown[k] == 1) {
    for (int i = 1; i <= store.SlotSteps[k]; ++i) {
      c.penColour = colour;
      c.brushColour = colour;
      const double x = store.SlotX[k][i];
      if (x <= 0 || x >= 1) continue;
      lastX = Px(p, store.SlotTime[k][i]);
      lastY = Py(p, x);
      Dot(c, lastX, lastY);
      dotted = true;
    }
  }
  if (dotted) {
    c.penColour = toolkit::Black;
    c.brushColour = Window;
    c.TextOut(Trunc(lastX), Trunc(lastY - 15), std::to_string(k));
  }
  const int peak = store.SlotPeakStep[k];
  if (peak > 0 && store.SlotShown[k] == 1 && spherulite) {
    c.brushColour = Window;
    c.penColour = SpheruliteBlue;
    Dot(c, Px(p, store.SlotTime[k][peak]), Py(p, store.SlotX[k][peak]));
  }
  FitAvramiSlot(store, k);
}

void DrawRatePlot(Canvas& c, const RatePlot& p, const runs::SlotStore& store) {
  c.penColour = toolkit::Black;
  c.penStyle = PenStyle::Solid;
  c.brushColour = Window;
  c.Rectangle(0, 0, p.width, p.height);
  c.penColour = DottedGrey;
  c.penStyle = PenStyle::Dot;
  const int y = Trunc(p.height * 0.6065307);
  c.MoveTo(0, y);
  c.LineTo(p.width, y);
  c.penStyle = PenStyle::Solid;
  for (int k = 1; k <= runs::SlotCount; ++k) {
    if (store.SlotShown[k] == 1) DrawRateSlot(c, p, store, k);
  }
}

void DrawRateSlot(Canvas& c, const RatePlot& p, const runs::SlotStore& store, int k) {
  const double w = p.width;
  const double h = p.height;
  const auto& time = store.SlotTime[k];
  const auto& xs = store.SlotX[k];
  const auto& rates = store.SlotRateSmooth[k];
  const auto px = [&](int i) { return Trunc(w * time[i] / p.timeSpan); };
  const auto pyX = [&](int i) { return Trunc((1 - xs[i] / p.xSpan) * h); };
  const auto pyR = [&](int i) { return Trunc((1 - 0.01 * rates[i] / p.rateSpan) * h); };
  const bool spherulite = store.SlotMode[k] == static_cast<std::int32_t>(runs::SlotMode::Spherulite);
  const int steps = store.SlotSteps[k];

  c.penColour = spherulite ? SpheruliteBlue : CylindriteRed;
  for (int i = 1; i <= steps - 1; ++i) {
    if (i == 1) {
      c.MoveTo(px(i), pyX(i));
    } else if (px(i) <= w) {
      c.LineTo(px(i), pyX(i));
    }
  }

  int i = 0;
  while (!(xs[i] >= 0.9 || i >= 0.9 * p.timeSpan || i >= steps)) ++i;
  const int lx = Trunc(time[i] * w / p.timeSpan);
  const int ly = Trunc(h * (1 - xs[i]));
  c.penColour = toolkit::Black;
  c.penStyle = PenStyle::Solid;
  c.TextOut(lx + 1, ly + 1, std::to_string(k));

  c.penColour = spherulite ? SpheruliteRateBlue : CylindriteRateOrange;
  const int peak = store.SlotPeakStep[k];
  if (spherulite) {
    c.brushColour = SpheruliteBlue;
    c.Ellipse(px(peak) - 2, pyX(peak) - 2, px(peak) + 2, pyX(peak) + 2);
  }
  for (int j = 1; j <= steps - 1; ++j) {
    if (j == 1) {
      c.MoveTo(px(j), pyR(j));
    } else if (px(j) <= w && pyR(j) < h - 1) {
      c.LineTo(px(j), pyR(j));
    }
  }
  if (spherulite) {
    c.brushColour = SpheruliteBlue;
    c.Ellipse(px(peak) - 2, pyR(peak) - 2, px(peak) + 2, pyR(peak) + 2);
  }
  c.penStyle = PenStyle::DashDot;
  c.penColour = toolkit::Black;
  c.brushColour = Window;
  c.MoveTo(px(peak), p.height);
  c.LineTo(px(peak), pyR(peak));
  c.LineTo(px(peak), pyX(peak));
  c.penStyle = PenStyle::Solid;
}

}  // namespace polycryst::analysis
