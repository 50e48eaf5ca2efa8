#pragma once
// The two texts of the status line and the colour of its state word.

#include <string>

#include "runs/slots.hpp"
#include "toolkit/colour.hpp"

namespace polycryst::runs {

inline constexpr toolkit::Rgb StatusRed{255, 0, 0};
inline constexpr toolkit::Rgb StatusBlue{0, 0, 255};
inline constexpr toolkit::Rgb StatusDarkGreen{0, 128, 0};

// "Started!" red, "Halted!" blue, everything else dark green.
toolkit::Rgb StatusWordColour(StatusWord word);

// The state word followed by "!".
std::string StatusWordCaption(StatusWord word);

// "time =%5.0f    count =%d    X =%8.4f%" of the current slot's time at StepIndex,
// CrystalCount and X in percent. A slot without cells (cleared before it ever held a
// field) shows X as 0 rather than a quotient without value.
std::string StatusFigures(const SlotStore& store);

}  // namespace polycryst::runs
