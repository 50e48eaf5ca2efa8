#include <gtest/gtest.h>

#include <sstream>

#include "batch/batch.hpp"
#include "support/window_fixture.hpp"

namespace polycryst::ui {
namespace {

using testing::Window;
using toolkit::HeadlessHost;

std::string GridAsTable(Window& w) {
  const toolkit::Control& grid = w["StringGrid1"];
  std::string out;
  for (int r = 0; r < grid.rows; ++r) {
    for (int c = 0; c < grid.columns; ++c) {
      if (c != 0) out += '\t';
      out += grid.Cell(c, r);
    }
    out += '\n';
  }
  return out;
}

TEST(AnalysisPage, TableEqualsTheBatchTool) {
  Window w;
  w.Click("RadioButton13");
  w.Click("RadioButton12");
  w.Type("Edit2", "25");
  w.Click("Button1");
  w.TickUntilStopped();
  w.Click("RadioButton11");
  w.Type("Edit1", "7");
  w.Click("Button1");
  w.TickUntilStopped();
  EXPECT_EQ(w.host.PaintPending(w.controls), 3);  // both plots and the title, once each
  EXPECT_EQ(w.host.paintOrder, (std::vector<std::string>{"PaintBox3", "PaintBox2", "PaintBox4"}));

  std::vector<std::string_view> args{"--field", "500", "cylindrite:25:25", "spherulite:7"};
  std::ostringstream table;
  std::ostringstream err;
  ASSERT_EQ(batch::RunCommandLine(args, table, err), 0);
  EXPECT_EQ(GridAsTable(w), table.str());
  EXPECT_TRUE(w["CheckBox1"].enabled);
  EXPECT_FALSE(w["CheckBox3"].enabled);
  EXPECT_EQ(w["Label46"].text, "200");
  EXPECT_EQ(w["Label39"].text, "0.0016");
  EXPECT_EQ(w["Label35"].text, "1.000");
}

TEST(AnalysisPage, ScaleButtonsStopAtTheirLimits) {
  struct Case {
    const char* button;
    const char* label;
    const char* atLimit;
  };
  for (const Case c : {Case{"Button8", "Label46", "1600"}, Case{"Button9", "Label46", "25"},
                       Case{"Button10", "Label39", "0.0128"}, Case{"Button11", "Label39", "0.0001"},
                       Case{"Button12", "Label35", "1.000"}, Case{"Button13", "Label35", "0.125"}}) {
    SCOPED_TRACE(c.button);
    Window w;
    for (int i = 0; i < 10; ++i) {
      w.Click(c.button);
      EXPECT_TRUE(w.controls.HasPendingPaint());  // a press repaints, at the limit too
      w.host.PaintPending(w.controls);
    }
    EXPECT_EQ(w[c.label].text, c.atLimit);
    EXPECT_EQ(w.host.paintOrder.back(), "PaintBox4");
  }
}

TEST(AnalysisPage, ChangeTheFitLimit) {
  struct Case {
    const char* text;
    double limit;     // afterwards
    bool message;
    const char* edit;  // Edit3 afterwards
    bool repaint;
  };
  const Case cases[] = {
      {"0.9", 0.9, false, "0.9", true},
      {"0.99999", 0.99999, false, "0.99999", true},
      {"0.95", 0.95, false, "0.95", true},
      {"0,95", 0.95, false, "0,95", true},
      {"0.990", 0.99, false, "0.990", false},  // the same value written differently
      {" 0.99 ", 0.99, false, " 0.99 ", false},
      {"0.89999", 0.99, true, "0.99", false},
      {"1", 0.99, true, "0.99", false},
      {"abc", 0.99, true, "0.99", false},
      {"", 0.99, true, "0.99", false},
      {"   ", 0.99, true, "0.99", false},
      {"nan", 0.99, true, "0.99", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    Window w;
    w.host.PaintPending(w.controls);
    w.Type("Edit3", c.text);
    w.Click("Button2");
    EXPECT_EQ(w.store().FitUpperLimit, c.limit);
    EXPECT_EQ(w["Edit3"].text, c.edit);
    EXPECT_EQ(w.host.messages.size(), c.message ? 1u : 0u);
    if (c.message) {
      EXPECT_EQ(w.host.messages[0], (HeadlessHost::Message{"Input a proper real number!", "X uppler limit"}));
    }
    EXPECT_EQ(w.controls.HasPendingPaint(), c.repaint);
  }
}

TEST(SlotManagement, ClearOne) {
  // Slots 1 and 2 hold runs, slot 3 is current and free.
  struct Case {
    std::optional<std::string> answer;  // nullopt: Cancel
    const char* message;                // nullptr: none
    int current;
    std::array<int, 3> nuclei;  // of slots 1..3 afterwards
  };
  const Case cases[] = {
      {"", "Input a proper integer number!", 3, {25, 25, 0}},
      {std::nullopt, "Input a proper integer number!", 3, {25, 25, 0}},
      {"abc", "Input a proper integer number!", 3, {25, 25, 0}},
      {"-1", "Input a proper integer number!", 3, {25, 25, 0}},
      {"0", nullptr, 3, {25, 25, 0}},
      {"9", nullptr, 3, {25, 25, 0}},
      {"-5", nullptr, 3, {25, 25, 0}},
      {"3", nullptr, 3, {25, 25, 0}},  // a free slot: nothing but the counters
      {"1", nullptr, 1, {0, 25, 0}},   // a taken slot that is not current
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("Cancel"));
    Window w;
    w.Click("RadioButton13");
    for (int i = 0; i < 2; ++i) {
      w.Click("Button1");
      w.TickUntilStopped();
    }
    w.host.answers.push_back(c.answer);
    w.Click("Button5");
    ASSERT_EQ(w.host.inputs.size(), 1u);
    EXPECT_EQ(w.host.inputs[0].caption, "Clear data");
    EXPECT_EQ(w.host.inputs[0].prompt, "Which number?");
    if (c.message != nullptr) {
      EXPECT_EQ(w.host.messages, (std::vector<HeadlessHost::Message>{{c.message, "Clear one"}}));
    } else {
      EXPECT_TRUE(w.host.messages.empty());
    }
    EXPECT_EQ(w.store().CurrentSlot, c.current);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(w.store().SlotNuclei[k], c.nuclei[k - 1]) << k;
    if (c.answer == "1") {
      EXPECT_TRUE(w["RadioButton3"].enabled);
      EXPECT_FALSE(w["CheckBox1"].checked);
      EXPECT_EQ(w["Label13"].text, "Slot number = 1");
    }
  }
}

TEST(SlotManagement, ClearOneAfterEightRunsFreesThatSlot) {
  Window w;
  w.Click("RadioButton13");
  for (int k = 1; k <= 8; ++k) {
    w.Click("Button1");
    w.TickUntilStopped();
  }
  w.host.answers.push_back("5");
  w.Click("Button5");
  EXPECT_EQ(w.store().CurrentSlot, 5);
  w.Click("Button1");
  EXPECT_TRUE(w["Timer1"].enabled);
  EXPECT_EQ(w.store().SlotNuclei[5], 25);
}

TEST(SlotManagement, ClearAllAndNothingToClear) {
  Window w;
  w.Click("Button5");
  w.Click("BitBtn2");
  EXPECT_EQ(w.host.messages, (std::vector<HeadlessHost::Message>{{"No slot to clear!", "Clear one"},
                                                                   {"All slots are clear!", "Clear all"}}));
  w.host.messages.clear();
  w.Click("RadioButton13");
  w.Click("RadioButton5");  // slot 3
  w.Click("Button1");
  w.TickUntilStopped();
  w.Click("RadioButton9");  // slot 7 selected before clearing
  w.Click("BitBtn2");
  EXPECT_TRUE(w.host.messages.empty());
  EXPECT_EQ(w.store().CurrentSlot, 1);
  EXPECT_TRUE(w["RadioButton3"].checked);
  EXPECT_EQ(w["Label13"].text, "Slot number = 1");
  EXPECT_EQ(w.store().SlotNuclei[3], 0);
  EXPECT_FALSE(w["CheckBox3"].checked);
  EXPECT_EQ(w["Label58"].text, "Ready!");
  EXPECT_FALSE(w["Label51"].visible);  // the title labels stay gone
  EXPECT_EQ(w["Image1"].picture, toolkit::Picture(500, 500, toolkit::Black));
}

}  // namespace
}  // namespace polycryst::ui
