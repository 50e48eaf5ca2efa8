// What the window does with every kind of text a user can type into its number entries
// and the "Clear one" input box: a proper number is taken, anything else gets one
// message and leaves the window and the slot store exactly as they were.

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/window_fixture.hpp"

namespace polycryst::ui {
namespace {

using testing::Window;
using toolkit::HeadlessHost;

// Every control's enabled, checked and text state, except the entry being typed into
// (a rejected fit limit is written back into its entry).
std::vector<std::string> ControlSnapshot(Window& w, std::string_view except) {
  std::vector<std::string> out;
  for (const auto& c : w.controls.Controls()) {
    if (c->name == except) continue;
    out.push_back(c->name + (c->enabled ? " on " : " off ") + (c->checked ? "checked " : "- ") + c->text);
  }
  return out;
}

// The names of the store fields that differ.
std::vector<std::string> StoreDiff(const runs::SlotStore& a, const runs::SlotStore& b) {
  std::vector<std::string> d;
  const auto check = [&d](bool same, const char* name) {
    if (!same) d.emplace_back(name);
  };
  check(a.SlotNuclei == b.SlotNuclei, "SlotNuclei");
  check(a.SlotMode == b.SlotMode, "SlotMode");
  check(a.SlotHeight == b.SlotHeight, "SlotHeight");
  check(a.SlotCells == b.SlotCells, "SlotCells");
  check(a.SlotMaxSteps == b.SlotMaxSteps, "SlotMaxSteps");
  check(a.SlotShape == b.SlotShape, "SlotShape");
  check(a.SlotSteps == b.SlotSteps, "SlotSteps");
  check(a.SlotPeakStep == b.SlotPeakStep, "SlotPeakStep");
  check(a.SlotPeakRate == b.SlotPeakRate, "SlotPeakRate");
  check(a.SlotShown == b.SlotShown, "SlotShown");
  check(a.SlotAvramiN == b.SlotAvramiN, "SlotAvramiN");
  check(a.SlotLogK == b.SlotLogK, "SlotLogK");
  check(a.SlotX == b.SlotX, "SlotX");
  check(a.SlotRate == b.SlotRate, "SlotRate");
  check(a.SlotTime == b.SlotTime, "SlotTime");
  check(a.SlotRateSmooth == b.SlotRateSmooth, "SlotRateSmooth");
  check(a.CurrentSlot == b.CurrentSlot, "CurrentSlot");
  check(a.StepIndex == b.StepIndex, "StepIndex");
  check(a.CrystalCount == b.CrystalCount, "CrystalCount");
  check(a.LastSlot == b.LastSlot, "LastSlot");
  check(a.StatusText == b.StatusText, "StatusText");
  check(a.FitUpperLimit == b.FitUpperLimit, "FitUpperLimit");
  check(a.FitLowerLimit == b.FitLowerLimit, "FitLowerLimit");
  return d;
}

using Messages = std::vector<HeadlessHost::Message>;

struct Text {
  const char* label;  // for the trace: some texts do not print well
  std::string text;
  std::optional<std::int64_t> integer;  // what it reads as an integer, nullopt: no integer
  std::optional<double> real;           // what it reads as a real, nullopt: no real
};

const std::vector<Text>& Texts() {
  static const std::vector<Text> texts = {
      {"empty", "", std::nullopt, std::nullopt},
      {"blanks only", "   ", std::nullopt, std::nullopt},
      {"blanks around", "  25 ", 25, 25.0},
      {"tabs around", "\t25\t", 25, 25.0},
      {"inner blank", "2 5", std::nullopt, std::nullopt},
      {"plus", "+25", 25, 25.0},
      {"minus", "-25", -25, -25.0},
      {"two signs", "+-25", std::nullopt, std::nullopt},
      {"leading zeros", "007", 7, 7.0},
      {"small, padded", " 2 ", 2, 2.0},
      {"small, plus", "+2", 2, 2.0},
      {"small, zero", "02", 2, 2.0},
      {"largest int32", "2147483647", 2147483647, 2147483647.0},
      {"past int32", "2147483648", std::nullopt, 2147483648.0},
      {"smallest int32", "-2147483648", -2147483648LL, -2147483648.0},
      {"25 digits", "1234567890123456789012345", std::nullopt, 1234567890123456789012345.0},
      {"word", "abc", std::nullopt, std::nullopt},
      {"number and word", "25abc", std::nullopt, std::nullopt},
      {"nan", "nan", std::nullopt, std::nullopt},
      {"inf", "inf", std::nullopt, std::nullopt},
      {"minus inf", "-inf", std::nullopt, std::nullopt},
      {"exponent", "1e3", std::nullopt, 1000.0},
      {"exponent without digits", "1e", std::nullopt, std::nullopt},
      {"hexadecimal", "0x10", std::nullopt, std::nullopt},
      {"point", "0.95", std::nullopt, 0.95},
      {"comma", "0,95", std::nullopt, 0.95},
      {"two separators", "0.9.5", std::nullopt, std::nullopt},
      {"exponent and padding", " 9.5E-1 ", std::nullopt, 0.95},
      {"overflowing real", "1e400", std::nullopt, std::nullopt},
      {"full-width digits", "\xEF\xBC\x92\xEF\xBC\x95", std::nullopt, std::nullopt},
      {"no-break space around", "\xC2\xA0" "25", std::nullopt, std::nullopt},
      {"10000 characters, zeros then 25", std::string(9998, '0') + "25", 25, 25.0},
      {"10000 nines", std::string(10000, '9'), std::nullopt, std::nullopt},
      {"10000 letters", std::string(10000, 'a'), std::nullopt, std::nullopt},
  };
  return texts;
}

bool InRange(const std::optional<std::int64_t>& v, std::int64_t low, std::int64_t high) {
  return v.has_value() && *v >= low && *v <= high;
}

// Start with the text as the number of nuclei (spherulites), or as the cylindrite
// height with five nuclei.
TEST(BadInput, StartEntries) {
  struct Entry {
    const char* edit;
    const char* caption;
    std::int64_t high;
  };
  for (const Entry entry : {Entry{"Edit1", "Number of nuclei", 2500}, Entry{"Edit2", "Cylindrite height", 180}}) {
    for (const Text& t : Texts()) {
      SCOPED_TRACE(std::string(entry.edit) + ": " + t.label);
      Window w;
      w.Click("RadioButton13");
      if (entry.edit == std::string_view("Edit2")) {
        w.Click("RadioButton12");
        w.Type("Edit1", "5");
      }
      w.Type(entry.edit, t.text);
      const runs::SlotStore before = w.store();
      const std::vector<std::string> controls = ControlSnapshot(w, entry.edit);
      w.Click("Button1");
      if (InRange(t.integer, 1, entry.high)) {
        EXPECT_TRUE(w.host.messages.empty());
        EXPECT_TRUE(w["Timer1"].enabled);
        const auto& taken = entry.edit == std::string_view("Edit1") ? w.store().SlotNuclei : w.store().SlotHeight;
        EXPECT_EQ(taken[1], *t.integer);
        continue;
      }
      EXPECT_EQ(w.host.messages, (Messages{{"Input a proper integer number!", entry.caption}}));
      EXPECT_EQ(ControlSnapshot(w, entry.edit), controls);
      // A rejected height leaves the chosen mode in the empty slot; the next run
      // overwrites it and nothing shows the mode of an empty slot.
      runs::SlotStore after = w.store();
      after.SlotMode[1] = before.SlotMode[1];
      EXPECT_EQ(StoreDiff(before, after), std::vector<std::string>{});
      EXPECT_EQ(w[entry.edit].text, t.text);
    }
  }
}

TEST(BadInput, FitLimitEntry) {
  for (const Text& t : Texts()) {
    SCOPED_TRACE(t.label);
    Window w;
    w.controls.SetPageIndex(w["PageControl1"], 1);
    w.Type("Edit3", t.text);
    const runs::SlotStore before = w.store();
    const std::vector<std::string> controls = ControlSnapshot(w, "Edit3");
    w.Click("Button2");
    if (t.real.has_value() && *t.real >= 0.9 && *t.real <= 0.99999) {
      EXPECT_TRUE(w.host.messages.empty());
      EXPECT_EQ(w.store().FitUpperLimit, *t.real);
      EXPECT_EQ(w["Edit3"].text, t.text);
      continue;
    }
    EXPECT_EQ(w.host.messages, (Messages{{"Input a proper real number!", "X uppler limit"}}));
    EXPECT_EQ(w.store().FitUpperLimit, 0.99);
    EXPECT_EQ(w["Edit3"].text, "0.99");
    EXPECT_EQ(ControlSnapshot(w, "Edit3"), controls);
    EXPECT_EQ(StoreDiff(before, w.store()), std::vector<std::string>{});
  }
}

// Slots 1 and 2 hold runs, slot 3 is current; the text is the answer to "Which number?".
TEST(BadInput, ClearOneAnswer) {
  for (const Text& t : Texts()) {
    SCOPED_TRACE(t.label);
    Window w;
    w.Click("RadioButton13");
    for (int i = 0; i < 2; ++i) {  // two short runs: three steps, halted and quit
      w.Click("Button1");
      for (int tick = 0; tick < 3; ++tick) w.Tick();
      w.Click("Button3");
      w.Click("Button7");
    }
    ASSERT_EQ(w.store().CurrentSlot, 3);
    const runs::SlotStore before = w.store();
    const std::vector<std::string> controls = ControlSnapshot(w, "");
    w.host.answers.push_back(t.text);
    w.Click("Button5");
    ASSERT_EQ(w.host.inputs.size(), 1u);
    if (!t.integer.has_value() || *t.integer == -1) {
      EXPECT_EQ(w.host.messages, (Messages{{"Input a proper integer number!", "Clear one"}}));
      EXPECT_EQ(ControlSnapshot(w, ""), controls);
      EXPECT_EQ(StoreDiff(before, w.store()), std::vector<std::string>{});
      continue;
    }
    EXPECT_TRUE(w.host.messages.empty());
    if (InRange(t.integer, 1, 8)) {
      const int k = static_cast<int>(*t.integer);
      EXPECT_EQ(w.store().SlotNuclei[k], 0);
      EXPECT_EQ(w.store().SlotSteps[k], 0);
      EXPECT_EQ(w.store().CurrentSlot, k <= 2 ? k : 3);  // a freed slot becomes current
      EXPECT_TRUE(w["RadioButton" + std::to_string(k + 2)].enabled);
      EXPECT_FALSE(w["CheckBox" + std::to_string(k)].checked);
    } else {  // no such slot: nothing happens
      EXPECT_EQ(ControlSnapshot(w, ""), controls);
      EXPECT_EQ(StoreDiff(before, w.store()), std::vector<std::string>{});
    }
  }
}

}  // namespace
}  // namespace polycryst::ui
