#pragma once
// The slot store: eight numbered run records with their time series, and the few
// scalars that describe the run in progress. Plain data shared by the simulation, the
// run control and the analysis; entry 0 of every per-slot array belongs to no slot.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace polycryst::runs {

inline constexpr int SlotCount = 8;
inline constexpr int SlotEntries = SlotCount + 1;
inline constexpr int MaxStepLimit = 2000;  // step limit of the largest field
inline constexpr int StepEntries = MaxStepLimit + 1;

inline constexpr double TimeUnit = 1.0;      // time of one growth step, and its growth in cells
inline constexpr std::int32_t FirstStep = 0;  // step index of a run's first sample

inline constexpr double DefaultFitUpperLimit = 0.99;
inline constexpr double MinFitUpperLimit = 0.9;
inline constexpr double MaxFitUpperLimit = 0.99999;

inline constexpr bool IsSlotNumber(int k) { return k >= 1 && k <= SlotCount; }

enum class SlotMode : std::int32_t { Spherulite = 1, Cylindrite = 2 };

// The state word of a run. None is the store before the window's start-up has run.
enum class StatusWord { None, Ready, Started, Halted, Resumed, Finished };

template <typename T>
using PerSlot = std::array<T, SlotEntries>;
using SeriesRow = std::array<double, StepEntries>;
using Series = std::array<SeriesRow, SlotEntries>;

struct SlotStore {
  // Per slot. A slot is empty when SlotNuclei is 0.
  PerSlot<std::int32_t> SlotNuclei{};
  PerSlot<std::int32_t> SlotMode{};    // 1 spherulite, 2 cylindrite
  PerSlot<std::int32_t> SlotHeight{};  // needle height, 0 for spherulites
  PerSlot<std::int32_t> SlotCells{};   // cells of the run's field: the denominator of X
  PerSlot<std::int32_t> SlotMaxSteps{};
  PerSlot<double> SlotShape{};         // pi for spherulites, 2 x height for cylindrites
  PerSlot<std::int32_t> SlotSteps{};   // steps recorded at the last halt or finish
  PerSlot<std::int32_t> SlotPeakStep{};  // 0: no accepted rate maximum
  PerSlot<double> SlotPeakRate{};
  PerSlot<std::int32_t> SlotShown{};   // 1: drawn in the analysis plots
  PerSlot<double> SlotAvramiN{};
  PerSlot<double> SlotLogK{};

  // Per slot and step.
  Series SlotX{};
  Series SlotRate{};
  Series SlotTime{};
  Series SlotRateSmooth{};

  // The run in progress.
  std::int32_t CurrentSlot = 1;
  std::int32_t StepIndex = 0;
  std::int32_t CrystalCount = 0;
  std::int32_t LastSlot = 0;
  StatusWord StatusText = StatusWord::None;
  double FitUpperLimit = 0.0;
  double FitLowerLimit = 0.0;
};

// Returns slot k to the empty state: steps 1..SlotMaxSteps[k] of the four series, the
// fit results, the peak step, the step count, the height and the nuclei. Conditions
// that the next run overwrites anyway (mode, cells, step limit, shape, peak rate) and
// the visibility flag stay. Does nothing for k outside 1..8.
void ClearSlot(SlotStore& store, int k);

// The smallest slot with no recorded steps, or 0 when all eight hold runs. This is the
// emptiness test of a run's end; elsewhere a slot is empty when it holds no nuclei.
int FirstFreeSlot(const SlotStore& store);

std::string_view StatusWordText(StatusWord word);

}  // namespace polycryst::runs
