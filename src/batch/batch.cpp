#include "batch/batch.hpp"

#include <cstdio>
#include <fstream>
#include <ostream>

#include "analysis/avrami.hpp"
#include "batch/png_writer.hpp"
#include "runs/run.hpp"

namespace polycryst::batch {

Batch::Batch() : store_(std::make_unique<runs::SlotStore>()) {
  // What the window's start-up leaves behind.
  runs::SlotStore& s = *store_;
  s.CurrentSlot = 1;
  field_.FieldScale = 2;
  field_.FieldSize = sim::BaseFieldSize * field_.FieldScale;
  s.SlotCells[1] = field_.FieldSize * field_.FieldSize;
  s.SlotMaxSteps[1] = 500 * field_.FieldScale;
  field_.ImageSize = sim::FieldImageSide;
  s.CrystalCount = 0;
  s.StatusText = runs::StatusWord::Ready;
  for (int k = 1; k <= runs::SlotCount; ++k) runs::ClearSlot(s, k);
  s.FitLowerLimit = 0.0;
  s.FitUpperLimit = runs::DefaultFitUpperLimit;
  generator_.Seed(1);
}

bool Batch::Run(const BatchOptions& options, std::string& error) {
  runs::SlotStore& s = *store_;
  s.FitUpperLimit = options.fitLimit;
  for (const RunSpec& run : options.runs) {
    field_.FieldScale = run.fieldScale;
    const std::string nuclei = std::to_string(run.nuclei);
    const std::string height = std::to_string(run.height);
    const int k = s.CurrentSlot;
    const sim::StartOutcome outcome = runs::RunToEnd(s, field_, generator_, {nuclei, height, run.mode}, run.plate);
    if (!outcome.accepted()) {
      error = outcome.kind == sim::StartOutcome::Kind::Refused ? std::string("no free slot for another run")
                                                               : std::string(outcome.caption) + ": " +
                                                                     std::string(outcome.text);
      return false;
    }
    pictures_[k] = field_.FieldBitmap;
  }
  for (int k = 1; k <= runs::SlotCount; ++k) {
    if (s.SlotNuclei[k] != 0) analysis::FitAvramiSlot(s, k);
  }
  return true;
}

void Batch::WriteTable(std::ostream& out) const {
  const auto writeRow = [&out](const auto& cells) {
    for (std::size_t c = 0; c < cells.size(); ++c) {
      if (c != 0) out << '\t';
      out << cells[c];
    }
    out << '\n';
  };
  writeRow(analysis::SummaryHeader);
  for (int k = 1; k <= runs::SlotCount; ++k) writeRow(analysis::SummaryRowText(*store_, k));
}

void Batch::WriteSeries(std::ostream& out) const {
  const runs::SlotStore& s = *store_;
  out << "slot,step,time,x,rate,rate_smooth\n";
  char line[160];
  for (int k = 1; k <= runs::SlotCount; ++k) {
    if (s.SlotNuclei[k] == 0) continue;
    for (int i = 0; i <= s.SlotSteps[k]; ++i) {
      std::snprintf(line, sizeof line, "%d,%d,%.17g,%.17g,%.17g,%.17g\n", k, i, s.SlotTime[k][i], s.SlotX[k][i],
                    s.SlotRate[k][i], s.SlotRateSmooth[k][i]);
      out << line;
    }
  }
}

int RunCommandLine(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const ParseResult parsed = ParseArguments(args);
  if (!parsed.options) {
    err << "polycryst-batch: " << parsed.error << '\n';
    return 2;
  }
  const BatchOptions& options = *parsed.options;
  if (options.help) {
    out << UsageText();
    return 0;
  }

  Batch batch;
  std::string error;
  if (!batch.Run(options, error)) {
    err << "polycryst-batch: " << error << '\n';
    return 1;
  }
  batch.WriteTable(out);
  out.flush();

  int status = out ? 0 : 1;
  if (options.seriesPath) {
    std::ofstream file(*options.seriesPath, std::ios::binary);
    if (file) batch.WriteSeries(file);
    file.close();
    if (!file) {
      err << "polycryst-batch: cannot write the series to " << *options.seriesPath << '\n';
      status = 1;
    }
  }
  if (options.imagePrefix) {
    for (int k = 1; k <= runs::SlotCount; ++k) {
      if (batch.Store().SlotNuclei[k] == 0) continue;
      const std::string path = *options.imagePrefix + "-slot" + std::to_string(k) + ".png";
      if (!WritePng(path, batch.SlotPicture(k), error)) {
        err << "polycryst-batch: cannot write " << path << ": " << error << '\n';
        status = 1;
      }
    }
  }
  return status;
}

}  // namespace polycryst::batch
