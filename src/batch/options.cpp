#include "batch/options.hpp"

#include <cmath>

#include "toolkit/convert.hpp"

namespace polycryst::batch {

namespace {

constexpr std::string_view Usage =
    "Usage: polycryst-batch [OPTION | RUN]...\n"
    "Runs crystallisations as the window does, from program start, and prints the\n"
    "summary table (tab-separated) on standard output.\n"
    "\n"
    "  RUN                    spherulite:N  or  cylindrite:N:H   one run into the next slot (at most 8)\n"
    "                         N nuclei 1..2500, H needle height 1..180\n"
    "  --field 500|1000|2000  field size for the runs after it (default 1000)\n"
    "  --plate off|on         retardation plate for the runs after it (default off)\n"
    "  --fit-limit X          upper X limit of the Avrami fit, 0.9 to 0.99999 (default 0.99)\n"
    "  --series FILE          every slot's steps 0..SlotSteps as CSV with the header\n"
    "                         slot,step,time,x,rate,rate_smooth (doubles with 17 significant digits)\n"
    "  --image PREFIX         the field picture after each run, as PREFIX-slotK.png (500 x 500 RGB)\n"
    "  --help                 this text\n"
    "\n"
    "Without a RUN the batch is one spherulite:25 run.\n"
    "Example: polycryst-batch --field 500 cylindrite:25:25 spherulite:7 --series s.csv --image field\n";

// The argument as typed, with control characters escaped so the message stays one line.
std::string Quote(std::string_view s) {
  static constexpr char Hex[] = "0123456789abcdef";
  std::string q = "'";
  for (const char c : s) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '\n') {
      q += "\\n";
    } else if (c == '\t') {
      q += "\\t";
    } else if (u < 0x20 || u == 0x7f) {
      q += "\\x";
      q += Hex[u >> 4];
      q += Hex[u & 15];
    } else {
      q += c;
    }
  }
  q += "'";
  return q;
}

// Splits "a:b:c" at ':'.
std::vector<std::string_view> SplitColons(std::string_view s) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t colon = s.find(':', start);
    parts.push_back(s.substr(start, colon == std::string_view::npos ? std::string_view::npos : colon - start));
    if (colon == std::string_view::npos) break;
    start = colon + 1;
  }
  return parts;
}

std::optional<int> IntegerIn(std::string_view text, int low, int high) {
  const auto v = toolkit::ParseInteger(text);
  if (!v || *v < low || *v > high) return std::nullopt;
  return *v;
}

}  // namespace

std::string_view UsageText() { return Usage; }

ParseResult ParseArguments(std::span<const std::string_view> args) {
  BatchOptions options;
  int fieldScale = 2;
  sim::Plate plate = sim::Plate::Off;
  auto fail = [](std::string message) { return ParseResult{std::nullopt, std::move(message)}; };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (arg == "--help" || arg == "-h") {
      options.help = true;
      continue;
    }
    if (arg.starts_with("--")) {
      // --name value or --name=value
      std::string_view name = arg;
      std::optional<std::string_view> value;
      if (const auto eq = arg.find('='); eq != std::string_view::npos) {
        name = arg.substr(0, eq);
        value = arg.substr(eq + 1);
      }
      const bool known = name == "--field" || name == "--plate" || name == "--fit-limit" || name == "--series" ||
                         name == "--image";
      if (!known) return fail("unknown option " + Quote(arg) + "; see --help");
      if (!value) {
        if (i + 1 >= args.size()) return fail(std::string(name) + " needs a value; see --help");
        value = args[++i];
      }
      if (name == "--field") {
        const auto size = toolkit::ParseInteger(*value);
        if (!size || (*size != 500 && *size != 1000 && *size != 2000)) {
          return fail("--field " + Quote(*value) + ": the field size must be 500, 1000 or 2000");
        }
        fieldScale = *size / sim::BaseFieldSize;
      } else if (name == "--plate") {
        if (*value == "off") {
          plate = sim::Plate::Off;
        } else if (*value == "on") {
          plate = sim::Plate::On;
        } else {
          return fail("--plate " + Quote(*value) + ": the retardation plate must be off or on");
        }
      } else if (name == "--fit-limit") {
        const auto limit = toolkit::ParseReal(*value);
        if (!limit || !std::isfinite(*limit) || *limit < runs::MinFitUpperLimit || *limit > runs::MaxFitUpperLimit) {
          return fail("--fit-limit " + Quote(*value) + ": the fit limit must be a number from 0.9 to 0.99999");
        }
        options.fitLimit = *limit;
      } else if (value->empty()) {
        return fail(std::string(name) + " needs a non-empty value");
      } else if (name == "--series") {
        options.seriesPath = std::string(*value);
      } else {
        options.imagePrefix = std::string(*value);
      }
      continue;
    }

    const auto parts = SplitColons(arg);
    RunSpec run;
    run.fieldScale = fieldScale;
    run.plate = plate;
    if (parts[0] == "spherulite" && parts.size() == 2) {
      run.mode = runs::SlotMode::Spherulite;
    } else if (parts[0] == "cylindrite" && parts.size() == 3) {
      run.mode = runs::SlotMode::Cylindrite;
    } else {
      return fail("unknown argument " + Quote(arg) + ": a run is spherulite:N or cylindrite:N:H; see --help");
    }
    const auto nuclei = IntegerIn(parts[1], 1, sim::MaxNuclei);
    if (!nuclei) return fail(Quote(arg) + ": the number of nuclei N must be an integer from 1 to 2500");
    run.nuclei = *nuclei;
    if (run.mode == runs::SlotMode::Cylindrite) {
      const auto height = IntegerIn(parts[2], 1, sim::MaxNeedleHeight);
      if (!height) return fail(Quote(arg) + ": the cylindrite height H must be an integer from 1 to 180");
      run.height = *height;
    }
    if (options.runs.size() == static_cast<std::size_t>(runs::SlotCount)) {
      return fail(Quote(arg) + ": at most 8 runs, one per slot");
    }
    options.runs.push_back(run);
  }

  if (options.runs.empty()) {
    RunSpec run;
    run.fieldScale = fieldScale;
    run.plate = plate;
    options.runs.push_back(run);
  }
  return {std::move(options), {}};
}

}  // namespace polycryst::batch
