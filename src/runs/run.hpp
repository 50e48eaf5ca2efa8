#pragma once
// The data side of a run's life, shared by the window and the batch tool: what Start,
// a tick and the end of a run do to the field and the slot store, without controls.

#include "runs/slots.hpp"
#include "sim/field.hpp"
#include "sim/generator.hpp"
#include "sim/start.hpp"

namespace polycryst::runs {

// The end test of a tick: the current slot's field is full or its step limit reached.
bool RunAtEnd(const SlotStore& store);

// The end of a run without its controls: LastSlot, the smoothing and "Finished".
// Returns the first free slot, which becomes current, or 0 when all eight hold runs.
int FinishRunRecord(SlotStore& store);

// One whole run as a student gets it by pressing Start and waiting: StartRun in the
// current slot, the picture blanked, ticks until the end test holds, then the end of
// the run with its curves marked as shown and the next free slot made current.
sim::StartOutcome RunToEnd(SlotStore& store, sim::Field& field, sim::Generator& generator,
                           const sim::StartConditions& conditions, sim::Plate plate);

}  // namespace polycryst::runs
