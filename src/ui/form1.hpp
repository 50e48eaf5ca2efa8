#pragma once
// The program's one window. TForm1 owns the slot store, the field, the generator and
// the controls; its handlers read the controls, call the simulation, run and analysis
// code, and apply the results. It sees only the toolkit layer, never a display.

#include <array>
#include <memory>
#include <string>

#include "runs/slots.hpp"
#include "sim/field.hpp"
#include "sim/generator.hpp"
#include "toolkit/form.hpp"

namespace polycryst::ui {

class TForm1 {
 public:
  // Builds the controls from the layout table and runs the creation initialisation.
  explicit TForm1(toolkit::Host& host);
  TForm1(const TForm1&) = delete;
  TForm1& operator=(const TForm1&) = delete;

  toolkit::Form& Form() { return form_; }
  toolkit::Control& Control(std::string_view name) const;
  const runs::SlotStore& Store() const { return *store_; }
  runs::SlotStore& MutableStore() { return *store_; }
  const sim::Field& Field() const { return *field_; }
  bool Activated() const { return activated_; }

  // Window events.
  void FormCreate();
  void FForm1();  // the first activation; later calls do nothing
  void FormDestroy();
  void FormKeyDown(int key);

  // Run control.
  void Button1Click();  // Start
  void Timer1Timer();
  void Button3Click();  // Halt/Resume
  void Button7Click();  // Quit
  void BitBtn1Click();  // Exit
  void Button4Click();  // Clear graph
  void FinishRun();

  // Conditions.
  void RadioButton1Click();  // plate off
  void RadioButton2Click();  // plate on
  void RadioButton11Click();  // spherulites
  void RadioButton12Click();  // cylindrites
  void RadioButton13Click();  // 500 x 500
  void RadioButton14Click();  // 1000 x 1000
  void RadioButton15Click();  // 2000 x 2000
  void SlotRadioClick(int k);  // RadioButton3Click .. RadioButton10Click

  // Slot management.
  void Button5Click();  // Clear one
  void BitBtn2Click();  // Clear all

  // Analysis page.
  void PaintBox3Paint(toolkit::Canvas& canvas);  // the Avrami plot
  void PaintBox2Paint(toolkit::Canvas& canvas);  // its rotated axis title
  void PaintBox4Paint(toolkit::Canvas& canvas);  // X and dX/dt against time
  void FillSummary();
  void Button2Click();  // Change the fit limit
  void Button8Click();  // time span up
  void Button9Click();  // time span down
  void Button10Click();  // rate span up
  void Button11Click();  // rate span down
  void Button12Click();  // X span up
  void Button13Click();  // X span down
  void SlotCheckClick(int k);  // CheckBox1Click .. CheckBox8Click

  // The scales of the X and dX/dt plot; no reset touches them.
  double PlotTimeSpan = 200.0;
  double PlotRateSpan = 0.0016;
  double PlotXSpan = 1.0;

  // Slot controls; each does nothing for k outside 1..8.
  void DisableSlotButton(int k);
  void EnableSlotButton(int k);
  void SelectSlotButton(int k);
  void ShowSlot(int k);
  void HideSlot(int k);
  void EnableSlotCheck(int k);
  void DisableSlotCheck(int k);

  void ShowStatus();
  void ResetFieldImage();

  // Drawing extents, set by the first activation.
  int ProgressWidth = 300;
  int ProgressHeight = 180;
  int AvramiPlotWidth = 250;
  int AvramiPlotHeight = 450;
  int RatePlotWidth = 350;
  int RatePlotHeight = 200;

  static constexpr double ProgressTimeSpan = 200.0;
  static constexpr double ProgressRateSpan = 0.002;

 private:
  void BuildControls();
  void FieldSizeChoice(int scale);
  bool AllSlotRadiosEnabled() const;
  void ShowFieldImage();
  void DrawProgressSegment(int k, int t);
  void ClearProgressGraph();
  sim::Plate PlateSetting() const;
  std::string SlotText(int k) const;

  toolkit::Host& host_;
  toolkit::Form form_;
  std::unique_ptr<runs::SlotStore> store_;
  std::unique_ptr<sim::Field> field_;
  sim::Generator generator_;
  bool activated_ = false;

  // The controls the handlers use, looked up once.
  toolkit::Control* TabSheet1 = nullptr;
  toolkit::Control* PageControl1 = nullptr;
  toolkit::Control* Timer1 = nullptr;
  toolkit::Control* Image1 = nullptr;
  toolkit::Control* Image2 = nullptr;
  toolkit::Control* Label8 = nullptr;
  toolkit::Control* Label9 = nullptr;
  toolkit::Control* Label12 = nullptr;
  toolkit::Control* Label13 = nullptr;
  toolkit::Control* Label43 = nullptr;
  toolkit::Control* Label49 = nullptr;
  toolkit::Control* Label58 = nullptr;
  toolkit::Control* Label59 = nullptr;
  std::array<toolkit::Control*, 4> titleLabels_{};  // Label51, Label61, Label62, Label63
  toolkit::Control* Edit1 = nullptr;
  toolkit::Control* Edit2 = nullptr;
  toolkit::Control* Edit3 = nullptr;
  toolkit::Control* Button1 = nullptr;
  toolkit::Control* Button3 = nullptr;
  toolkit::Control* Button4 = nullptr;
  toolkit::Control* Button5 = nullptr;
  toolkit::Control* Button7 = nullptr;
  toolkit::Control* BitBtn1 = nullptr;
  toolkit::Control* BitBtn2 = nullptr;
  toolkit::Control* RadioButton1 = nullptr;
  toolkit::Control* RadioButton2 = nullptr;
  toolkit::Control* RadioButton11 = nullptr;
  toolkit::Control* RadioButton12 = nullptr;
  toolkit::Control* RadioButton13 = nullptr;
  toolkit::Control* RadioButton14 = nullptr;
  toolkit::Control* RadioButton15 = nullptr;
  toolkit::Control* StringGrid1 = nullptr;
  toolkit::Control* PaintBox2 = nullptr;
  toolkit::Control* PaintBox3 = nullptr;
  toolkit::Control* TabSheet2 = nullptr;
  toolkit::Control* Label35 = nullptr;
  toolkit::Control* Label39 = nullptr;
  toolkit::Control* Label46 = nullptr;
  toolkit::Control* PaintBox4 = nullptr;
  std::array<toolkit::Control*, runs::SlotEntries> slotRadios_{};  // RadioButton3 .. RadioButton10
  std::array<toolkit::Control*, runs::SlotEntries> slotChecks_{};  // CheckBox1 .. CheckBox8
};

}  // namespace polycryst::ui
