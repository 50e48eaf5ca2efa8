#include "ui/layout.hpp"

#include "ui/form1.hpp"

namespace polycryst::ui {

using toolkit::Kind;

toolkit::Font MakeFont(FontId id) {
  switch (id) {
    case FontId::A18: return {"Arial", 18, false, std::nullopt, 0};
    case FontId::A17: return {"Arial", 17, false, std::nullopt, 0};
    case FontId::A15: return {"Arial", 15, false, std::nullopt, 0};
    case FontId::R18: return {"Arial", 18, false, toolkit::Rgb{255, 0, 0}, 0};
    case FontId::T17: return {"Times New Roman", 17, true, toolkit::White, 0};
    case FontId::Inherit: break;
  }
  return {};
}

namespace {

using F = FontId;
constexpr unsigned Checked = flag::Checked;
constexpr unsigned Disabled = flag::Disabled;
constexpr unsigned WordWrap = flag::WordWrap;
constexpr unsigned Default = flag::Default;
constexpr unsigned OnTheField = flag::OnTheField;

constexpr LayoutRecord Layout[] = {
    {Kind::PageControl, "PageControl1", "", 0, 0, 1238, 630, "", F::A18},
    {Kind::Timer, "Timer1", "", 0, 0, 0, 0, "", F::Inherit, 0, nullptr, nullptr},
    {Kind::Page, "TabSheet1", "PageControl1", 0, 0, 0, 0, " ExperimentPage "},
    {Kind::Page, "TabSheet2", "PageControl1", 0, 0, 0, 0, " AnalysisPage "},
    {Kind::Page, "TabSheet3", "PageControl1", 0, 0, 0, 0, " HelpPage "},

    // Experiment page.
    {Kind::Image, "Image1", "TabSheet1", 30, 25, 500, 500, ""},
    {Kind::Image, "Image2", "TabSheet1", 652, 24, 300, 180, ""},
    {Kind::Label, "Label4", "TabSheet1", 631, 112, 11, 21, "X", F::A18},
    {Kind::Label, "Label5", "TabSheet1", 957, 112, 46, 21, "dX/dt ", F::A18},
    {Kind::Label, "Label6", "TabSheet1", 624, 22, 23, 19, "1.0", F::A17},
    {Kind::Label, "Label7", "TabSheet1", 643, 210, 14, 19, "0 ", F::A17},
    {Kind::Label, "Label8", "TabSheet1", 937, 210, 48, 19, "", F::A17},
    {Kind::Label, "Label9", "TabSheet1", 957, 22, 48, 19, "", F::A17},
    {Kind::Label, "Label10", "TabSheet1", 624, 194, 23, 19, "0.0", F::A17},
    {Kind::Label, "Label11", "TabSheet1", 957, 192, 41, 19, "0.000", F::A17},
    {Kind::Label, "Label13", "TabSheet1", 1016, 23, 64, 21, "Slot number = 1", F::A18},
    {Kind::Label, "Label51", "TabSheet1", 60, 76, 246, 19, "POLYCRYST", F::T17, OnTheField},
    {Kind::Label, "Label53", "TabSheet1", 796, 210, 33, 21, "time", F::A18},
    {Kind::Label, "Label43", "TabSheet1", 360, 530, 158, 19, "Field size: 1000x1000", F::A17},
    {Kind::Label, "Label58", "TabSheet1", 669, 240, 57, 19, "", F::A17},
    {Kind::Label, "Label59", "TabSheet1", 760, 240, 57, 19, "", F::A17},
    {Kind::Label, "Label61", "TabSheet1", 60, 108, 316, 19, "CRYSTALLISATION OF POLYMERS", F::T17, OnTheField},
    {Kind::Label, "Label62", "TabSheet1", 60, 140, 199, 19, "(a simulation programme) ", F::T17, OnTheField},
    {Kind::Label, "Label63", "TabSheet1", 60, 180, 157, 19, "polycryst developers, 2026", F::T17, OnTheField},
    {Kind::GroupBox, "GroupBox1", "TabSheet1", 642, 422, 282, 56, "Number of nuclei", F::A18},
    {Kind::Button, "Button1", "TabSheet1", 642, 550, 75, 25, "Start", F::A18, Default,
     [](TForm1& f) { f.Button1Click(); }},
    {Kind::Button, "Button3", "TabSheet1", 723, 550, 112, 25, "Halt/Resume", F::A18, Disabled,
     [](TForm1& f) { f.Button3Click(); }},
    {Kind::Button, "Button4", "TabSheet1", 1008, 159, 101, 25, "Clear graph", F::A18, 0,
     [](TForm1& f) { f.Button4Click(); }},
    {Kind::GroupBox, "GroupBox2", "TabSheet1", 642, 284, 359, 53, "Slot number", F::A18},
    {Kind::Button, "Button5", "TabSheet1", 1008, 302, 86, 25, "Clear one", F::A18, 0,
     [](TForm1& f) { f.Button5Click(); }},
    {Kind::GroupBox, "GroupBox3", "TabSheet1", 940, 422, 171, 56, "Retardation plate", F::A18},
    {Kind::GroupBox, "GroupBox4", "TabSheet1", 642, 353, 551, 56, "Growth Mode", F::A18},
    {Kind::BitButton, "BitBtn1", "TabSheet1", 922, 550, 75, 25, "Exit", F::R18, 0,
     [](TForm1& f) { f.BitBtn1Click(); }},
    {Kind::BitButton, "BitBtn2", "TabSheet1", 1102, 302, 86, 25, "Clear all", F::R18, 0,
     [](TForm1& f) { f.BitBtn2Click(); }},
    {Kind::GroupBox, "GroupBox6", "TabSheet1", 642, 484, 348, 51, "Field size", F::A18},
    {Kind::Button, "Button7", "TabSheet1", 841, 550, 75, 25, "Quit", F::A18, 0, [](TForm1& f) { f.Button7Click(); }},

    {Kind::Label, "Label1", "GroupBox1", 158, 24, 108, 19, "(1<=N<=2500)", F::A17, WordWrap},
    {Kind::Label, "Label12", "GroupBox1", 88, 24, 59, 19, "/250000", F::A17},
    {Kind::Edit, "Edit1", "GroupBox1", 20, 24, 61, 27, "25", F::A17},

    {Kind::Radio, "RadioButton3", "GroupBox2", 20, 22, 41, 21, "1", F::A17, Checked,
     [](TForm1& f) { f.SlotRadioClick(1); }},
    {Kind::Radio, "RadioButton4", "GroupBox2", 62, 22, 41, 21, "2", F::A17, 0, [](TForm1& f) { f.SlotRadioClick(2); }},
    {Kind::Radio, "RadioButton5", "GroupBox2", 104, 22, 51, 21, "3", F::A17, 0, [](TForm1& f) { f.SlotRadioClick(3); }},
    {Kind::Radio, "RadioButton6", "GroupBox2", 146, 22, 41, 21, "4", F::A17, 0, [](TForm1& f) { f.SlotRadioClick(4); }},
    {Kind::Radio, "RadioButton7", "GroupBox2", 180, 22, 41, 21, "5", F::A17, 0, [](TForm1& f) { f.SlotRadioClick(5); }},
    {Kind::Radio, "RadioButton8", "GroupBox2", 222, 22, 41, 21, "6", F::A17, 0, [](TForm1& f) { f.SlotRadioClick(6); }},
    {Kind::Radio, "RadioButton9", "GroupBox2", 264, 22, 41, 21, "7", F::A17, 0, [](TForm1& f) { f.SlotRadioClick(7); }},
    {Kind::Radio, "RadioButton10", "GroupBox2", 306, 22, 41, 21, "8", F::A17, 0,
     [](TForm1& f) { f.SlotRadioClick(8); }},

    {Kind::Radio, "RadioButton1", "GroupBox3", 30, 28, 51, 21, "Off", F::A17, Checked,
     [](TForm1& f) { f.RadioButton1Click(); }},
    {Kind::Radio, "RadioButton2", "GroupBox3", 94, 26, 61, 21, "On", F::A17, 0,
     [](TForm1& f) { f.RadioButton2Click(); }},

    {Kind::Label, "Label2", "GroupBox4", 338, 24, 203, 19, "(1<=cylindrite height<=180)", F::A17},
    {Kind::Radio, "RadioButton11", "GroupBox4", 20, 24, 131, 21, "Spherulite (2D)", F::A17, Checked,
     [](TForm1& f) { f.RadioButton11Click(); }},
    {Kind::Radio, "RadioButton12", "GroupBox4", 162, 24, 131, 21, "Cylindrite (2D)", F::A17, 0,
     [](TForm1& f) { f.RadioButton12Click(); }},
    {Kind::Edit, "Edit2", "GroupBox4", 296, 24, 36, 27, "25", F::A17, Disabled},

    {Kind::Radio, "RadioButton13", "GroupBox6", 20, 20, 84, 21, "500x500", F::A17, 0,
     [](TForm1& f) { f.RadioButton13Click(); }},
    {Kind::Radio, "RadioButton14", "GroupBox6", 116, 20, 111, 21, "1000x1000", F::A17, Checked,
     [](TForm1& f) { f.RadioButton14Click(); }},
    {Kind::Radio, "RadioButton15", "GroupBox6", 230, 20, 101, 21, "2000x2000", F::A17, 0,
     [](TForm1& f) { f.RadioButton15Click(); }},

    // Analysis page.
    {Kind::PaintBox, "PaintBox3", "TabSheet2", 90, 12, 250, 450, "", F::Inherit, 0, nullptr,
     [](TForm1& f, toolkit::Canvas& c) { f.PaintBox3Paint(c); }},
    {Kind::Label, "Label14", "TabSheet2", 80, 468, 16, 21, "-1", F::A18},
    {Kind::Label, "Label15", "TabSheet2", 130, 468, 10, 21, "0", F::A18},
    {Kind::Label, "Label16", "TabSheet2", 180, 468, 10, 21, "1", F::A18},
    {Kind::Label, "Label17", "TabSheet2", 230, 468, 10, 21, "2", F::A18},
    {Kind::Label, "Label18", "TabSheet2", 70, 2, 10, 21, "2", F::A18},
    {Kind::Label, "Label19", "TabSheet2", 65, 352, 16, 21, "-5", F::A18},
    {Kind::Label, "Label20", "TabSheet2", 65, 302, 16, 21, "-4", F::A18},
    {Kind::Label, "Label21", "TabSheet2", 65, 252, 16, 21, "-3", F::A18},
    {Kind::Label, "Label22", "TabSheet2", 65, 202, 16, 21, "-2", F::A18},
    {Kind::Label, "Label23", "TabSheet2", 65, 152, 16, 21, "-1", F::A18},
    {Kind::Label, "Label24", "TabSheet2", 70, 102, 10, 21, "0", F::A18},
    {Kind::Label, "Label25", "TabSheet2", 280, 468, 10, 21, "3", F::A18},
    {Kind::Label, "Label26", "TabSheet2", 182, 488, 62, 21, "Log ( t )", F::A18},
    {Kind::PaintBox, "PaintBox2", "TabSheet2", 36, 120, 27, 191, "", F::A18, 0, nullptr,
     [](TForm1& f, toolkit::Canvas& c) { f.PaintBox2Paint(c); }},
    {Kind::Label, "Label27", "TabSheet2", 70, 52, 10, 21, "1", F::A18},
    {Kind::Label, "Label28", "TabSheet2", 346, 166, 53, 19, "X=0.10", F::A17},
    {Kind::Label, "Label29", "TabSheet2", 346, 109, 53, 19, "X=0.90", F::A17},
    {Kind::Label, "Label30", "TabSheet2", 346, 195, 53, 19, "X=0.05", F::A17},
    {Kind::Label, "Label32", "TabSheet2", 346, 216, 53, 19, "X=0.01", F::A17},
    {Kind::Label, "Label33", "TabSheet2", 346, 79, 53, 19, "X=0.99", F::A17},
    {Kind::PaintBox, "PaintBox4", "TabSheet2", 565, 40, 350, 200, "", F::Inherit, 0, nullptr,
     [](TForm1& f, toolkit::Canvas& c) { f.PaintBox4Paint(c); }},
    {Kind::Label, "Label34", "TabSheet2", 548, 224, 9, 19, "0", F::A17},
    {Kind::Label, "Label35", "TabSheet2", 522, 32, 23, 19, "", F::A17},
    {Kind::Label, "Label36", "TabSheet2", 544, 130, 11, 21, "X", F::A18},
    {Kind::Label, "Label37", "TabSheet2", 921, 130, 41, 21, "dX/dt", F::A18},
    {Kind::Label, "Label38", "TabSheet2", 921, 224, 9, 19, "0", F::A17},
    {Kind::Label, "Label39", "TabSheet2", 921, 32, 57, 19, "", F::A17},
    {Kind::Label, "Label40", "TabSheet2", 921, 160, 103, 19, "( X = 0.3935 )", F::A17},
    {Kind::Label, "Label42", "TabSheet2", 346, 258, 62, 19, "X=0.001", F::A17},
    {Kind::Label, "Label44", "TabSheet2", 96, 132, 103, 19, "( X = 0.3935 )", F::A17},
    {Kind::Label, "Label45", "TabSheet2", 563, 244, 9, 19, "0", F::A17},
    {Kind::Label, "Label46", "TabSheet2", 900, 244, 27, 19, "", F::A17},
    {Kind::Label, "Label47", "TabSheet2", 722, 244, 54, 21, "Time, t", F::A18},
    {Kind::Label, "Label48", "TabSheet2", 541, 288, 91, 21, "SUMMARY", F::A18},
    {Kind::Label, "Label49", "TabSheet2", 106, 28, 117, 21, "AVRAMI PLOT", F::A18},
    {Kind::Label, "Label3", "TabSheet2", 517, 532, 676, 41,
     "Ht: Height of cylindrite (=length of needle-like nucleus), t*: Time giving dXdt the maximum,      X*: X at "
     "the dX/dt maximum, ND: Nucleus density, ND(exp): The same obtained from experimental K. ",
     F::A17, WordWrap},
    {Kind::Label, "Label52", "TabSheet2", 346, 50, 80, 19, "X=0.99999", F::A17},
    {Kind::Label, "Label54", "TabSheet2", 65, 452, 16, 21, "-7", F::A18},
    {Kind::Label, "Label55", "TabSheet2", 65, 402, 16, 21, "-6", F::A18},
    {Kind::Label, "Label56", "TabSheet2", 330, 468, 10, 21, "4", F::A18},
    {Kind::Label, "Label31", "TabSheet2", 626, 11, 231, 21, "X vs. t (left), dX/dt vs. t (right)", F::A18},
    {Kind::StringGrid, "StringGrid1", "TabSheet2", 541, 316, 652, 203, "", F::A15},
    {Kind::CheckBox, "CheckBox1", "TabSheet2", 518, 340, 21, 21, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(1); }},
    {Kind::CheckBox, "CheckBox2", "TabSheet2", 518, 360, 21, 21, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(2); }},
    {Kind::CheckBox, "CheckBox3", "TabSheet2", 518, 380, 21, 22, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(3); }},
    {Kind::CheckBox, "CheckBox4", "TabSheet2", 518, 400, 21, 21, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(4); }},
    {Kind::CheckBox, "CheckBox5", "TabSheet2", 518, 420, 21, 21, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(5); }},
    {Kind::CheckBox, "CheckBox6", "TabSheet2", 518, 440, 21, 21, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(6); }},
    {Kind::CheckBox, "CheckBox7", "TabSheet2", 518, 460, 21, 21, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(7); }},
    {Kind::CheckBox, "CheckBox8", "TabSheet2", 518, 480, 21, 22, "", F::A18, 0, [](TForm1& f) { f.SlotCheckClick(8); }},
    {Kind::GroupBox, "GroupBox5", "TabSheet2", 48, 518, 400, 64, "Change the least-square linear fitting upper limit",
     F::A18},
    {Kind::Button, "Button8", "TabSheet2", 960, 247, 25, 25, "+", F::A17, 0, [](TForm1& f) { f.Button8Click(); }},
    {Kind::Button, "Button9", "TabSheet2", 935, 247, 25, 25, "-", F::A17, 0, [](TForm1& f) { f.Button9Click(); }},
    {Kind::Button, "Button10", "TabSheet2", 974, 27, 25, 25, "+", F::A17, 0, [](TForm1& f) { f.Button10Click(); }},
    {Kind::Button, "Button11", "TabSheet2", 974, 52, 25, 25, "-", F::A17, 0, [](TForm1& f) { f.Button11Click(); }},
    {Kind::Button, "Button12", "TabSheet2", 496, 27, 25, 25, "+", F::A17, 0, [](TForm1& f) { f.Button12Click(); }},
    {Kind::Button, "Button13", "TabSheet2", 496, 52, 25, 25, "-", F::A17, 0, [](TForm1& f) { f.Button13Click(); }},

    {Kind::Label, "Label41", "GroupBox5", 90, 30, 145, 19, "(0.9<=X<=0.99999)", F::A17},
    {Kind::Edit, "Edit3", "GroupBox5", 20, 26, 61, 27, "0.99", F::A17},
    {Kind::Button, "Button2", "GroupBox5", 242, 26, 70, 25, "Change", F::A18, Default,
     [](TForm1& f) { f.Button2Click(); }},

    // Help page.
    {Kind::Memo, "Memo1", "TabSheet3", 20, 16, 580, 560, "", F::A17},
    {Kind::Memo, "Memo2", "TabSheet3", 624, 16, 580, 565, "", F::A17},
};

}  // namespace

std::span<const LayoutRecord> WindowLayout() { return Layout; }

}  // namespace polycryst::ui
