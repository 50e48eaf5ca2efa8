#include "toolkit/headless.hpp"

namespace polycryst::toolkit {

void HeadlessHost::MessageBox(std::string_view text, std::string_view caption) {
  messages.push_back({std::string(text), std::string(caption)});
}

std::string HeadlessHost::InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) {
  inputs.push_back({std::string(caption), std::string(prompt), std::string(defaultText)});
  std::optional<std::string> answer;
  if (!answers.empty()) {
    answer = std::move(answers.front());
    answers.pop_front();
  }
  return answer ? *answer : std::string(defaultText);
}

int HeadlessHost::PaintPending(Form& form) {
  int painted = 0;
  for (const auto& c : form.Controls()) {
    if (!c->dirty) continue;
    RecordingCanvas canvas(c->width, c->height);
    form.Paint(*c, canvas);
    drawings[c->name] = std::move(canvas.ops);
    paintOrder.push_back(c->name);
    ++painted;
  }
  return painted;
}

}  // namespace polycryst::toolkit
