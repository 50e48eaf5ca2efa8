#pragma once
// The texts of the summary table: one row per slot, the run's conditions, its end
// time, the time and crystallinity at the rate maximum, the Avrami n and log K, and
// the nucleus density recomputed from K.

#include <array>
#include <string>
#include <string_view>

#include "runs/slots.hpp"

namespace polycryst::analysis {

inline constexpr int SummaryColumns = 12;
using SummaryRow = std::array<std::string, SummaryColumns>;

inline constexpr std::array<std::string_view, SummaryColumns> SummaryHeader{
    "Nr", "Field", "Mode", "Nuclei", "Ht", "ND", "Tend", "t*", "X*", "n", "Log(K)", "ND(exp)"};

// Row k (1..8) as the table shows it: the slot number, and for a slot that holds a run
// its conditions and results; n, Log(K) and ND(exp) only when the fit gave n > 0.
SummaryRow SummaryRowText(const runs::SlotStore& store, int k);

}  // namespace polycryst::analysis
