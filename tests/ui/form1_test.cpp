#include "ui/form1.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "batch/batch.hpp"
#include "support/window_fixture.hpp"

namespace polycryst::ui {
namespace {

using runs::StatusWord;
using toolkit::HeadlessHost;
using testing::Window;

// The enabled state of the run controls, in this order.
constexpr std::string_view RunControls[] = {
    "Button1", "Button3", "Button7", "BitBtn1", "Button4", "Button5", "BitBtn2", "Edit1", "Edit2",
    "RadioButton1", "RadioButton2", "RadioButton11", "RadioButton12", "RadioButton13", "RadioButton14",
    "RadioButton15", "Timer1", "RadioButton3", "RadioButton4", "RadioButton5", "RadioButton6",
    "RadioButton7", "RadioButton8", "RadioButton9", "RadioButton10"};

std::string EnabledState(Window& w) {
  std::string s;
  for (std::string_view name : RunControls) s += w[name].enabled ? '1' : '0';
  return s;
}

TEST(RunControl, EnabledStateTable) {
  //                                   start halt quit exit clrg clr1 clra ed1 ed2 plate mode field timer slots
  struct Row {
    const char* state;
    std::function<void(Window&)> action;
    const char* enabled;
    StatusWord word;
  };
  const Row rows[] = {
      {"start-up", [](Window&) {}, "1011111101111111" "0" "11111111", StatusWord::Ready},
      {"Started", [](Window& w) { w.Click("Button1"); }, "0100000000000000" "1" "00000000", StatusWord::Started},
      {"Halted", [](Window& w) { w.Tick(), w.Click("Button3"); }, "0111000000000000" "0" "00000000",
       StatusWord::Halted},
      {"resumed", [](Window& w) { w.Click("Button3"); }, "0100000000000000" "1" "00000000", StatusWord::Resumed},
      {"Finished", [](Window& w) { w.TickUntilStopped(); }, "1001111101111111" "0" "01111111", StatusWord::Finished},
      {"Clear all", [](Window& w) { w.Click("BitBtn2"); }, "1001111101111111" "0" "11111111", StatusWord::Ready},
  };
  Window w;
  w.Click("RadioButton13");  // the small field keeps the run short
  for (const Row& row : rows) {
    SCOPED_TRACE(row.state);
    row.action(w);
    EXPECT_EQ(EnabledState(w), row.enabled);
    EXPECT_EQ(w.store().StatusText, row.word);
  }
  EXPECT_TRUE(w.host.messages.empty());
}

TEST(RunControl, CylindriteModeKeepsTheHeightEntryOpenAfterTheRun) {
  Window w;
  w.Click("RadioButton13");
  w.Click("RadioButton12");
  EXPECT_TRUE(w["Edit2"].enabled);
  w.Type("Edit2", "3");
  w.Click("Button1");
  EXPECT_FALSE(w["Edit2"].enabled);
  w.TickUntilStopped();
  EXPECT_TRUE(w["Edit2"].enabled);
  w.Click("RadioButton11");
  EXPECT_FALSE(w["Edit2"].enabled);
  EXPECT_EQ(w["Edit2"].text, "3");
}

TEST(RunControl, StartMessagesAndSilentRefusals) {
  struct Case {
    const char* nuclei;
    bool cylindrite;
    const char* height;
    const char* caption;  // nullptr: accepted
  };
  for (const Case& c : {Case{"0", false, "25", "Number of nuclei"}, Case{"2501", false, "25", "Number of nuclei"},
                        Case{"abc", true, "0", "Number of nuclei"}, Case{"25", true, "181", "Cylindrite height"},
                        Case{"25", true, "", "Cylindrite height"}, Case{"2500", false, "x", nullptr}}) {
    SCOPED_TRACE(c.nuclei);
    Window w;
    if (c.cylindrite) w.Click("RadioButton12");
    w.Type("Edit1", c.nuclei);
    w.Type("Edit2", c.height);
    const std::string before = EnabledState(w);
    w.Click("Button1");
    if (c.caption == nullptr) {
      EXPECT_TRUE(w.host.messages.empty());
      EXPECT_TRUE(w["Timer1"].enabled);
      continue;
    }
    ASSERT_EQ(w.host.messages.size(), 1u);
    EXPECT_EQ(w.host.messages[0], (HeadlessHost::Message{"Input a proper integer number!", c.caption}));
    EXPECT_EQ(EnabledState(w), before);
    EXPECT_TRUE(w["Label51"].visible);  // the title stays until a run really starts
    EXPECT_EQ(w["Edit1"].text, c.nuclei);
  }
}

TEST(RunControl, EnterDuringARunOrOnAFinishedSlotDoesNothing) {
  Window w;
  w.Click("RadioButton13");
  w.Click("Button1");
  w.Tick();
  const runs::SlotStore before = w.store();
  w.controls.KeyDown(toolkit::KeyEnter, nullptr);  // the Start button is disabled, Enter still reaches it
  EXPECT_EQ(w.store().SlotNuclei, before.SlotNuclei);
  EXPECT_EQ(w.store().StepIndex, before.StepIndex);
  EXPECT_TRUE(w.host.messages.empty());
}

TEST(RunControl, RunsEndOnAFullFieldOrTheStepLimit) {
  {
    Window w;  // 25 spherulites fill the 1000 x 1000 field before the limit
    w.Click("Button1");
    const int ticks = w.TickUntilStopped();
    EXPECT_EQ(ticks, 285);
    EXPECT_EQ(w.store().SlotSteps[1], 285);
    EXPECT_EQ(w.store().SlotX[1][285], 1.0);
    EXPECT_EQ(w["Label58"].text, "Finished!");
    EXPECT_EQ(w["Label59"].text, "time =  285    count =1000000    X =100.0000%");
    EXPECT_EQ(w.store().CurrentSlot, 2);
    EXPECT_TRUE(w["RadioButton4"].checked);
    EXPECT_EQ(w["Label13"].text, "Slot number = 2");
    EXPECT_TRUE(w["CheckBox1"].checked);
    EXPECT_EQ(w.store().SlotShown[1], 1);
  }
  {
    Window w;  // one short needle never fills the small field
    w.Click("RadioButton13");
    w.Click("RadioButton12");
    w.Type("Edit1", "1");
    w.Type("Edit2", "1");
    w.Click("Button1");
    EXPECT_EQ(w.TickUntilStopped(), 500);
    EXPECT_EQ(w.store().SlotSteps[1], 500);
    EXPECT_LT(w.store().SlotX[1][500], 1.0);
    EXPECT_EQ(w.store().StatusText, StatusWord::Finished);
  }
}

TEST(RunControl, StatusWordAppearsWithTheFirstTick) {
  Window w;
  EXPECT_EQ(w["Label58"].text, "Ready!");
  EXPECT_EQ(w["Label58"].font.colour, (toolkit::Rgb{0, 128, 0}));
  EXPECT_EQ(w["Label59"].text, "time =    0    count =0    X =  0.0000%");
  w.Click("Button1");
  EXPECT_EQ(w["Label58"].text, "Ready!");
  w.Tick();
  EXPECT_EQ(w["Label58"].text, "Started!");
  EXPECT_EQ(w["Label58"].font.colour, (toolkit::Rgb{255, 0, 0}));
  EXPECT_EQ(w["Label59"].text, "time =    1    count =125    X =  0.0125%");
  w.Click("Button3");
  EXPECT_EQ(w["Label58"].text, "Halted!");
  EXPECT_EQ(w["Label58"].font.colour, (toolkit::Rgb{0, 0, 255}));
  w.Click("Button3");
  EXPECT_EQ(w["Label58"].text, "resumed!");
  EXPECT_EQ(w["Label58"].font.colour, (toolkit::Rgb{0, 128, 0}));
}

TEST(RunControl, HaltShowsThePartialRunAndQuitFinishesIt) {
  Window w;
  w.Click("Button1");
  for (int i = 0; i < 40; ++i) w.Tick();
  w.Click("Button3");
  EXPECT_EQ(w.store().SlotSteps[1], 40);
  EXPECT_TRUE(w["CheckBox1"].checked);
  w.Tick();  // the timer is off: a stray tick does nothing
  EXPECT_EQ(w.store().StepIndex, 40);
  w.Click("Button7");
  EXPECT_EQ(w.store().SlotSteps[1], 40);
  EXPECT_EQ(w.store().StatusText, StatusWord::Finished);
  EXPECT_EQ(w.store().LastSlot, 1);
  EXPECT_FALSE(w["RadioButton3"].enabled);
  EXPECT_EQ(w.store().CurrentSlot, 2);
}

TEST(RunControl, QuitAtStartUpFinishesTheEmptySlot) {
  Window w;
  w.Click("Button7");
  EXPECT_EQ(w.store().LastSlot, 1);
  EXPECT_TRUE(w["CheckBox1"].checked);
  EXPECT_EQ(w.store().SlotNuclei[1], 0);
  EXPECT_EQ(w["Label58"].text, "Finished!");
  EXPECT_FALSE(w["Button7"].enabled);
  EXPECT_EQ(EnabledState(w), "1001111101111111" "0" "11111111");
  EXPECT_EQ(w.store().CurrentSlot, 1);
}

TEST(RunControl, EighthSlotLeavesNoFreeRadio) {
  Window w;
  w.Click("RadioButton13");
  w.Type("Edit1", "2500");
  for (int k = 1; k <= 8; ++k) {
    ASSERT_EQ(w.store().CurrentSlot, k);
    w.Click("Button1");
    w.TickUntilStopped();
  }
  EXPECT_EQ(EnabledState(w).substr(17), "00000000");
  EXPECT_EQ(w.store().CurrentSlot, 8);
  const runs::SlotStore before = w.store();
  w.Click("Button1");  // refused without a word
  w.Click("RadioButton15");  // the finished run keeps its field
  EXPECT_EQ(w.store().SlotCells[8], 250000);
  EXPECT_EQ(w.store().SlotMaxSteps[8], 500);
  EXPECT_EQ(w["Label12"].text, "/4000000");
  EXPECT_FALSE(w["Timer1"].enabled);
  EXPECT_TRUE(w.host.messages.empty());
  EXPECT_EQ(w.store().SlotSteps, before.SlotSteps);
}

TEST(Window, EnterOnEachPage) {
  Window w;
  w.controls.SetPageIndex(w["PageControl1"], 2);
  w.controls.KeyDown(toolkit::KeyEnter, nullptr);
  EXPECT_FALSE(w["Timer1"].enabled);
  w.controls.SetPageIndex(w["PageControl1"], 1);
  w.Type("Edit3", "0.95");
  w.controls.KeyDown(toolkit::KeyEnter, &w["Edit3"]);  // the page's default button, Change
  EXPECT_EQ(w.store().FitUpperLimit, 0.95);
  w.Type("Edit3", "0.9");
  w.controls.KeyDown(toolkit::KeyEnter, nullptr);  // the window's own key handler
  EXPECT_EQ(w.store().FitUpperLimit, 0.9);
  w.controls.SetPageIndex(w["PageControl1"], 0);
  w.controls.KeyDown(toolkit::KeyEnter, &w["Edit1"]);
  EXPECT_TRUE(w["Timer1"].enabled);
}

TEST(Window, FirstActivationScalesTheExtentsOnce) {
  HeadlessHost host;
  TForm1 form(host);
  EXPECT_EQ(form.Field().ImageSize, 0);
  host.pageSize = {1230, 594};
  form.FForm1();
  EXPECT_EQ(host.pageRequests.size(), 1u);
  EXPECT_EQ(host.pageRequests[0].width, 1230);
  EXPECT_EQ(host.pageRequests[0].height, 596);
  EXPECT_EQ(form.Field().ImageSize, 500);
  const int extents[] = {form.ProgressWidth, form.ProgressHeight, form.AvramiPlotWidth, form.AvramiPlotHeight,
                         form.RatePlotWidth, form.RatePlotHeight, form.Control("StringGrid1").rowHeight,
                         form.Control("StringGrid1").height};
  const int expected[] = {300, 179, 250, 449, 350, 199, 19, 199};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(extents[i], expected[i]) << i;

  form.MutableStore().SlotNuclei[3] = 9;
  form.FForm1();  // later activations do nothing
  EXPECT_EQ(form.Store().SlotNuclei[3], 9);
  EXPECT_EQ(host.pageRequests.size(), 1u);
}

TEST(Window, ClearGraphLeavesTheStoredRunAlone) {
  Window w;
  w.Click("RadioButton13");
  w.Click("Button1");
  w.TickUntilStopped();
  w.Click("RadioButton15");  // a bigger field for the next run
  w.Click("Button4");
  EXPECT_EQ(w.store().SlotCells[1], 250000);
  EXPECT_EQ(w["Label13"].text, "Slot number = 1");
  EXPECT_NE(w["Label59"].text.find("X =100.0000%"), std::string::npos);
  EXPECT_EQ(w["Image2"].picture.Pixel(150, 90), toolkit::White);  // the traces are gone
  EXPECT_EQ(w["Image2"].picture.Pixel(0, 0), toolkit::Black);       // the frame is back
}

TEST(Window, PlateRadiosBlankThePicture) {
  Window w;
  w.Click("RadioButton13");
  w.Click("Button1");
  w.TickUntilStopped();
  const runs::SlotStore before = w.store();
  w.Click("RadioButton2");
  EXPECT_EQ(w["Image1"].picture, toolkit::Picture(500, 500, toolkit::Rgb{255, 63, 63}));
  EXPECT_EQ(w["Label51"].background, (toolkit::Rgb{255, 63, 63}));
  EXPECT_EQ(w.store().SlotX, before.SlotX);  // the run's record is not touched
}

TEST(Window, RunsEqualTheBatchTool) {
  // The same runs through the window and through the batch tool.
  Window w;
  w.Click("Button1");
  w.TickUntilStopped();
  w.Click("RadioButton15");
  w.Click("RadioButton2");
  w.Click("RadioButton12");
  w.Type("Edit1", "40");
  w.Type("Edit2", "8");
  w.Click("Button1");
  w.TickUntilStopped();

  batch::BatchOptions options;
  options.runs = {{runs::SlotMode::Spherulite, 25, 0, 2, sim::Plate::Off},
                  {runs::SlotMode::Cylindrite, 40, 8, 4, sim::Plate::On}};
  auto b = std::make_unique<batch::Batch>();
  std::string error;
  ASSERT_TRUE(b->Run(options, error));
  EXPECT_EQ(w["Image1"].picture, b->SlotPicture(2));
  for (int k = 1; k <= 2; ++k) {
    EXPECT_EQ(w.store().SlotX[k], b->Store().SlotX[k]);
    EXPECT_EQ(w.store().SlotRateSmooth[k], b->Store().SlotRateSmooth[k]);
  }
}

}  // namespace
}  // namespace polycryst::ui
