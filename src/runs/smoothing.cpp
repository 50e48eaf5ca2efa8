#include "runs/smoothing.hpp"

#include <algorithm>
#include <array>

namespace polycryst::runs {

namespace {

constexpr int SmoothBufferSize = 5000;

template <int M>
void SmoothCubic(std::span<double> values, int first, int last, const std::array<double, M + 1>& w,
                 double inverseDivisor) {
  // A caller's bad range must not read or write outside the row or the buffer.
  first = std::max(first, 0);
  last = std::min({last, static_cast<int>(values.size()) - 1, SmoothBufferSize - 1});
  if (last - first < 2 * M) return;

  std::array<double, SmoothBufferSize> y;
  std::copy(values.begin() + first, values.begin() + last + 1, y.begin() + first);
  for (int q = first + M; q <= last - M; ++q) {
    double s = w[0] * y[q];
    for (int i = 1; i <= M; ++i) s = (y[q - i] + y[q + i]) * w[i] + s;
    values[q] = s * inverseDivisor;
  }
}

constexpr std::array<double, 7> Weights13{25, 24, 21, 16, 9, 0, -11};
constexpr std::array<double, 4> Weights7{7, 6, 3, -2};

}  // namespace

void Smooth13(std::span<double> values, int first, int last) {
  SmoothCubic<6>(values, first, last, Weights13, 1.0 / 143.0);
}

void Smooth7(std::span<double> values, int first, int last) {
  SmoothCubic<3>(values, first, last, Weights7, 1.0 / 21.0);
}

void SmoothRun(SlotStore& store, int k) {
  if (!IsSlotNumber(k) || store.SlotNuclei[k] == 0) return;
  const int n = std::clamp(store.StepIndex, 0, MaxStepLimit);
  store.SlotSteps[k] = n;
  store.SlotPeakRate[k] = 0.0;

  SeriesRow& smooth = store.SlotRateSmooth[k];
  for (int i = 1; i <= n; ++i) smooth[i] = store.SlotRate[k][i];
  Smooth13(smooth, 1, n);
  Smooth7(smooth, 1, n);

  if (store.SlotMode[k] == static_cast<std::int32_t>(SlotMode::Spherulite)) {
    for (int i = 1; i <= n; ++i) {
      if (smooth[i] > store.SlotPeakRate[k]) {
        store.SlotPeakRate[k] = smooth[i];
        store.SlotPeakStep[k] = i;
      }
    }
  }
  // The maximum counts only if the curve has clearly come down from it.
  if (smooth[n] * 1.2 > store.SlotPeakRate[k]) {
    store.SlotPeakRate[k] = 0.0;
    store.SlotPeakStep[k] = 0;
  }
}

}  // namespace polycryst::runs
