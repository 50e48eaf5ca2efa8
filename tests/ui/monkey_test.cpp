// Long random sequences of user actions on the window, with the window's rules checked
// after every action. A failing sequence is shrunk and printed with its seed.

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "support/window_fixture.hpp"

namespace polycryst::ui {
namespace {

using testing::Window;
using toolkit::Control;
using toolkit::Kind;

struct Action {
  enum Type { Click, Enter, Type, ClearOne, Ticks, Page, Paint, FieldDetour } type = Click;
  int pick = 0;      // Click: which control; Enter: which focus; Ticks: how many; Page: which
  std::string text;  // Type: the text; ClearOne: the answer
  bool cancel = false;  // ClearOne: Cancel instead of the answer
};

// Never the Exit button: it closes the window.
constexpr std::string_view RunButtons[] = {"Button1", "Button3", "Button7", "Button4", "Button5", "BitBtn2"};
constexpr std::string_view Edits[] = {"Edit1", "Edit2", "Edit3"};

std::vector<Control*> Clickable(Window& w) {
  std::vector<Control*> out;
  for (const auto& c : w.controls.Controls()) {
    const bool kind = c->kind == Kind::Button || c->kind == Kind::BitButton || c->kind == Kind::Radio ||
                      c->kind == Kind::CheckBox;
    // The two large fields are visited only by a detour: their runs take too long here.
    if (kind && c->name != "BitBtn1" && c->name != "RadioButton14" && c->name != "RadioButton15") {
      out.push_back(c.get());
    }
  }
  return out;
}

// The control a click goes to, or the focus of Enter (nullptr: the window). The lists
// do not depend on the window's state, so a replayed action picks the same control.
Control* Target(Window& w, const Action& a) {
  const auto index = [&a](std::size_t n) { return static_cast<std::size_t>(a.pick / 3) % n; };
  if (a.type == Action::Click) {
    // Mostly the run buttons, else any clickable control, enabled or not.
    if (a.pick % 3 == 0) return &w[RunButtons[index(std::size(RunButtons))]];
    const std::vector<Control*> all = Clickable(w);
    return all[index(all.size())];
  }
  if (a.pick % 3 == 0) return nullptr;
  std::vector<Control*> focus = Clickable(w);
  for (std::string_view e : Edits) focus.push_back(&w[e]);
  return focus[index(focus.size())];
}

std::string Describe(Window& w, const Action& a) {
  switch (a.type) {
    case Action::Click: return "click " + Target(w, a)->name;
    case Action::Enter: return "Enter, focus on " + (Target(w, a) == nullptr ? std::string("the window") : Target(w, a)->name);
    case Action::Type: return "type " + std::string(Edits[a.pick % 3]) + " \"" + a.text + "\"";
    case Action::ClearOne: return a.cancel ? "Clear one, Cancel" : "Clear one \"" + a.text + "\"";
    case Action::Ticks: return std::to_string(a.pick) + " ticks";
    case Action::Page: return "page " + std::to_string(a.pick);
    case Action::Paint: return "paint";
    case Action::FieldDetour: return a.pick == 0 ? "field 1000 and back" : "field 2000 and back";
  }
  return "";
}

std::vector<Action> MakeActions(std::uint32_t seed, int count) {
  std::mt19937 rng(seed);
  const auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
  static const char* const nuclei[] = {"2500", "2500", "1000", "300", "50", "7", "1", "0", "2501", " 25 "};
  static const char* const heights[] = {"1", "5", "25", "180", "181", "0", "-3"};
  static const char* const limits[] = {"0.9", "0.95", "0,97", "0.99999", "0.99", "1", "0.5", "9.5e-1"};
  static const char* const answers[] = {"1", "2", "3", "4", "5", "6", "7", "8", "0", "9", "-1", " 3 ", "x"};
  const auto randomText = [&] {
    static const std::string alphabet = "0123456789 +-.,eEx\t";
    std::string t(static_cast<std::size_t>(below(8)), ' ');
    for (char& c : t) c = alphabet[static_cast<std::size_t>(below(static_cast<int>(alphabet.size())))];
    return t;
  };
  std::vector<Action> out;
  out.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    Action a;
    const int r = below(100);
    if (r < 34) {
      a.type = Action::Click;
      a.pick = static_cast<int>(rng() % 100000);
    } else if (r < 42) {
      a.type = Action::Enter;
      a.pick = static_cast<int>(rng() % 100000);
    } else if (r < 56) {
      a.type = Action::Type;
      a.pick = below(3);
      const bool random = below(4) == 0;
      if (random) {
        a.text = randomText();
      } else if (a.pick == 0) {
        a.text = nuclei[below(std::size(nuclei))];
      } else if (a.pick == 1) {
        a.text = heights[below(std::size(heights))];
      } else {
        a.text = limits[below(std::size(limits))];
      }
    } else if (r < 62) {
      a.type = Action::ClearOne;
      a.cancel = below(6) == 0;
      a.text = below(5) == 0 ? randomText() : answers[below(std::size(answers))];
    } else if (r < 88) {
      a.type = Action::Ticks;
      a.pick = 1 + below(below(4) == 0 ? 300 : 20);
    } else if (r < 93) {
      a.type = Action::Page;
      a.pick = below(3);
    } else if (r < 99) {
      a.type = Action::Paint;
    } else {
      a.type = Action::FieldDetour;
      a.pick = below(2);
    }
    out.push_back(std::move(a));
  }
  return out;
}

void Perform(Window& w, const Action& a) {
  switch (a.type) {
    case Action::Click: w.controls.Click(*Target(w, a)); break;
    case Action::Enter: w.controls.KeyDown(toolkit::KeyEnter, Target(w, a)); break;
    case Action::Type: w.Type(Edits[a.pick % 3], a.text); break;
    case Action::ClearOne:
      w.host.answers.clear();
      if (a.cancel) {
        w.host.answers.push_back(std::nullopt);
      } else {
        w.host.answers.push_back(a.text);
      }
      w.Click("Button5");
      w.host.answers.clear();  // unused when there was nothing to clear or the button was off
      break;
    case Action::Ticks:
      for (int i = 0; i < a.pick && w["Timer1"].enabled; ++i) w.Tick();
      break;
    case Action::Page: w.controls.SetPageIndex(w["PageControl1"], a.pick); break;
    case Action::Paint:
      w.host.PaintPending(w.controls);
      w.host.paintOrder.clear();
      w.host.drawings.clear();
      break;
    case Action::FieldDetour:
      w.Click(a.pick == 0 ? "RadioButton14" : "RadioButton15");
      w.Click("RadioButton13");
      break;
  }
  w.host.messages.clear();
  w.host.inputs.clear();
}

// What a finished run must keep until it is cleared.
struct StoredRun {
  std::array<std::int32_t, 7> counts{};  // nuclei, mode, height, cells, step limit, steps, peak step
  std::array<double, 2> values{};        // shape, peak rate
  std::vector<double> series;            // X, rate, time, smoothed rate over steps 0..steps
  friend bool operator==(const StoredRun&, const StoredRun&) = default;
};

StoredRun Keep(const runs::SlotStore& s, int k) {
  StoredRun r;
  r.counts = {s.SlotNuclei[k], s.SlotMode[k], s.SlotHeight[k], s.SlotCells[k], s.SlotMaxSteps[k], s.SlotSteps[k],
              s.SlotPeakStep[k]};
  r.values = {s.SlotShape[k], s.SlotPeakRate[k]};
  for (const runs::Series* series : {&s.SlotX, &s.SlotRate, &s.SlotTime, &s.SlotRateSmooth}) {
    const auto& row = (*series)[static_cast<std::size_t>(k)];
    r.series.insert(r.series.end(), row.begin(), row.begin() + s.SlotSteps[k] + 1);
  }
  return r;
}

class Checker {
 public:
  // The first broken rule after action a, or an empty text.
  std::string Check(Window& w, const Action& a) {
    const runs::SlotStore& s = w.store();
    std::ostringstream why;
    const bool timer = w["Timer1"].enabled;
    const bool inProgress = timer || w["Button3"].enabled;
    for (int k = 1; k <= runs::SlotCount; ++k) {
      if (s.SlotNuclei[k] == 0 && (s.SlotSteps[k] != 0 || s.SlotPeakStep[k] != 0 || s.SlotHeight[k] != 0)) {
        why << "empty slot " << k << " has steps " << s.SlotSteps[k] << ", peak step " << s.SlotPeakStep[k]
            << ", height " << s.SlotHeight[k];
        return why.str();
      }
      if (s.SlotPeakStep[k] > 0 && s.SlotMode[k] != 1) {
        why << "slot " << k << " has a rate maximum in mode " << s.SlotMode[k];
        return why.str();
      }
      if (s.SlotSteps[k] < 0 || s.SlotSteps[k] > runs::MaxStepLimit) {
        why << "slot " << k << " has " << s.SlotSteps[k] << " steps";
        return why.str();
      }
      for (int i = 1; i <= s.SlotSteps[k]; ++i) {
        const double x = s.SlotX[k][i];
        if (!(x >= 0.0 && x <= 1.0) || x < s.SlotX[k][i - 1] || s.SlotTime[k][i] != i) {
          why << "slot " << k << " step " << i << ": X " << s.SlotX[k][i - 1] << " -> " << x << ", time "
              << s.SlotTime[k][i];
          return why.str();
        }
      }
    }
    if (timer && s.StatusText != runs::StatusWord::Started && s.StatusText != runs::StatusWord::Resumed) {
      return "the timer runs with status " + std::string(runs::StatusWordText(s.StatusText));
    }
    if (timer) {
      static constexpr std::string_view off[] = {
          "Button1",       "Button5",       "BitBtn2",       "Edit1",         "Edit2",         "RadioButton1",
          "RadioButton2",  "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14", "RadioButton15",
          "RadioButton3",  "RadioButton4",  "RadioButton5",  "RadioButton6",  "RadioButton7",  "RadioButton8",
          "RadioButton9",  "RadioButton10"};
      for (std::string_view name : off) {
        if (w[name].enabled) return std::string(name) + " is enabled during a run";
      }
    }
    const std::string& status = w["Label58"].text;
    if (status != "Ready!" && status != "Started!" && status != "Halted!" && status != "resumed!" &&
        status != "Finished!") {
      return "status label \"" + status + "\"";
    }
    if (!(s.FitUpperLimit >= runs::MinFitUpperLimit && s.FitUpperLimit <= runs::MaxFitUpperLimit)) {
      why << "fit limit " << s.FitUpperLimit;
      return why.str();
    }

    // Stored runs: only the clear actions may change them.
    const bool clearing = a.type == Action::ClearOne || PressesAClearButton(w, a);
    for (int k = 1; k <= runs::SlotCount; ++k) {
      const bool active = inProgress && k == s.CurrentSlot;
      if (stored_[k].has_value()) {
        const bool cleared = s.SlotNuclei[k] == 0 && s.SlotSteps[k] == 0;
        if (cleared && clearing) {
          stored_[k].reset();
        } else if (!(Keep(s, k) == *stored_[k])) {
          why << "stored run in slot " << k << " changed";
          return why.str();
        }
      }
      if (!stored_[k].has_value() && s.SlotSteps[k] > 0 && !active) stored_[k] = Keep(s, k);
    }
    return "";
  }

 private:
  static bool PressesAClearButton(Window& w, const Action& a) {
    if (a.type != Action::Click && a.type != Action::Enter) return false;
    const Control* c = Target(w, a);
    return c != nullptr && (c->name == "BitBtn2" || c->name == "Button5");
  }

  std::array<std::optional<StoredRun>, runs::SlotEntries> stored_{};
};

struct Failure {
  std::size_t index;  // of the action after which a rule broke
  std::string why;
};

std::optional<Failure> Play(const std::vector<Action>& actions) {
  Window w;
  w.Click("RadioButton13");
  Checker checker;
  for (std::size_t i = 0; i < actions.size(); ++i) {
    Perform(w, actions[i]);
    if (std::string why = checker.Check(w, actions[i]); !why.empty()) return Failure{i, why};
  }
  return std::nullopt;
}

// Drops chunks of the failing prefix, halving the chunk size, while it still fails.
std::vector<Action> Shrink(std::vector<Action> actions, int budget) {
  for (std::size_t chunk = actions.size() / 2; chunk >= 1 && budget > 0; chunk /= 2) {
    for (std::size_t start = 0; start + chunk <= actions.size() && budget > 0;) {
      std::vector<Action> candidate(actions.begin(), actions.begin() + static_cast<std::ptrdiff_t>(start));
      candidate.insert(candidate.end(), actions.begin() + static_cast<std::ptrdiff_t>(start + chunk), actions.end());
      --budget;
      if (const std::optional<Failure> f = Play(candidate)) {
        candidate.resize(f->index + 1);
        actions = std::move(candidate);
      } else {
        start += chunk;
      }
    }
  }
  return actions;
}

TEST(Monkey, RandomActionsKeepTheWindowsRules) {
  for (const std::uint32_t seed : {1u, 2u, 3u, 20260101u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::vector<Action> actions = MakeActions(seed, 3000);
    const std::optional<Failure> failure = Play(actions);
    if (!failure.has_value()) continue;
    actions.resize(failure->index + 1);
    const std::vector<Action> shortest = Shrink(actions, 60);
    const std::optional<Failure> last = Play(shortest);
    std::ostringstream listing;
    Window names;
    for (const Action& a : shortest) listing << "  " << Describe(names, a) << '\n';
    ADD_FAILURE() << "seed " << seed << ": " << failure->why << " after action " << failure->index
                  << "; shrunk to " << shortest.size() << " actions ("
                  << (last.has_value() ? last->why : std::string("no longer fails")) << "):\n"
                  << listing.str();
  }
}

// Found by the random sequences. A run halted before its first step and then quit
// leaves its nuclei in the slot with no steps recorded: the slot's radio is enabled
// again and it stays current, Start is enabled but refuses it without a word (the slot
// holds nuclei), and both clear buttons say there is nothing to clear (all radios are
// enabled). The slot cannot be used until some other slot holds a run and is cleared
// together with it. Expected: the slot is either free again (Start starts a run there)
// or held as a stored run (its radio disabled, so that Clear one / Clear all free it).
TEST(Monkey, DISABLED_HaltBeforeTheFirstStepThenQuitLeavesAnUnusableSlot) {
  Window w;
  w.Click("RadioButton13");
  w.Click("Button1");  // Start
  w.Click("Button3");  // Halt, no tick yet
  w.Click("Button7");  // Quit
  ASSERT_TRUE(w["Button1"].enabled);
  ASSERT_TRUE(w["RadioButton3"].checked);
  w.Click("Button1");
  const bool started = w["Timer1"].enabled;
  w.Click("Button5");
  w.Click("BitBtn2");
  const bool clearable = w.host.messages.empty();
  EXPECT_TRUE(started || clearable) << "slot 1 holds " << w.store().SlotNuclei[1] << " nuclei and "
                                    << w.store().SlotSteps[1] << " steps";
}

}  // namespace
}  // namespace polycryst::ui
