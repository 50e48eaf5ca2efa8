#include "sim/growth.hpp"

#include <algorithm>
#include <cmath>

#include "sim/colours.hpp"

namespace polycryst::sim {

namespace {

// The state one step's claims share, kept in locals so the hot loop stays in registers.
class Claimer {
 public:
  Claimer(Field& field, std::int32_t& count, std::int32_t cells)
      : grid_(field.Grid.data()),
        size_(field.FieldSize),
        pixelScale_(field.PixelScale),
        picture_(field.FieldBitmap),
        width_(field.FieldBitmap.Width()),
        height_(field.FieldBitmap.Height()),
        count_(count),
        cells_(cells) {}

  void SetColour(toolkit::Rgb c) { colour_ = c; }

  // Returns true when this claim filled the field.
  bool Claim(double px, double py) {
    int x = static_cast<int>(px);  // floor without a libm call: coordinates stay far inside int
    if (px < x) --x;
    int y = static_cast<int>(py);
    if (py < y) --y;
    while (x < 0) x += size_;
    while (x > size_ - 1) x -= size_;
    while (y < 0) y += size_;
    while (y > size_ - 1) y -= size_;

    std::int16_t& cell = grid_[static_cast<std::size_t>(x) * GridSide + y];
    if (cell != 0) return false;
    const int column = static_cast<int>(x / pixelScale_);
    const int row = static_cast<int>(y / pixelScale_);
    if (column < width_ && row < height_) picture_.SetPixel(column, row, colour_);
    cell = 1;
    ++count_;
    return count_ == cells_;
  }

 private:
  std::int16_t* grid_;
  int size_;
  double pixelScale_;
  toolkit::Picture& picture_;
  int width_;
  int height_;
  std::int32_t& count_;
  std::int32_t cells_;
  toolkit::Rgb colour_{};
};

void GrowSpherulites(const Field& field, Claimer& claimer, int n, double r, double dtheta, Plate plate) {
  for (double theta = 0.0; theta <= Pi; theta += dtheta) {
    const double dx = std::cos(theta) * r;
    const double dy = -std::sin(theta) * r;
    claimer.SetColour(SpheruliteColour(theta, plate));
    for (int j = 1; j <= n; ++j) {
      const double x = field.NucleusX[j];
      const double y = field.NucleusY[j];
      if (claimer.Claim(x + dx, y + dy)) return;
      if (claimer.Claim(x - dx, y - dy)) return;
    }
  }
}

void GrowCylindrites(const Field& field, Claimer& claimer, int n, int h, double r, Plate plate) {
  const int lastM = 8 * h - 8;
  for (int j = 1; j <= n; ++j) {
    const double a = field.NucleusAngle[j];
    const double sa = std::sin(a);
    const double ca = std::cos(a);
    claimer.SetColour(CylindriteColour(a, plate));
    const double x = field.NucleusX[j];
    const double y = field.NucleusY[j];
    const double rsa = r * sa;
    const double rca = r * ca;
    for (int m = 0; m <= lastM; ++m) {
      const double u = m / 8.0;
      const double ax = x + u * ca;
      const double ay = y + u * sa;
      if (claimer.Claim(ax - rsa, ay + rca)) return;
      if (claimer.Claim(ax + rsa, ay - rca)) return;
    }
  }
}

}  // namespace

double AngleCoefficient(int fieldScale) {
  switch (fieldScale) {
    case 1: return 0.00085;
    case 4: return 0.00025;
    default: return 0.0005;
  }
}

int BeginGrowthStep(Field& field, runs::SlotStore& store, int k) {
  if (!runs::IsSlotNumber(k)) return 0;
  field.PixelScale = static_cast<double>(field.FieldScale * BaseFieldSize) / field.ImageSize;
  if (store.StepIndex >= store.SlotMaxSteps[k] || store.CrystalCount >= store.SlotCells[k] ||
      store.StepIndex >= runs::MaxStepLimit || store.StepIndex < 0) {
    return 0;
  }
  const int t = ++store.StepIndex;
  store.SlotTime[k][t] = t * runs::TimeUnit;
  return t;
}

void RecordGrowthStep(runs::SlotStore& store, int k, int t) {
  store.SlotX[k][t] = store.CrystalCount * 1.0 / store.SlotCells[k];
  store.SlotRate[k][t] = store.SlotX[k][t] / runs::TimeUnit - store.SlotX[k][t - 1] / runs::TimeUnit;
}

bool GrowthStep(Field& field, runs::SlotStore& store, int k, Plate plate) {
  const int t = BeginGrowthStep(field, store, k);
  if (t == 0) return false;
  const double r = t * runs::TimeUnit;
  const int n = std::min(store.SlotNuclei[k], NucleusEntries - 1);

  if (n >= 1) {
    Claimer claimer(field, store.CrystalCount, store.SlotCells[k]);
    if (store.SlotMode[k] == static_cast<std::int32_t>(runs::SlotMode::Cylindrite)) {
      GrowCylindrites(field, claimer, n, store.SlotHeight[k], r, plate);
    } else if (store.SlotMode[k] == static_cast<std::int32_t>(runs::SlotMode::Spherulite)) {
      const double dtheta = std::pow(n, 0.33) * AngleCoefficient(field.FieldScale);
      GrowSpherulites(field, claimer, n, r, dtheta, plate);
    }
  }

  RecordGrowthStep(store, k, t);
  return true;
}

}  // namespace polycryst::sim
