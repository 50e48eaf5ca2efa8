#pragma once
// The two plots of the Analysis page, drawn through a Canvas from the slot store.
//
// Avrami plot: log10 t from -1 to 4 across W, log10(-ln(1 - X)) from -7 to 2 up H:
//   px = (log10 t + 1) W / 5,   py = H - (log10(-ln(1 - X)) + 7) H / 9.
// X and dX/dt plot: x = W t / PlotTimeSpan, yX = (1 - X / PlotXSpan) H,
//   yR = (1 - 0.01 rate / PlotRateSpan) H.
// Every coordinate is truncated toward zero.

#include "runs/slots.hpp"
#include "toolkit/canvas.hpp"

namespace polycryst::analysis {

struct AvramiPlot {
  int width = 250;
  int height = 450;
};

struct RatePlot {
  int width = 350;
  int height = 200;
  double timeSpan = 200.0;
  double rateSpan = 0.0016;
  double xSpan = 1.0;
};

inline constexpr toolkit::Rgb BandGrey{240, 240, 240};
inline constexpr toolkit::Rgb GridGrey{176, 176, 176};
inline constexpr toolkit::Rgb DottedGrey{144, 144, 144};
inline constexpr toolkit::Rgb SpheruliteBlue{0, 0, 255};
inline constexpr toolkit::Rgb CylindriteRed{255, 64, 64};
inline constexpr toolkit::Rgb SpheruliteRateBlue{110, 192, 255};
inline constexpr toolkit::Rgb CylindriteRateOrange{255, 192, 0};

// The whole Avrami plot; fits every slot that holds a run, shown or not, as it goes.
void DrawAvramiPlot(toolkit::Canvas& canvas, const AvramiPlot& plot, runs::SlotStore& store);
void DrawAvramiSlot(toolkit::Canvas& canvas, const AvramiPlot& plot, runs::SlotStore& store, int k);
// The vertical axis title, reading upwards from the bottom-left of its surface.
void DrawAvramiTitle(toolkit::Canvas& canvas, int surfaceHeight);

void DrawRatePlot(toolkit::Canvas& canvas, const RatePlot& plot, const runs::SlotStore& store);
void DrawRateSlot(toolkit::Canvas& canvas, const RatePlot& plot, const runs::SlotStore& store, int k);

}  // namespace polycryst::analysis
