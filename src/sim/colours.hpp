#pragma once
// Polarised-light colours of the field picture.
//
// A crystal between crossed polarisers is bright except where its growth direction
// runs along a polariser axis (the picture's axes). With the brightness weight
//   spherulite at angle theta:        w = sin(2 theta)^2
//   cylindrite with needle angle a:   w = sin(2 (a + pi/2))^2   (the plate's growth direction)
// the colour is
//   plate off:  grey g = trunc(255 w w)
//   plate on, deciding angle d (theta, or the needle angle a itself):
//     d >  pi/2:  (255, trunc(63 + 192 w), 63)              towards yellow
//     d <= pi/2:  (trunc(255 - 192 w), 63, trunc(63 + 192 w))  towards blue
// and the empty field is black with the plate off, (255, 63, 63) with it on.

#include "sim/field.hpp"
#include "toolkit/colour.hpp"

namespace polycryst::sim {

inline constexpr double Pi = 3.141592653589793;
inline constexpr double HalfPi = 1.5707963267948966;
inline constexpr toolkit::Rgb PlateBackground{255, 63, 63};

toolkit::Rgb BackgroundColour(Plate plate);
// The colour of weight w (0..1) and deciding angle d.
toolkit::Rgb WeightColour(double w, double decidingAngle, Plate plate);
toolkit::Rgb SpheruliteColour(double theta, Plate plate);
toolkit::Rgb CylindriteColour(double needleAngle, Plate plate);

// Fills the whole picture with the background colour of the plate setting and returns
// that colour.
toolkit::Rgb BlankFieldImage(toolkit::Picture& picture, Plate plate);

}  // namespace polycryst::sim
