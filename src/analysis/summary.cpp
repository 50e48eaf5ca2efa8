#include "analysis/summary.hpp"

#include <algorithm>
#include <cmath>

#include "toolkit/format.hpp"

namespace polycryst::analysis {

using toolkit::FormatPicture;

SummaryRow SummaryRowText(const runs::SlotStore& store, int k) {
  SummaryRow row;
  row[0] = std::to_string(k);
  if (!runs::IsSlotNumber(k) || store.SlotNuclei[k] <= 0) return row;

  const double cells = store.SlotCells[k];
  row[1] = FormatPicture(" #k", store.SlotCells[k] / 1000);
  row[2] = store.SlotMode[k] == static_cast<std::int32_t>(runs::SlotMode::Spherulite) ? "Spher." : "Cylind.";
  row[3] = FormatPicture(" ##", store.SlotNuclei[k]);
  row[4] = FormatPicture("###.", store.SlotHeight[k]);
  row[5] = FormatPicture(" #.###E+", store.SlotNuclei[k] / cells);
  row[6] = FormatPicture(store.SlotSteps[k] < store.SlotMaxSteps[k] ? " ##.####" : ">##.####",
                         store.SlotSteps[k] * runs::TimeUnit);
  const int peak = std::clamp(store.SlotPeakStep[k], 0, runs::MaxStepLimit);
  row[7] = FormatPicture(" ##.####", store.SlotPeakStep[k] * runs::TimeUnit);
  row[8] = FormatPicture(" ##.####", store.SlotX[k][peak]);
  if (store.SlotAvramiN[k] > 0) {
    row[9] = FormatPicture(" ##.####", store.SlotAvramiN[k]);
    row[10] = FormatPicture(" ##.####", store.SlotLogK[k]);
    row[11] = FormatPicture(" #.###E+", std::pow(10.0, store.SlotLogK[k]) / store.SlotShape[k]);
  }
  return row;
}

}  // namespace polycryst::analysis
