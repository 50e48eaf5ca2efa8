#include "ui/form1.hpp"

#include <cmath>
#include <stdexcept>

#include "analysis/avrami.hpp"
#include "analysis/plots.hpp"
#include "analysis/summary.hpp"
#include "runs/run.hpp"
#include "runs/smoothing.hpp"
#include "runs/status.hpp"
#include "sim/colours.hpp"
#include "sim/growth.hpp"
#include "sim/start.hpp"
#include "toolkit/convert.hpp"
#include "toolkit/format.hpp"
#include "ui/help_text.hpp"
#include "ui/layout.hpp"

namespace polycryst::ui {

using toolkit::Kind;
using toolkit::FormatPicture;

namespace {

std::string JoinLines(std::span<const std::string_view> lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i != 0) text += '\n';
    text += lines[i];
  }
  return text;
}

}  // namespace

TForm1::TForm1(toolkit::Host& host)
    : host_(host), store_(std::make_unique<runs::SlotStore>()), field_(std::make_unique<sim::Field>()) {
  BuildControls();
  FormCreate();
}

toolkit::Control& TForm1::Control(std::string_view name) const {
  toolkit::Control* c = form_.Find(name);
  if (c == nullptr) throw std::logic_error("no control named " + std::string(name));
  return *c;
}

void TForm1::BuildControls() {
  toolkit::Control& window = form_.Window();
  window.text = "Main";
  window.left = 249;
  window.top = 139;
  window.width = 1253;
  window.height = 668;
  window.background = toolkit::WindowColour;
  form_.onKeyDown = [this](int key) { FormKeyDown(key); };

  for (const LayoutRecord& r : WindowLayout()) {
    toolkit::Control* parent = r.parent.empty() ? &window : &Control(r.parent);
    toolkit::Control c;
    c.kind = r.kind;
    c.name = r.name;
    c.left = r.left;
    c.top = r.top;
    c.width = r.width;
    c.height = r.height;
    c.text = r.caption;
    c.font = r.font == FontId::Inherit ? parent->font : MakeFont(r.font);
    c.checked = (r.flags & flag::Checked) != 0;
    c.enabled = (r.flags & flag::Disabled) == 0;
    c.wordWrap = (r.flags & flag::WordWrap) != 0;
    c.isDefault = (r.flags & flag::Default) != 0;
    if ((r.flags & flag::OnTheField) != 0) c.background = toolkit::Black;
    if (r.click != nullptr) c.onClick = [this, click = r.click] { click(*this); };
    if (r.paint != nullptr) c.onPaint = [this, paint = r.paint](toolkit::Canvas& canvas) { paint(*this, canvas); };
    if (r.kind == Kind::Image) c.picture.Reset(r.width, r.height, toolkit::White);
    if (r.kind == Kind::StringGrid) {
      c.columns = analysis::SummaryColumns;
      c.rows = runs::SlotEntries;
      c.rowHeight = 20;
      c.columnWidths.assign(std::begin(SummaryColumnWidths), std::end(SummaryColumnWidths));
    }
    if (r.name == "Memo1") c.text = JoinLines(HelpTextLeft());
    if (r.name == "Memo2") c.text = JoinLines(HelpTextRight());
    form_.Add(std::move(c), parent);
  }
  Control("Timer1").onTimer = [this] { Timer1Timer(); };

  PageControl1 = &Control("PageControl1");
  TabSheet1 = &Control("TabSheet1");
  TabSheet2 = &Control("TabSheet2");
  Timer1 = &Control("Timer1");
  Image1 = &Control("Image1");
  Image2 = &Control("Image2");
  Label8 = &Control("Label8");
  Label9 = &Control("Label9");
  Label12 = &Control("Label12");
  Label13 = &Control("Label13");
  Label35 = &Control("Label35");
  Label39 = &Control("Label39");
  Label43 = &Control("Label43");
  Label46 = &Control("Label46");
  Label49 = &Control("Label49");
  Label58 = &Control("Label58");
  Label59 = &Control("Label59");
  titleLabels_ = {&Control("Label51"), &Control("Label61"), &Control("Label62"), &Control("Label63")};
  Edit1 = &Control("Edit1");
  Edit2 = &Control("Edit2");
  Edit3 = &Control("Edit3");
  Button1 = &Control("Button1");
  Button3 = &Control("Button3");
  Button4 = &Control("Button4");
  Button5 = &Control("Button5");
  Button7 = &Control("Button7");
  BitBtn1 = &Control("BitBtn1");
  BitBtn2 = &Control("BitBtn2");
  RadioButton1 = &Control("RadioButton1");
  RadioButton2 = &Control("RadioButton2");
  RadioButton11 = &Control("RadioButton11");
  RadioButton12 = &Control("RadioButton12");
  RadioButton13 = &Control("RadioButton13");
  RadioButton14 = &Control("RadioButton14");
  RadioButton15 = &Control("RadioButton15");
  StringGrid1 = &Control("StringGrid1");
  PaintBox2 = &Control("PaintBox2");
  PaintBox3 = &Control("PaintBox3");
  PaintBox4 = &Control("PaintBox4");
  for (int k = 1; k <= runs::SlotCount; ++k) {
    slotRadios_[k] = &Control("RadioButton" + std::to_string(k + 2));
    slotChecks_[k] = &Control("CheckBox" + std::to_string(k));
  }
}

// ---------------------------------------------------------------- window events

void TForm1::FormCreate() {
  runs::SlotStore& s = *store_;
  sim::Field& f = *field_;
  s.CurrentSlot = 1;
  f.FieldSize = sim::BaseFieldSize * f.FieldScale;
  s.SlotCells[1] = f.FieldSize * f.FieldSize;
  s.SlotMaxSteps[1] = 500 * f.FieldScale;
  form_.SetText(*Label12, FormatPicture("/##.#", s.SlotCells[1]));
  form_.SetText(*Label43, "Field Size: " + std::to_string(f.FieldSize) + "x" + std::to_string(f.FieldSize));
  form_.SetBounds(*Image1, 30, 25, 500, 500);
  f.FieldBitmap.Reset(sim::FieldImageSide, sim::FieldImageSide, toolkit::Black);
  form_.ShowPicture(*Image1, f.FieldBitmap);
  ClearProgressGraph();
  s.CrystalCount = 0;
  ResetFieldImage();
  form_.SetInterval(*Timer1, 1);
  form_.SetEnabled(*Timer1, false);
  form_.SetEnabled(*Button3, false);
  form_.SetText(*Label13, SlotText(s.CurrentSlot));
  for (int k = 1; k <= runs::SlotCount; ++k) runs::ClearSlot(s, k);
  s.FitLowerLimit = 0.0;
  s.FitUpperLimit = runs::DefaultFitUpperLimit;
  form_.SetBackground(*Label49, toolkit::Rgb{240, 240, 240});
  generator_.Seed(1);
  ShowStatus();
}

void TForm1::FForm1() {
  if (activated_) return;
  activated_ = true;
  const toolkit::Size outer = host_.ForegroundWindowSize();
  host_.RequestPageSize(*TabSheet1, {outer.width - 23, outer.height - 72});
  const toolkit::Size page = host_.PageSize(*TabSheet1);
  field_->ImageSize = sim::FieldImageSide;

  // In extended precision, in this order: page x (1/design) x design value.
  const long double sx = page.width * (1.0L / 1230.0L);
  const long double sy = page.height * (1.0L / 594.0L);
  const auto extent = [](long double scale, int design) { return static_cast<int>(scale * design); };
  ProgressWidth = extent(sx, 300);
  ProgressHeight = extent(sy, 180);
  AvramiPlotWidth = extent(sx, 250);
  AvramiPlotHeight = extent(sy, 450);
  RatePlotWidth = extent(sx, 350);
  RatePlotHeight = extent(sy, 200);
  form_.SetRowHeight(*StringGrid1, extent(sy, 20));
  form_.SetBounds(*StringGrid1, StringGrid1->left, StringGrid1->top, StringGrid1->width, extent(sy, 200));

  FormCreate();
}

void TForm1::FormDestroy() { field_->FieldBitmap.Reset(0, 0, toolkit::Black); }

void TForm1::FormKeyDown(int key) {
  if (key != toolkit::KeyEnter) return;
  if (PageControl1->pageIndex == 0) Button1Click();
  if (PageControl1->pageIndex == 1) Button2Click();
}

void TForm1::BitBtn1Click() { host_.CloseWindow(); }

// ---------------------------------------------------------------- run control

void TForm1::Button1Click() {
  runs::SlotStore& s = *store_;
  const runs::SlotMode mode = RadioButton12->checked ? runs::SlotMode::Cylindrite : runs::SlotMode::Spherulite;
  const sim::StartOutcome outcome = sim::StartRun(s, *field_, generator_, {Edit1->text, Edit2->text, mode});
  if (outcome.kind == sim::StartOutcome::Kind::Rejected) host_.MessageBox(outcome.text, outcome.caption);
  if (!outcome.accepted()) return;

  const int k = s.CurrentSlot;
  form_.SetText(*Label13, SlotText(k));
  form_.SetText(*Label12, FormatPicture("/##.#", s.SlotCells[k]));
  ResetFieldImage();
  for (toolkit::Control* c : {Edit1, Edit2, Button4, Button7, Button5, BitBtn1, BitBtn2, Button1}) {
    form_.SetEnabled(*c, false);
  }
  form_.SetEnabled(*Button3, true);
  for (toolkit::Control* c :
       {RadioButton1, RadioButton2, RadioButton11, RadioButton12, RadioButton13, RadioButton14, RadioButton15}) {
    form_.SetEnabled(*c, false);
  }
  for (int slot = 1; slot <= runs::SlotCount; ++slot) DisableSlotButton(slot);
  for (toolkit::Control* label : titleLabels_) form_.SetVisible(*label, false);
  s.StatusText = runs::StatusWord::Started;
  form_.SetEnabled(*Timer1, true);
}

void TForm1::Timer1Timer() {
  runs::SlotStore& s = *store_;
  const int k = s.CurrentSlot;
  if (sim::GrowthStep(*field_, s, k, PlateSetting())) {
    ShowFieldImage();
    ShowStatus();
    DrawProgressSegment(k, s.StepIndex);
  }
  if (runs::RunAtEnd(s)) FinishRun();
}

void TForm1::Button3Click() {
  runs::SlotStore& s = *store_;
  if (Timer1->enabled) {
    ShowSlot(s.CurrentSlot);
    runs::SmoothRun(s, s.CurrentSlot);
    s.StatusText = runs::StatusWord::Halted;
    ShowStatus();
    form_.SetEnabled(*Button1, false);
    form_.SetEnabled(*BitBtn1, true);
    form_.SetEnabled(*Button3, true);
    form_.SetEnabled(*Button7, true);
    form_.SetEnabled(*Timer1, false);
  } else {
    s.StatusText = runs::StatusWord::Resumed;
    ShowStatus();
    form_.SetEnabled(*Button1, false);
    form_.SetEnabled(*Button7, false);
    form_.SetEnabled(*BitBtn1, false);
    form_.SetEnabled(*Button3, true);
    form_.SetEnabled(*Timer1, true);
  }
  for (toolkit::Control* c : {RadioButton1, RadioButton2, RadioButton13, RadioButton14, RadioButton15}) {
    form_.SetEnabled(*c, false);
  }
}

void TForm1::Button7Click() { FinishRun(); }

void TForm1::FinishRun() {
  runs::SlotStore& s = *store_;
  s.LastSlot = s.CurrentSlot;
  ShowSlot(s.CurrentSlot);
  runs::SmoothRun(s, s.CurrentSlot);
  s.StatusText = runs::StatusWord::Finished;
  ShowStatus();
  form_.SetEnabled(*Button1, true);
  form_.SetEnabled(*BitBtn1, true);
  form_.SetEnabled(*BitBtn2, true);
  form_.SetEnabled(*Button3, false);
  form_.SetEnabled(*Button4, true);
  form_.SetEnabled(*Button5, true);
  form_.SetEnabled(*Button7, false);
  for (toolkit::Control* c :
       {RadioButton1, RadioButton2, RadioButton11, RadioButton12, RadioButton13, RadioButton14, RadioButton15}) {
    form_.SetEnabled(*c, true);
  }
  form_.SetEnabled(*Timer1, false);
  form_.SetEnabled(*Edit1, true);
  form_.SetEnabled(*Edit2, RadioButton12->checked);
  for (int k = 1; k <= runs::SlotCount; ++k) {
    if (s.SlotSteps[k] == 0) EnableSlotButton(k);
  }
  if (const int next = runs::FirstFreeSlot(s); next != 0) SelectSlotButton(next);
}

// ---------------------------------------------------------------- picture, status, live graph

sim::Plate TForm1::PlateSetting() const { return RadioButton2->checked ? sim::Plate::On : sim::Plate::Off; }

std::string TForm1::SlotText(int k) const { return FormatPicture("Slot number = ##.#", k); }

void TForm1::ResetFieldImage() {
  store_->StatusText = runs::StatusWord::Ready;
  const toolkit::Rgb background = sim::BackgroundColour(PlateSetting());
  for (toolkit::Control* label : titleLabels_) form_.SetBackground(*label, background);
  toolkit::Picture& picture = field_->FieldBitmap;
  const int side = std::min({field_->ImageSize, picture.Width(), picture.Height()});
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) picture.SetPixel(x, y, background);
  }
  ShowFieldImage();
  form_.SetText(*Label8, FormatPicture("####.#", ProgressTimeSpan));
  form_.SetText(*Label9, FormatPicture("0.000", ProgressRateSpan));
}

void TForm1::ShowFieldImage() { form_.ShowPicture(*Image1, field_->FieldBitmap); }

void TForm1::ShowStatus() {
  const runs::StatusWord word = store_->StatusText;
  form_.SetFontColour(*Label58, runs::StatusWordColour(word));
  form_.SetText(*Label58, runs::StatusWordCaption(word));
  form_.SetText(*Label59, runs::StatusFigures(*store_));
}

void TForm1::DrawProgressSegment(int k, int t) {
  const runs::SlotStore& s = *store_;
  const double w = ProgressWidth;
  const double h = ProgressHeight;
  const double time = s.SlotTime[k][t];
  const int x0 = static_cast<int>(w / ProgressTimeSpan * (time - 1.0));
  const int x1 = static_cast<int>(w / ProgressTimeSpan * time);
  form_.DrawOnImage(*Image2, [&](toolkit::Canvas& c) {
    c.penStyle = toolkit::PenStyle::Solid;
    c.penColour = toolkit::Black;
    c.MoveTo(x0, static_cast<int>(h * (1.0 - s.SlotX[k][t - 1])));
    c.LineTo(x1, static_cast<int>(h * (1.0 - s.SlotX[k][t])));
    c.penColour = toolkit::Rgb{255, 0, 0};
    c.MoveTo(x0, static_cast<int>(h - h * s.SlotRate[k][t - 1] * 0.01 / ProgressRateSpan));
    c.LineTo(x1, static_cast<int>(h - h * s.SlotRate[k][t] * 0.01 / ProgressRateSpan));
  });
}

void TForm1::ClearProgressGraph() {
  form_.DrawOnImage(*Image2, [&](toolkit::Canvas& c) {
    c.penColour = toolkit::Black;
    c.penStyle = toolkit::PenStyle::Solid;
    c.brushColour = toolkit::White;
    c.Rectangle(0, 0, ProgressWidth, ProgressHeight);
  });
}

void TForm1::Button4Click() {
  runs::SlotStore& s = *store_;
  // The status line shows the last finished run with that run's own cell count: a
  // stored run's record is never rewritten for the field size chosen since.
  const int current = s.CurrentSlot;
  s.CurrentSlot = s.LastSlot;
  ShowStatus();
  form_.SetText(*Label13, SlotText(s.LastSlot));
  s.CurrentSlot = current;
  ClearProgressGraph();
}

// ---------------------------------------------------------------- conditions

void TForm1::RadioButton1Click() { ResetFieldImage(); }
void TForm1::RadioButton2Click() { ResetFieldImage(); }
void TForm1::RadioButton11Click() { form_.SetEnabled(*Edit2, !RadioButton11->checked); }
void TForm1::RadioButton12Click() { form_.SetEnabled(*Edit2, RadioButton12->checked); }
void TForm1::RadioButton13Click() { FieldSizeChoice(1); }
void TForm1::RadioButton14Click() { FieldSizeChoice(2); }
void TForm1::RadioButton15Click() { FieldSizeChoice(4); }

void TForm1::FieldSizeChoice(int scale) {
  runs::SlotStore& s = *store_;
  sim::Field& f = *field_;
  f.FieldScale = scale;
  f.FieldSize = sim::BaseFieldSize * f.FieldScale;
  const int k = s.CurrentSlot;
  // The current slot takes the field for its next run; a slot that holds a run (the
  // last one finished, when all eight are taken) keeps the cells and step limit it ran with.
  if (runs::IsSlotNumber(k) && s.SlotNuclei[k] == 0) {
    s.SlotCells[k] = f.FieldSize * f.FieldSize;
    s.SlotMaxSteps[k] = 500 * f.FieldScale;
  }
  form_.SetText(*Label12, FormatPicture("/##.#", f.FieldSize * f.FieldSize));
  form_.SetText(*Label43, "Field Size: " + std::to_string(f.FieldSize) + "x" + std::to_string(f.FieldSize));
}

// ---------------------------------------------------------------- slots

void TForm1::SlotRadioClick(int k) {
  store_->CurrentSlot = k;
  form_.SetText(*Label13, SlotText(k));
}

void TForm1::DisableSlotButton(int k) {
  if (runs::IsSlotNumber(k)) form_.SetEnabled(*slotRadios_[k], false);
}
void TForm1::EnableSlotButton(int k) {
  if (runs::IsSlotNumber(k)) form_.SetEnabled(*slotRadios_[k], true);
}
void TForm1::SelectSlotButton(int k) {
  if (runs::IsSlotNumber(k)) form_.SetChecked(*slotRadios_[k], true);
}
void TForm1::ShowSlot(int k) {
  if (!runs::IsSlotNumber(k)) return;
  form_.SetChecked(*slotChecks_[k], true);
  store_->SlotShown[k] = 1;
}
void TForm1::HideSlot(int k) {
  if (!runs::IsSlotNumber(k)) return;
  form_.SetChecked(*slotChecks_[k], false);
  store_->SlotShown[k] = 0;
}
void TForm1::EnableSlotCheck(int k) {
  if (runs::IsSlotNumber(k)) form_.SetEnabled(*slotChecks_[k], true);
}
void TForm1::DisableSlotCheck(int k) {
  if (runs::IsSlotNumber(k)) form_.SetEnabled(*slotChecks_[k], false);
}

void TForm1::SlotCheckClick(int k) {
  store_->SlotShown[k] = store_->SlotShown[k] == 0 ? 1 : 0;
  form_.Invalidate(*PaintBox3);
  form_.Invalidate(*PaintBox4);
}

// The clear actions judge from the radios alone whether anything is stored.
bool TForm1::AllSlotRadiosEnabled() const {
  for (int k = 1; k <= runs::SlotCount; ++k) {
    if (!slotRadios_[k]->enabled) return false;
  }
  return true;
}

void TForm1::Button5Click() {
  runs::SlotStore& s = *store_;
  if (AllSlotRadiosEnabled()) {
    host_.MessageBox("No slot to clear!", "Clear one");
    return;
  }
  const std::string answer = host_.InputBox("Clear data", "Which number?", "");
  const int k = toolkit::StrToIntDef(answer, -1);
  if (k == -1) {
    host_.MessageBox("Input a proper integer number!", "Clear one");
    return;
  }
  if (k < 1 || k > runs::SlotCount) return;
  if (!slotRadios_[k]->enabled) {
    EnableSlotButton(k);
    SelectSlotButton(k);
  }
  if (s.SlotNuclei[k] > 0) runs::ClearSlot(s, k);
  s.CrystalCount = 0;
  s.StepIndex = 0;
  HideSlot(k);
  form_.Invalidate(*TabSheet2);
  ShowStatus();
}

void TForm1::BitBtn2Click() {
  runs::SlotStore& s = *store_;
  if (AllSlotRadiosEnabled()) {
    host_.MessageBox("All slots are clear!", "Clear all");
    return;
  }
  for (int k = 1; k <= runs::SlotCount; ++k) {
    runs::ClearSlot(s, k);
    HideSlot(k);
  }
  s.CrystalCount = 0;
  s.StepIndex = 0;
  for (int k = 1; k <= runs::SlotCount; ++k) EnableSlotButton(k);
  form_.SetChecked(*slotRadios_[1], true);
  form_.Invalidate(*TabSheet2);
  s.CurrentSlot = 1;
  form_.SetText(*Label13, SlotText(1));
  s.StatusText = runs::StatusWord::Ready;
  Button4Click();
  ResetFieldImage();
  ShowStatus();
  s.CurrentSlot = 1;
  form_.SetText(*Label13, SlotText(1));
}

// ---------------------------------------------------------------- analysis page

void TForm1::PaintBox3Paint(toolkit::Canvas& canvas) {
  // The rotated title lives on its own surface; it is redrawn with every plot.
  form_.Invalidate(*PaintBox2);
  analysis::AvramiPlot plot{AvramiPlotWidth, AvramiPlotHeight};
  analysis::DrawAvramiPlot(canvas, plot, *store_);
}

void TForm1::PaintBox2Paint(toolkit::Canvas& canvas) { analysis::DrawAvramiTitle(canvas, PaintBox2->height); }

void TForm1::PaintBox4Paint(toolkit::Canvas& canvas) {
  form_.SetText(*Label46, FormatPicture("0", PlotTimeSpan));
  form_.SetText(*Label39, FormatPicture("0.0000", PlotRateSpan));
  form_.SetText(*Label35, FormatPicture("0.000", PlotXSpan));
  analysis::RatePlot plot{RatePlotWidth, RatePlotHeight, PlotTimeSpan, PlotRateSpan, PlotXSpan};
  analysis::DrawRatePlot(canvas, plot, *store_);
  FillSummary();
}

void TForm1::FillSummary() {
  const runs::SlotStore& s = *store_;
  for (int k = 1; k <= runs::SlotCount; ++k) {
    if (s.SlotNuclei[k] > 0) {
      EnableSlotCheck(k);
    } else {
      DisableSlotCheck(k);
    }
  }
  for (int c = 0; c < analysis::SummaryColumns; ++c) {
    form_.SetCell(*StringGrid1, c, 0, std::string(analysis::SummaryHeader[static_cast<std::size_t>(c)]));
  }
  for (int k = 1; k <= runs::SlotCount; ++k) {
    const analysis::SummaryRow row = analysis::SummaryRowText(s, k);
    for (int c = 0; c < analysis::SummaryColumns; ++c) form_.SetCell(*StringGrid1, c, k, row[static_cast<std::size_t>(c)]);
  }
}

void TForm1::Button2Click() {
  runs::SlotStore& s = *store_;
  const double old = s.FitUpperLimit;
  s.FitUpperLimit = toolkit::StrToFloatDef(Edit3->text, -99.0);
  if (s.FitUpperLimit == old) return;
  if (s.FitUpperLimit < runs::MinFitUpperLimit || s.FitUpperLimit > runs::MaxFitUpperLimit) {
    host_.MessageBox("Input a proper real number!", "X uppler limit");
    s.FitUpperLimit = old;
    form_.SetText(*Edit3, toolkit::FormatGeneral(old));
    return;
  }
  form_.Invalidate(*PaintBox3);
  form_.Invalidate(*PaintBox4);
}

void TForm1::Button8Click() {
  if (PlotTimeSpan < 1600) PlotTimeSpan *= 2;
  form_.Invalidate(*PaintBox4);
}
void TForm1::Button9Click() {
  if (PlotTimeSpan > 25) PlotTimeSpan /= 2;
  form_.Invalidate(*PaintBox4);
}
void TForm1::Button10Click() {
  if (PlotRateSpan < 0.01) PlotRateSpan *= 2;
  form_.Invalidate(*PaintBox4);
}
void TForm1::Button11Click() {
  if (PlotRateSpan > 0.0001) PlotRateSpan /= 2;
  form_.Invalidate(*PaintBox4);
}
void TForm1::Button12Click() {
  if (PlotXSpan < 1.0) PlotXSpan *= 2;
  form_.Invalidate(*PaintBox4);
}
void TForm1::Button13Click() {
  if (PlotXSpan > 0.125) PlotXSpan /= 2;
  form_.Invalidate(*PaintBox4);
}

}  // namespace polycryst::ui
