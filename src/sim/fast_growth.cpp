#include "sim/fast_growth.hpp"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sim/colours.hpp"
#include "sim/growth.hpp"

namespace polycryst::sim {

namespace {

constexpr std::uint32_t NoRank = std::numeric_limits<std::uint32_t>::max();
constexpr std::size_t MaxCells = static_cast<std::size_t>(4 * BaseFieldSize) * (4 * BaseFieldSize);

// floor for coordinates far inside int, and the periodic wrap for points at most two
// field sides outside (a radius of up to one side plus a needle of 179 cells).
inline int Cell(double p, int size) {
  int c = static_cast<int>(p);
  c -= p < c;
  c += size & -(c < 0);
  c += size & -(c < 0);
  c -= size & -(c >= size);
  c -= size & -(c >= size);
  return c;
}

}  // namespace

FastGrowth::FastGrowth(int threads)
    : pool_(threads),
      occupied_(MaxCells / 64 + 1, 0),
      ranks_(std::make_unique<std::atomic<std::uint32_t>[]>(MaxCells)),
      touched_(static_cast<std::size_t>(pool_.Threads())),
      pixelRank_(static_cast<std::size_t>(FieldImageSide) * FieldImageSide, 0) {
  for (std::size_t i = 0; i < MaxCells; ++i) ranks_[i].store(NoRank, std::memory_order_relaxed);
}

void FastGrowth::Prepare(const Field& field, const RunKey& key, int step) {
  if (key == run_ && step == lastStep_ + 1) return;
  // A new run, or a step that did not come from here: take the field as it stands.
  const bool sameRun = key == run_ && step != 1;
  run_ = key;
  const int size = key.size;
  std::fill(occupied_.begin(), occupied_.end(), 0);
  for (int x = 0; x < size; ++x) {
    for (int y = 0; y < size; ++y) {
      if (field.Cell(x, y) != 0) {
        const std::size_t bit = static_cast<std::size_t>(x) * size + y;
        occupied_[bit >> 6] |= std::uint64_t{1} << (bit & 63);
      }
    }
  }
  if (sameRun && !cos_.empty()) return;

  cos_.clear();
  negSin_.clear();
  colours_.clear();
  if (key.mode == static_cast<int>(runs::SlotMode::Spherulite)) {
    const double dtheta = std::pow(key.nuclei, 0.33) * AngleCoefficient(key.scale);
    for (double theta = 0.0; theta <= Pi; theta += dtheta) {
      cos_.push_back(std::cos(theta));
      negSin_.push_back(-std::sin(theta));
      colours_.push_back(SpheruliteColour(theta, key.plate));
    }
  } else {
    for (int j = 1; j <= key.nuclei; ++j) {
      const double a = field.NucleusAngle[j];
      cos_.push_back(std::cos(a));
      negSin_.push_back(std::sin(a));  // the needle's sine, not negated
      colours_.push_back(CylindriteColour(a, key.plate));
    }
  }
}

inline void FastGrowth::Reach(std::uint32_t cell, std::uint32_t rank, std::vector<std::uint32_t>& touched) {
  if ((occupied_[cell >> 6] >> (cell & 63)) & 1) return;
  std::atomic<std::uint32_t>& slot = ranks_[cell];
  std::uint32_t seen = slot.load(std::memory_order_relaxed);
  while (rank < seen) {
    if (slot.compare_exchange_weak(seen, rank, std::memory_order_relaxed)) {
      if (seen == NoRank) touched.push_back(cell);
      return;
    }
  }
}

void FastGrowth::SampleSpherulites(const Field& field, int slice, double r) {
  const int angles = static_cast<int>(cos_.size());
  const int threads = Threads();
  const int first = static_cast<int>(static_cast<long long>(angles) * slice / threads);
  const int last = static_cast<int>(static_cast<long long>(angles) * (slice + 1) / threads);
  const int n = run_.nuclei;
  const int size = run_.size;
  std::vector<std::uint32_t>& touched = touched_[static_cast<std::size_t>(slice)];
  for (int i = first; i < last; ++i) {
    const double dx = cos_[i] * r;
    const double dy = negSin_[i] * r;
    std::uint32_t rank = static_cast<std::uint32_t>(i) * static_cast<std::uint32_t>(n) * 2;
    for (int j = 1; j <= n; ++j, rank += 2) {
      const double x = field.NucleusX[j];
      const double y = field.NucleusY[j];
      Reach(static_cast<std::uint32_t>(Cell(x + dx, size) * size + Cell(y + dy, size)), rank, touched);
      Reach(static_cast<std::uint32_t>(Cell(x - dx, size) * size + Cell(y - dy, size)), rank + 1, touched);
    }
  }
}

void FastGrowth::SampleCylindrites(const Field& field, int slice, double r) {
  const int n = run_.nuclei;
  const int threads = Threads();
  const int first = 1 + static_cast<int>(static_cast<long long>(n) * slice / threads);
  const int last = 1 + static_cast<int>(static_cast<long long>(n) * (slice + 1) / threads);
  const int positions = 8 * run_.height - 7;
  const int size = run_.size;
  std::vector<std::uint32_t>& touched = touched_[static_cast<std::size_t>(slice)];
  for (int j = first; j < last; ++j) {
    const double ca = cos_[j - 1];
    const double sa = negSin_[j - 1];
    const double x = field.NucleusX[j];
    const double y = field.NucleusY[j];
    const double rsa = r * sa;
    const double rca = r * ca;
    std::uint32_t rank = static_cast<std::uint32_t>(j - 1) * static_cast<std::uint32_t>(positions) * 2;
    for (int m = 0; m < positions; ++m, rank += 2) {
      const double u = m / 8.0;
      const double ax = x + u * ca;
      const double ay = y + u * sa;
      Reach(static_cast<std::uint32_t>(Cell(ax - rsa, size) * size + Cell(ay + rca, size)), rank, touched);
      Reach(static_cast<std::uint32_t>(Cell(ax + rsa, size) * size + Cell(ay - rca, size)), rank + 1, touched);
    }
  }
}

void FastGrowth::Claim(Field& field, runs::SlotStore& store, int k) {
  reached_.clear();
  for (auto& t : touched_) {
    reached_.insert(reached_.end(), t.begin(), t.end());
    t.clear();
  }
  const std::size_t left = static_cast<std::size_t>(store.SlotCells[k] - store.CrystalCount);
  std::uint32_t cutoff = NoRank;  // the step never starts on a full field, so left > 0
  if (reached_.size() > left) {
    // The field fills in this step: only the cells with the smallest winning ranks.
    std::vector<std::uint32_t> winning;
    winning.reserve(reached_.size());
    for (std::uint32_t cell : reached_) winning.push_back(ranks_[cell].load(std::memory_order_relaxed));
    std::nth_element(winning.begin(), winning.begin() + static_cast<std::ptrdiff_t>(left - 1), winning.end());
    cutoff = winning[left - 1];
  }

  const int size = run_.size;
  const std::uint32_t pointsPerUnit =
      run_.mode == static_cast<int>(runs::SlotMode::Spherulite) ? static_cast<std::uint32_t>(run_.nuclei) * 2
                                                                : static_cast<std::uint32_t>(8 * run_.height - 7) * 2;
  const toolkit::Picture& picture = field.FieldBitmap;
  for (std::uint32_t cell : reached_) {
    const std::uint32_t rank = ranks_[cell].load(std::memory_order_relaxed);
    ranks_[cell].store(NoRank, std::memory_order_relaxed);
    if (rank > cutoff) continue;
    const int x = static_cast<int>(cell / static_cast<std::uint32_t>(size));
    const int y = static_cast<int>(cell % static_cast<std::uint32_t>(size));
    field.Grid[static_cast<std::size_t>(x) * GridSide + y] = 1;
    occupied_[cell >> 6] |= std::uint64_t{1} << (cell & 63);
    ++store.CrystalCount;
    const int column = static_cast<int>(x / field.PixelScale);
    const int row = static_cast<int>(y / field.PixelScale);
    if (column >= picture.Width() || row >= picture.Height()) continue;
    const int pixel = row * picture.Width() + column;
    std::uint32_t& best = pixelRank_[static_cast<std::size_t>(pixel)];
    if (best == 0) paintedPixels_.push_back(pixel);
    best = std::max(best, rank + 1);
  }
  for (int pixel : paintedPixels_) {
    std::uint32_t& best = pixelRank_[static_cast<std::size_t>(pixel)];
    const std::uint32_t rank = best - 1;
    field.FieldBitmap.SetPixel(pixel % picture.Width(), pixel / picture.Width(), colours_[rank / pointsPerUnit]);
    best = 0;
  }
  paintedPixels_.clear();
}

bool FastGrowth::Step(Field& field, runs::SlotStore& store, int k, Plate plate) {
  const int t = BeginGrowthStep(field, store, k);
  if (t == 0) return false;
  const double r = t * runs::TimeUnit;
  const int n = std::min(store.SlotNuclei[k], NucleusEntries - 1);
  const int mode = store.SlotMode[k];
  const bool grows = n >= 1 && (mode == 1 || mode == 2) && field.FieldSize > 0 &&
                     static_cast<std::size_t>(field.FieldSize) * field.FieldSize <= MaxCells;

  if (grows) {
    const RunKey key{&field, k, mode, n, mode == 2 ? store.SlotHeight[k] : 0, field.FieldScale, field.FieldSize, plate};
    Prepare(field, key, t);
    if (mode == 1) {
      pool_.Run([&](int slice) { SampleSpherulites(field, slice, r); });
    } else {
      pool_.Run([&](int slice) { SampleCylindrites(field, slice, r); });
    }
    Claim(field, store, k);
    lastStep_ = t;
  }

  RecordGrowthStep(store, k, t);
  return true;
}

}  // namespace polycryst::sim
