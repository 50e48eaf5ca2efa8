#include "runs/slots.hpp"

#include <algorithm>

namespace polycryst::runs {

void ClearSlot(SlotStore& store, int k) {
  if (!IsSlotNumber(k)) return;
  const int last = std::clamp(store.SlotMaxSteps[k], 0, MaxStepLimit);
  for (int i = 1; i <= last; ++i) {
    store.SlotTime[k][i] = 0.0;
    store.SlotRate[k][i] = 0.0;
    store.SlotRateSmooth[k][i] = 0.0;
    store.SlotX[k][i] = 0.0;
  }
  store.SlotAvramiN[k] = 0.0;
  store.SlotLogK[k] = 0.0;
  store.SlotPeakStep[k] = 0;
  store.SlotSteps[k] = 0;
  store.SlotHeight[k] = 0;
  store.SlotNuclei[k] = 0;
}

int FirstFreeSlot(const SlotStore& store) {
  for (int s = 1; s <= SlotCount; ++s) {
    if (store.SlotSteps[s] == 0) return s;
  }
  return 0;
}

std::string_view StatusWordText(StatusWord word) {
  switch (word) {
    case StatusWord::Ready: return "Ready";
    case StatusWord::Started: return "Started";
    case StatusWord::Halted: return "Halted";
    case StatusWord::Resumed: return "resumed";
    case StatusWord::Finished: return "Finished";
    case StatusWord::None: break;
  }
  return "";
}

}  // namespace polycryst::runs
