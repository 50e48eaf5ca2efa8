#pragma once
// The growth step, fast and on several threads, with exactly the results of GrowthStep.
//
// Why it is exact. In GrowthStep the points of a step are claimed one after another in
// a fixed order (spherulites: angle, nucleus, A before B; cylindrites: nucleus, needle
// position, A before B), and a point claims its cell only if the cell is still
// amorphous. Give every point its rank in that order. A cell that was amorphous at the
// start of the step is claimed by the point of smallest rank that falls into it, and
// the cells are claimed in the order of those winning ranks. So:
//   1. each thread samples a disjoint slice of the points against the field as it
//      stood at the start of the step and keeps, per cell, the smallest rank seen
//      (an atomic minimum; ranks are unique, so the result does not depend on timing);
//   2. one thread then claims the cells. If fewer cells are left than were reached,
//      the field fills in the middle of the step, and exactly the cells with the
//      smallest winning ranks are claimed, as the early stop of GrowthStep claims them;
//   3. a pixel shows the colour of the last of its cells claimed, that is the cell with
//      the largest winning rank, coloured by the angle or nucleus of that rank.
// The coordinates are computed with the same double operations as GrowthStep, so every
// point lands in the same cell. Sines, cosines and colours depend only on the run and
// are computed once per run; the occupancy test reads a bit map of the field that stays
// in cache, kept in step with the grid.
//
// Not in use yet: measured on two cores, the atomic minimum on a rank per cell costs
// more than it saves, and one thread is slower than GrowthStep.

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

#include "runs/slots.hpp"
#include "sim/field.hpp"
#include "sim/thread_pool.hpp"
#include "toolkit/colour.hpp"

namespace polycryst::sim {

class FastGrowth {
 public:
  explicit FastGrowth(int threads = MachineThreads());

  int Threads() const { return pool_.Threads(); }

  // The same contract and results as GrowthStep(field, store, k, plate).
  bool Step(Field& field, runs::SlotStore& store, int k, Plate plate);

 private:
  struct RunKey {
    const Field* field = nullptr;
    int slot = 0, mode = 0, nuclei = 0, height = 0, scale = 0, size = 0;
    Plate plate = Plate::Off;
    friend bool operator==(const RunKey&, const RunKey&) = default;
  };

  void Prepare(const Field& field, const RunKey& key, int step);
  void SampleSpherulites(const Field& field, int slice, double r);
  void SampleCylindrites(const Field& field, int slice, double r);
  void Reach(std::uint32_t cell, std::uint32_t rank, std::vector<std::uint32_t>& touched);
  void Claim(Field& field, runs::SlotStore& store, int k);

  ThreadPool pool_;
  RunKey run_;
  int lastStep_ = -1;

  std::vector<std::uint64_t> occupied_;                  // bit x * size + y
  std::unique_ptr<std::atomic<std::uint32_t>[]> ranks_;  // smallest rank reaching a cell this step
  std::vector<std::vector<std::uint32_t>> touched_;      // per thread: cells first reached
  std::vector<std::uint32_t> reached_;                   // all of them, for the claim
  std::vector<std::uint32_t> pixelRank_;                 // largest winning rank + 1 per pixel
  std::vector<int> paintedPixels_;

  // Per run: angles of the spherulite front, or the needles of the cylindrites.
  std::vector<double> cos_, negSin_;
  std::vector<toolkit::Rgb> colours_;  // per angle, or per nucleus (index j - 1)
};

}  // namespace polycryst::sim
