#pragma once
// The command line of polycryst-batch.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "runs/slots.hpp"
#include "sim/field.hpp"

namespace polycryst::batch {

struct RunSpec {
  runs::SlotMode mode = runs::SlotMode::Spherulite;
  int nuclei = 25;
  int height = 0;      // cylindrites only
  int fieldScale = 2;  // 1, 2 or 4: the field in force when the run starts
  sim::Plate plate = sim::Plate::Off;
  friend bool operator==(const RunSpec&, const RunSpec&) = default;
};

struct BatchOptions {
  std::vector<RunSpec> runs;  // the default batch, one spherulite:25 run, when none is given
  double fitLimit = runs::DefaultFitUpperLimit;
  std::optional<std::string> seriesPath;
  std::optional<std::string> imagePrefix;
  bool help = false;
};

struct ParseResult {
  std::optional<BatchOptions> options;  // empty when an argument is bad
  std::string error;                    // one line naming the argument and what is allowed
};

// Checks every argument before anything runs. args excludes the program name.
ParseResult ParseArguments(std::span<const std::string_view> args);

std::string_view UsageText();

}  // namespace polycryst::batch
