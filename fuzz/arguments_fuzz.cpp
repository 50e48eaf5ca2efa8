// The command line of polycryst-batch. The input is split into arguments at NUL bytes.
// Only rejected argument lists reach RunCommandLine, so that no run is started.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "batch/batch.hpp"
#include "batch/options.hpp"
#include "check.hpp"

namespace {

using polycryst::batch::ParseArguments;
using polycryst::batch::RunCommandLine;
using polycryst::batch::RunSpec;
using polycryst::fuzz::IsDigit;
using polycryst::fuzz::TrimBlanks;
namespace runs = polycryst::runs;


std::string Joined(const std::vector<std::string_view>& args) {
  std::string out;
  for (const auto a : args) out += " '" + Printable(a) + "'";
  return out;
}

// An entry's integer: blanks and tabs around an optional sign and ASCII digits.
std::optional<long long> ReadInteger(std::string_view s) {
  s = TrimBlanks(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '+' || s.front() == '-')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  if (s.empty() || s.size() > 12) return std::nullopt;
  long long v = 0;
  for (const char c : s) {
    if (!IsDigit(c)) return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return negative ? -v : v;
}

// The runs an accepted command line must have given, read independently of the parser:
// RUN arguments in order, each with the field in force where it stands.
std::vector<RunSpec> ExpectedRuns(const std::vector<std::string_view>& args) {
  std::vector<RunSpec> expected;
  int fieldScale = 2;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view a = args[i];
    if (a == "--help" || a == "-h") continue;
    if (a.starts_with("--")) {
      std::string_view value;
      if (const auto eq = a.find('='); eq != std::string_view::npos) {
        value = a.substr(eq + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      }
      if (a.starts_with("--field")) {
        if (const auto size = ReadInteger(value)) fieldScale = static_cast<int>(*size / 500);
      }
      continue;
    }
    RunSpec run;
    run.fieldScale = fieldScale;
    const auto colon = a.find(':');
    const std::string_view kind = a.substr(0, colon);
    std::string_view rest = colon == std::string_view::npos ? std::string_view() : a.substr(colon + 1);
    if (kind == "cylindrite") {
      run.mode = runs::SlotMode::Cylindrite;
      const auto second = rest.find(':');
      run.height = static_cast<int>(ReadInteger(rest.substr(second + 1)).value_or(-1));
      rest = rest.substr(0, second);
    } else {
      run.mode = runs::SlotMode::Spherulite;
    }
    run.nuclei = static_cast<int>(ReadInteger(rest).value_or(-1));
    expected.push_back(run);
  }
  return expected;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string_view> args;
  if (!input.empty()) {
    std::size_t start = 0;
    while (true) {
      const std::size_t nul = input.find('\0', start);
      args.push_back(input.substr(start, nul == std::string_view::npos ? std::string_view::npos : nul - start));
      if (nul == std::string_view::npos) break;
      start = nul + 1;
    }
  }
  const std::string shown = Joined(args);

  const auto result = ParseArguments(args);
  if (result.options) {
    const auto& options = *result.options;
    FUZZ_REQUIRE(!options.runs.empty() && options.runs.size() <= static_cast<std::size_t>(runs::SlotCount),
                 "%zu runs from%s", options.runs.size(), shown.c_str());
    for (const RunSpec& run : options.runs) {
      FUZZ_REQUIRE(run.nuclei >= 1 && run.nuclei <= 2500, "%d nuclei from%s", run.nuclei, shown.c_str());
      if (run.mode == runs::SlotMode::Cylindrite) {
        FUZZ_REQUIRE(run.height >= 1 && run.height <= 180, "height %d from%s", run.height, shown.c_str());
      }
      FUZZ_REQUIRE(run.fieldScale == 1 || run.fieldScale == 2 || run.fieldScale == 4, "field scale %d from%s",
                   run.fieldScale, shown.c_str());
    }
    FUZZ_REQUIRE(std::isfinite(options.fitLimit) && options.fitLimit >= 0.9 && options.fitLimit <= 0.99999,
                 "fit limit %.17g from%s", options.fitLimit, shown.c_str());

    const std::vector<RunSpec> expected = ExpectedRuns(args);
    if (expected.empty()) {
      FUZZ_REQUIRE(options.runs.size() == 1 && options.runs[0].mode == runs::SlotMode::Spherulite &&
                       options.runs[0].nuclei == 25,
                   "no run given, but not the default batch, from%s", shown.c_str());
    } else {
      FUZZ_REQUIRE(options.runs.size() == expected.size(), "%zu runs, expected %zu, from%s", options.runs.size(),
                   expected.size(), shown.c_str());
      for (std::size_t k = 0; k < expected.size(); ++k) {
        const RunSpec& got = options.runs[k];
        const RunSpec& want = expected[k];
        FUZZ_REQUIRE(got.mode == want.mode && got.nuclei == want.nuclei && got.fieldScale == want.fieldScale &&
                         (got.mode != runs::SlotMode::Cylindrite || got.height == want.height),
                     "run %zu is %d nuclei, height %d, scale %d; expected %d, %d, %d; from%s", k + 1, got.nuclei,
                     got.height, got.fieldScale, want.nuclei, want.height, want.fieldScale, shown.c_str());
      }
    }
    return 0;
  }

  FUZZ_REQUIRE(!result.error.empty() && result.error.find('\n') == std::string::npos,
               "rejected with error \"%s\" from%s", Printable(result.error).c_str(), shown.c_str());

  std::ostringstream out;
  std::ostringstream err;
  const int status = RunCommandLine(args, out, err);
  FUZZ_REQUIRE(status == 2, "RunCommandLine returned %d for a rejected command line:%s", status, shown.c_str());
  FUZZ_REQUIRE(out.str().empty(), "RunCommandLine wrote \"%s\" to its output for%s", Printable(out.str()).c_str(),
               shown.c_str());
  const std::string message = err.str();
  FUZZ_REQUIRE(!message.empty() && message.find('\n') == message.size() - 1,
               "RunCommandLine's message \"%s\" is not one line, for%s", Printable(message).c_str(), shown.c_str());
  return 0;
}
