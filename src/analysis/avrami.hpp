#pragma once
// The Avrami fit of a stored run.
//
// With X = 1 - exp(-K t^n), log10(-ln(1 - X)) = n log10(t) + log10(K): a least-squares
// straight line through the points (log10 t_i, log10(-ln(1 - X_i))) of the steps
// i = 1..SlotSteps whose X lies in [FitLowerLimit, FitUpperLimit] gives
//   n      = (m Sxy - Sx Sy) / D
//   log K  = (Sxx Sy - Sxy Sx) / D,   D = m Sxx - Sx^2
// and the sentinel -9999 for both when fewer than two steps are taken.

#include "runs/slots.hpp"

namespace polycryst::analysis {

inline constexpr double NoFit = -9999.0;

void FitAvramiSlot(runs::SlotStore& store, int k);

}  // namespace polycryst::analysis
