#pragma once
// Smoothing of the recorded rate dX/dt and its maximum.
//
// Smooth13 and Smooth7 are the symmetric cubic least-squares (Savitzky-Golay) filters
// of 13 and 7 points:
//   y'[q] = (w0 y[q] + sum_{i=1..m} w_i (y[q-i] + y[q+i])) / D
//   Smooth7:  m = 3, w_i = 7 - i^2   (7, 6, 3, -2),                D = 21
//   Smooth13: m = 6, w_i = 25 - i^2  (25, 24, 21, 16, 9, 0, -11),  D = 143
// applied for q = first+m .. last-m from a copy of the input, so the result does not
// depend on the order of the centres; the m entries at each end keep their values.
// Polynomials of degree 3 or less pass unchanged (up to rounding).

#include <span>

#include "runs/slots.hpp"

namespace polycryst::runs {

void Smooth13(std::span<double> values, int first, int last);
void Smooth7(std::span<double> values, int first, int last);

// At a halt or the end of slot k's run: SlotSteps = StepIndex, the raw rates of steps
// 1..n smoothed by Smooth13 then Smooth7 into SlotRateSmooth, and for spherulites the
// first strict maximum of the smoothed row. The maximum is kept only when the rate at
// the last step has come down below 1/1.2 of it. Nothing happens for a slot without
// nuclei.
void SmoothRun(SlotStore& store, int k);

}  // namespace polycryst::runs
