#pragma once
// The backend of the tests: no display. Dialogs are answered from a script and logged,
// paints run when the test asks for them, ticks are delivered by the test.

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/form.hpp"
#include "toolkit/recording_canvas.hpp"

namespace polycryst::toolkit {

class HeadlessHost final : public Host {
 public:
  struct Message {
    std::string text;
    std::string caption;
    friend bool operator==(const Message&, const Message&) = default;
  };
  struct Input {
    std::string caption;
    std::string prompt;
    std::string defaultText;
  };

  void MessageBox(std::string_view text, std::string_view caption) override;
  // The next scripted answer; an answer of nullopt, or none left, is Cancel.
  std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
  Size ForegroundWindowSize() override { return outerSize; }
  void RequestPageSize(Control&, Size size) override { pageRequests.push_back(size); }
  Size PageSize(const Control&) override { return pageSize; }
  void CloseWindow() override { closed = true; }

  // Paints every marked surface once, each on a recording canvas of its size; returns
  // how many were painted. The drawings are kept by control name.
  int PaintPending(Form& form);

  std::vector<Message> messages;
  std::deque<std::optional<std::string>> answers;
  std::vector<Input> inputs;
  Size outerSize{1253, 668};
  Size pageSize{1230, 594};
  std::vector<Size> pageRequests;
  bool closed = false;
  std::map<std::string, std::vector<DrawOp>> drawings;
  std::vector<std::string> paintOrder;
};

}  // namespace polycryst::toolkit
