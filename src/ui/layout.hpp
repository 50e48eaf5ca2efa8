#pragma once
// The window's controls as data: one record per control, in the order the window
// creates them, with its parent, place, caption, font, start-up state and handlers.

#include <span>
#include <string_view>

#include "toolkit/canvas.hpp"
#include "toolkit/form.hpp"

namespace polycryst::ui {

class TForm1;

enum class FontId { Inherit, A18, A17, A15, R18, T17 };

toolkit::Font MakeFont(FontId id);

namespace flag {
inline constexpr unsigned Checked = 1;
inline constexpr unsigned Disabled = 2;
inline constexpr unsigned WordWrap = 4;
inline constexpr unsigned Default = 8;       // the page's default button
inline constexpr unsigned OnTheField = 16;   // a title label over the field picture
}  // namespace flag

struct LayoutRecord {
  toolkit::Kind kind;
  std::string_view name;
  std::string_view parent;  // empty: the window
  int left, top, width, height;
  std::string_view caption;
  FontId font = FontId::Inherit;
  unsigned flags = 0;
  void (*click)(TForm1&) = nullptr;
  void (*paint)(TForm1&, toolkit::Canvas&) = nullptr;
};

std::span<const LayoutRecord> WindowLayout();

// The summary table's column widths, left to right.
inline constexpr int SummaryColumnWidths[] = {20, 54, 51, 47, 40, 66, 45, 43, 53, 64, 67, 84};

}  // namespace polycryst::ui
