#pragma once
// One growth step of the running slot.
//
// Every crystal's front moves out by one cell: r = t x TimeUnit after step t.
// Spherulites: theta runs from 0 while theta <= pi, accumulated by repeated addition of
//   dtheta = N^0.33 x c (c = 0.00085, 0.0005, 0.00025 for field scale 1, 2, 4); for each
//   theta and each nucleus j in order, the points (Xj + r cos theta, Yj - r sin theta)
//   then (Xj - r cos theta, Yj + r sin theta) are claimed in the colour of theta.
// Cylindrites: for each nucleus j in order, with needle angle a and height h, for
//   m = 0 .. 8h - 8 and u = m / 8 the points (Xj + u cos a - r sin a, Yj + u sin a + r cos a)
//   then (Xj + u cos a + r sin a, Yj + u sin a - r cos a) are claimed in the colour of a.
// Claiming a point: floor, periodic wrap, and if the cell is amorphous it is crystallised
// and its pixel painted; the first front to reach a cell owns it. When the last cell of
// the field is claimed the rest of the step is skipped. Then X and dX/dt of the step are
// recorded.

#include "runs/slots.hpp"
#include "sim/field.hpp"

namespace polycryst::sim {

// dtheta's coefficient for the field scale.
double AngleCoefficient(int fieldScale);

// Performs one step of slot k; false (and no step) when the run already stands at its
// step limit or its field is full.
bool GrowthStep(Field& field, runs::SlotStore& store, int k, Plate plate);

// The bookkeeping every step shares: the pixel scale, the end test, the new step
// index and its time. Returns the step t, or 0 when the run already stands at its end.
int BeginGrowthStep(Field& field, runs::SlotStore& store, int k);
// X and dX/dt of step t, once its cells are counted.
void RecordGrowthStep(runs::SlotStore& store, int k, int t);

}  // namespace polycryst::sim
