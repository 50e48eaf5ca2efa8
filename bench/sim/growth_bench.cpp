// Points and steps per second of the growth step on four workloads. Each iteration is
// one step of a run started as the window starts it; a run that ends is started again
// outside the timing; the heavy workloads reach only the first tens of steps of a run.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>
#include <string>

#include "runs/run.hpp"
#include "runs/slots.hpp"
#include "sim/colours.hpp"
#include "sim/growth.hpp"
#include "sim/start.hpp"

namespace {

using namespace polycryst;

struct Workload {
  runs::SlotMode mode;
  int nuclei;
  int height;
  int fieldScale;
};

// Sampled points per step: 2N(floor(pi/dtheta)+1) for spherulites, 2N(8h-7) for cylindrites.
double PointsPerStep(const Workload& w) {
  if (w.mode == runs::SlotMode::Cylindrite) return 2.0 * w.nuclei * (8 * w.height - 7);
  const double dtheta = std::pow(w.nuclei, 0.33) * sim::AngleCoefficient(w.fieldScale);
  int angles = 0;
  for (double theta = 0.0; theta <= sim::Pi; theta += dtheta) ++angles;
  return 2.0 * w.nuclei * angles;
}

void GrowthSteps(benchmark::State& state, Workload w) {
  auto store = std::make_unique<runs::SlotStore>();
  auto field = std::make_unique<sim::Field>();
  sim::Generator generator;
  generator.Seed(1);
  field->ImageSize = sim::FieldImageSide;
  field->FieldScale = w.fieldScale;
  const std::string nuclei = std::to_string(w.nuclei);
  const std::string height = std::to_string(w.height);
  const auto start = [&] {
    runs::ClearSlot(*store, 1);
    store->CurrentSlot = 1;
    sim::StartRun(*store, *field, generator, {nuclei, height, w.mode});
    sim::BlankFieldImage(field->FieldBitmap, sim::Plate::Off);
  };
  start();
  for (auto _ : state) {
    if (runs::RunAtEnd(*store)) {
      state.PauseTiming();
      start();
      state.ResumeTiming();
    }
    benchmark::DoNotOptimize(sim::GrowthStep(*field, *store, 1, sim::Plate::Off));
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * PointsPerStep(w)));
  state.counters["steps/s"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

BENCHMARK_CAPTURE(GrowthSteps, spherulite_N25_1000, Workload{runs::SlotMode::Spherulite, 25, 0, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GrowthSteps, spherulite_N2500_2000, Workload{runs::SlotMode::Spherulite, 2500, 0, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GrowthSteps, spherulite_N1_2000, Workload{runs::SlotMode::Spherulite, 1, 0, 4})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(GrowthSteps, cylindrite_N2500_h180_2000, Workload{runs::SlotMode::Cylindrite, 2500, 180, 4})
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
