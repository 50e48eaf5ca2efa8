#include "runs/status.hpp"

#include <cstdio>

namespace polycryst::runs {

toolkit::Rgb StatusWordColour(StatusWord word) {
  switch (word) {
    case StatusWord::Started: return StatusRed;
    case StatusWord::Halted: return StatusBlue;
    default: return StatusDarkGreen;
  }
}

std::string StatusWordCaption(StatusWord word) {
  std::string text(StatusWordText(word));
  text += '!';
  return text;
}

std::string StatusFigures(const SlotStore& store) {
  const int k = IsSlotNumber(store.CurrentSlot) ? store.CurrentSlot : 0;
  const int step = store.StepIndex >= 0 && store.StepIndex < StepEntries ? store.StepIndex : 0;
  const double time = store.SlotTime[k][step];
  const int cells = store.SlotCells[k];
  const double percent = cells != 0 ? store.CrystalCount * 100.0 / cells : 0.0;
  char line[128];
  std::snprintf(line, sizeof line, "time =%5.0f    count =%d    X =%8.4f%%", time, store.CrystalCount, percent);
  return line;
}

}  // namespace polycryst::runs
