#pragma once
// Setting up a run in the current slot: the checks of the conditions, the slot's fixed
// parameters, the cleared field and the nuclei scattered by the generator.

#include <string_view>

#include "runs/slots.hpp"
#include "sim/field.hpp"
#include "sim/generator.hpp"

namespace polycryst::sim {

inline constexpr std::string_view ImproperIntegerText = "Input a proper integer number!";
inline constexpr std::string_view NucleiCaption = "Number of nuclei";
inline constexpr std::string_view HeightCaption = "Cylindrite height";

// What the Experiment page holds when Start is pressed.
struct StartConditions {
  std::string_view nucleiText;  // Edit1
  std::string_view heightText;  // Edit2, read only for cylindrites
  runs::SlotMode mode = runs::SlotMode::Spherulite;
};

struct StartOutcome {
  enum class Kind {
    Accepted,  // the slot holds the new run
    Refused,   // the slot already holds a run: nothing changed, nothing to say
    Rejected,  // a condition is out of range: show text with caption
  };
  Kind kind = Kind::Refused;
  std::string_view text;
  std::string_view caption;

  bool accepted() const { return kind == Kind::Accepted; }
  friend bool operator==(const StartOutcome&, const StartOutcome&) = default;
};

// Starts a run in store.CurrentSlot with the field scale in force. The number of nuclei
// (1..2500) is checked before the mode is read; the height (1..180) only for
// cylindrites. Nucleation draws x, y and, for cylindrites, the needle angle nucleus by
// nucleus, so the same conditions after the same seed give the same pattern.
StartOutcome StartRun(runs::SlotStore& store, Field& field, Generator& generator, const StartConditions& conditions);

}  // namespace polycryst::sim
