#include "runs/status.hpp"

#include <gtest/gtest.h>

#include <memory>

namespace polycryst::runs {
namespace {

TEST(Status, WordsAndColours) {
  struct Case {
    StatusWord word;
    const char* caption;
    toolkit::Rgb colour;
  };
  for (const Case& c : {Case{StatusWord::Ready, "Ready!", StatusDarkGreen}, Case{StatusWord::Started, "Started!", StatusRed},
                        Case{StatusWord::Halted, "Halted!", StatusBlue},
                        Case{StatusWord::Resumed, "resumed!", StatusDarkGreen},
                        Case{StatusWord::Finished, "Finished!", StatusDarkGreen}}) {
    EXPECT_EQ(StatusWordCaption(c.word), c.caption);
    EXPECT_EQ(StatusWordColour(c.word), c.colour);
  }
  EXPECT_EQ(StatusDarkGreen, (toolkit::Rgb{0, 128, 0}));
}

TEST(Status, Figures) {
  auto s = std::make_unique<SlotStore>();
  s->CurrentSlot = 1;
  s->SlotCells[1] = 1000000;
  EXPECT_EQ(StatusFigures(*s), "time =    0    count =0    X =  0.0000%");

  s->StepIndex = 123;
  s->SlotTime[1][123] = 123.0;
  s->CrystalCount = 456789;
  EXPECT_EQ(StatusFigures(*s), "time =  123    count =456789    X = 45.6789%");

  s->CrystalCount = 1000000;
  EXPECT_EQ(StatusFigures(*s), "time =  123    count =1000000    X =100.0000%");

  // A slot cleared before it ever had a field: X shows 0 instead of a quotient without value.
  s->CurrentSlot = 5;
  s->StepIndex = 0;
  s->CrystalCount = 0;
  EXPECT_EQ(StatusFigures(*s), "time =    0    count =0    X =  0.0000%");
}

}  // namespace
}  // namespace polycryst::runs
