#pragma once
// The text of the Help page, one line per entry, for its two side-by-side text boxes.
//
// Layout: main headings in capitals and the numbered sub-headings ("1." ... "5.")
// stand at the left margin; body lines are indented by four blanks; a footnote starts
// "*1)" or "*2)" after four blanks and its continuation lines start after nine blanks.
// One empty line separates sections. Lines are plain ASCII and at most 78 characters
// long, indent included, so the boxes never have to wrap them.

#include <span>
#include <string_view>

namespace polycryst::ui {

// Preface and the condition settings, for Memo1.
std::span<const std::string_view> HelpTextLeft();
// Operation, analysis and the history note, for Memo2.
std::span<const std::string_view> HelpTextRight();

}  // namespace polycryst::ui
