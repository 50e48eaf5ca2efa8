#include "analysis/avrami.hpp"

#include <algorithm>
#include <cmath>

namespace polycryst::analysis {

void FitAvramiSlot(runs::SlotStore& store, int k) {
  if (!runs::IsSlotNumber(k)) return;
  int m = 0;
  double sx = 0.0;
  double sy = 0.0;
  double sxx = 0.0;
  double sxy = 0.0;
  const int steps = std::clamp(store.SlotSteps[k], 0, runs::MaxStepLimit);
  for (int i = 1; i <= steps; ++i) {
    const double xi = store.SlotX[k][i];
    if (xi < store.FitLowerLimit || xi > store.FitUpperLimit) continue;
    ++m;
    const double x = std::log10(store.SlotTime[k][i]);
    const double y = std::log10(-std::log(1 - xi));
    sx += x;
    sxx += x * x;
    sy += y;
    sxy += x * y;
  }
  if (m < 2) {
    store.SlotAvramiN[k] = NoFit;
    store.SlotLogK[k] = NoFit;
    return;
  }
  const double d = m * sxx - sx * sx;
  store.SlotAvramiN[k] = (m * sxy - sx * sy) / d;
  store.SlotLogK[k] = (sxx * sy - sxy * sx) / d;
}

}  // namespace polycryst::analysis
