#include "runs/run.hpp"

#include "runs/smoothing.hpp"
#include "sim/colours.hpp"
#include "sim/growth.hpp"

namespace polycryst::runs {

bool RunAtEnd(const SlotStore& store) {
  const int k = store.CurrentSlot;
  if (!IsSlotNumber(k)) return true;
  return store.CrystalCount == store.SlotCells[k] || store.StepIndex == store.SlotMaxSteps[k];
}

int FinishRunRecord(SlotStore& store) {
  store.LastSlot = store.CurrentSlot;
  SmoothRun(store, store.CurrentSlot);
  store.StatusText = StatusWord::Finished;
  const int next = FirstFreeSlot(store);
  if (next != 0) store.CurrentSlot = next;
  return next;
}

sim::StartOutcome RunToEnd(SlotStore& store, sim::Field& field, sim::Generator& generator,
                           const sim::StartConditions& conditions, sim::Plate plate) {
  const sim::StartOutcome outcome = sim::StartRun(store, field, generator, conditions);
  if (!outcome.accepted()) return outcome;
  sim::BlankFieldImage(field.FieldBitmap, plate);
  store.StatusText = StatusWord::Started;
  const int k = store.CurrentSlot;
  while (sim::GrowthStep(field, store, k, plate) && !RunAtEnd(store)) {
  }
  store.SlotShown[k] = 1;
  FinishRunRecord(store);
  return outcome;
}

}  // namespace polycryst::runs
