#include "ui/help_text.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace polycryst::ui {
namespace {

struct Text {
  std::string_view name;
  std::span<const std::string_view> lines;
  std::vector<std::string_view> headings;
  std::vector<std::string_view> footnotes;  // the markers, in order
};

std::vector<Text> Texts() {
  return {
      {"left",
       HelpTextLeft(),
       {"PREFACE", "CONDITION SETTING", "1. Slot number", "2. Growth Mode", "3. Number of nuclei",
        "4. Retardation Plate", "5. Field size"},
       {"*1)", "*2)"}},
      {"right",
       HelpTextRight(),
       {"OPERATION", "ANALYSIS", "1. Avrami Plot   ", "2. X and dX/dt vs. time graph", "3. Summary", "NOTE"},
       {}},
  };
}

bool IsHeading(std::string_view line) { return !line.empty() && line.front() != ' '; }

std::size_t Indent(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  return first == std::string_view::npos ? line.size() : first;
}

TEST(HelpText, KeepsTheLayoutRules) {
  for (const Text& text : Texts()) {
    std::vector<std::string_view> footnotes;
    bool in_footnote = false;
    for (std::size_t i = 0; i < text.lines.size(); ++i) {
      const std::string_view line = text.lines[i];
      SCOPED_TRACE(std::string(text.name) + " line " + std::to_string(i) + ": \"" + std::string(line) + "\"");
      EXPECT_LE(line.size(), 78u);
      for (const char c : line) EXPECT_TRUE(c >= ' ' && c <= '~') << "not printable ASCII: " << int(c);

      if (line.empty()) {
        // One empty line between sections: never last, never doubled, always before a heading.
        EXPECT_TRUE(i + 1 < text.lines.size() && IsHeading(text.lines[i + 1]));
        in_footnote = false;
      } else if (IsHeading(line)) {
        EXPECT_TRUE(i == 0 || text.lines[i - 1].empty()) << "a section must follow an empty line";
        in_footnote = false;
      } else if (Indent(line) == 4 && line[4] == '*') {
        footnotes.push_back(line.substr(4, line.find(' ', 4) - 4));  // "*1)" when a blank follows
        in_footnote = true;
      } else {
        EXPECT_EQ(Indent(line), in_footnote ? 9u : 4u);
        EXPECT_LT(Indent(line), line.size()) << "a body line holds text";
      }
    }
    EXPECT_EQ(footnotes, text.footnotes) << text.name;
  }
}

TEST(HelpText, OpensWithItsFirstHeading) {
  ASSERT_FALSE(HelpTextLeft().empty());
  ASSERT_FALSE(HelpTextRight().empty());
  EXPECT_EQ(HelpTextLeft().front(), "PREFACE");
  EXPECT_EQ(HelpTextRight().front(), "OPERATION");
}

TEST(HelpText, HeadingsStandInOrder) {
  for (const Text& text : Texts()) {
    std::vector<std::string_view> headings;
    for (const std::string_view line : text.lines) {
      if (IsHeading(line)) headings.push_back(line);
    }
    EXPECT_EQ(headings, text.headings) << text.name;
  }
}

}  // namespace
}  // namespace polycryst::ui
