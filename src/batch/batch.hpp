#pragma once
// The runs of polycryst-batch, exactly as the window gives them when the same runs are
// started one after another from program start: one generator seeded with 1 once, each
// run into the next free slot, smoothed at its end, and every slot fitted at the end.

#include <array>
#include <iosfwd>
#include <memory>
#include <span>
#include <string_view>
#include <string>
#include <vector>

#include "analysis/summary.hpp"
#include "batch/options.hpp"
#include "runs/slots.hpp"
#include "sim/field.hpp"
#include "sim/generator.hpp"
#include "toolkit/picture.hpp"

namespace polycryst::batch {

class Batch {
 public:
  Batch();  // the state of a freshly started window

  // Runs every run of the options; returns false with a message if one is refused.
  bool Run(const BatchOptions& options, std::string& error);

  const runs::SlotStore& Store() const { return *store_; }
  const sim::Field& FieldData() const { return field_; }
  // The field picture as it stood at the end of slot k's run (empty if none ran there).
  const toolkit::Picture& SlotPicture(int k) const { return pictures_[k]; }

  void WriteTable(std::ostream& out) const;
  void WriteSeries(std::ostream& out) const;

 private:
  std::unique_ptr<runs::SlotStore> store_;
  sim::Field field_;
  sim::Generator generator_;
  std::array<toolkit::Picture, runs::SlotEntries> pictures_;
};

// Parses, runs and writes; returns the exit status (0, 1 on an output error, 2 on a bad
// argument). Nothing is written when an argument is bad.
int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace polycryst::batch
