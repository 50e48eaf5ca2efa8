#pragma once
// A freshly started core: the slot store, the field and the generator as the window's
// start-up leaves them, heap-held because the store's series are large.

#include <memory>

#include "runs/slots.hpp"
#include "sim/field.hpp"
#include "sim/generator.hpp"
#include "sim/start.hpp"

namespace polycryst::testing {

struct Core {
  std::unique_ptr<runs::SlotStore> storePtr = std::make_unique<runs::SlotStore>();
  std::unique_ptr<sim::Field> fieldPtr = std::make_unique<sim::Field>();
  runs::SlotStore& store = *storePtr;
  sim::Field& field = *fieldPtr;
  sim::Generator generator;

  explicit Core(int fieldScale = 2) {
    field.FieldScale = fieldScale;
    field.FieldSize = sim::BaseFieldSize * fieldScale;
    field.ImageSize = sim::FieldImageSide;
    store.CurrentSlot = 1;
    store.FitUpperLimit = runs::DefaultFitUpperLimit;
    store.StatusText = runs::StatusWord::Ready;
    generator.Seed(1);
  }

  sim::StartOutcome Start(std::string_view nuclei, runs::SlotMode mode = runs::SlotMode::Spherulite,
                          std::string_view height = "25") {
    return sim::StartRun(store, field, generator, {nuclei, height, mode});
  }

  // Starts slot 1 with nuclei placed by hand instead of by the generator.
  void StartWithNuclei(std::initializer_list<std::array<int, 2>> at, runs::SlotMode mode = runs::SlotMode::Spherulite,
                       int height = 0, double angle = 0.0) {
    Start(std::to_string(at.size()), mode, std::to_string(height));
    int j = 1;
    for (auto [x, y] : at) {
      field.NucleusX[j] = x;
      field.NucleusY[j] = y;
      field.NucleusAngle[j] = angle;
      ++j;
    }
  }
};

}  // namespace polycryst::testing
