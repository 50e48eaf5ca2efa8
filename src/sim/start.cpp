#include "sim/start.hpp"

#include "sim/colours.hpp"
#include "toolkit/convert.hpp"

namespace polycryst::sim {

StartOutcome StartRun(runs::SlotStore& store, Field& field, Generator& generator, const StartConditions& conditions) {
  using Kind = StartOutcome::Kind;
  const int k = store.CurrentSlot;
  if (!runs::IsSlotNumber(k) || store.SlotNuclei[k] > 0) return {Kind::Refused, {}, {}};

  store.SlotNuclei[k] = toolkit::StrToIntDef(conditions.nucleiText, -1);
  if (store.SlotNuclei[k] < 1 || store.SlotNuclei[k] > MaxNuclei) {
    store.SlotHeight[k] = 0;
    store.SlotNuclei[k] = 0;
    return {Kind::Rejected, ImproperIntegerText, NucleiCaption};
  }

  store.SlotMode[k] = static_cast<std::int32_t>(conditions.mode);
  const bool cylindrite = conditions.mode == runs::SlotMode::Cylindrite;
  if (!cylindrite) store.SlotHeight[k] = 0;
  if (cylindrite) {
    store.SlotHeight[k] = toolkit::StrToIntDef(conditions.heightText, -1);
    if (store.SlotHeight[k] < 1 || store.SlotHeight[k] > MaxNeedleHeight) {
      store.SlotHeight[k] = 0;
      store.SlotNuclei[k] = 0;
      return {Kind::Rejected, ImproperIntegerText, HeightCaption};
    }
  }

  // A scale the radios cannot produce would overrun the grid; fall back to the start-up field.
  if (!IsFieldScale(field.FieldScale)) field.FieldScale = 2;
  field.FieldSize = BaseFieldSize * field.FieldScale;
  store.SlotCells[k] = field.FieldSize * field.FieldSize;
  store.SlotMaxSteps[k] = field.FieldScale * 500;

  field.ClearGrid();

  const int n = store.SlotNuclei[k];
  for (int j = 1; j <= n; ++j) {
    field.NucleusX[j] = generator.RandomBelow(field.FieldSize);
    field.NucleusY[j] = generator.RandomBelow(field.FieldSize);
    if (cylindrite) field.NucleusAngle[j] = generator.RandomBelow(31416) * 0.0001;
  }

  store.SlotShape[k] = cylindrite ? store.SlotHeight[k] * 2.0 : Pi;
  store.StepIndex = runs::FirstStep;
  store.SlotTime[k][store.StepIndex] = store.StepIndex * runs::TimeUnit;
  store.CrystalCount = 0;
  return {Kind::Accepted, {}, {}};
}

}  // namespace polycryst::sim
