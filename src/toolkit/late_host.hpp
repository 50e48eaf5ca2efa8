#pragma once
// The window's controls exist before a backend's widgets do, so a form is created
// with this stand-in, which hands everything to the backend once that is built.

#include "toolkit/form.hpp"

namespace polycryst::toolkit {

class LateHost final : public Host {
 public:
  void Attach(Host* host) { host_ = host; }
  void MessageBox(std::string_view text, std::string_view caption) override { host_->MessageBox(text, caption); }
  std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override {
    return host_->InputBox(caption, prompt, defaultText);
  }
  Size ForegroundWindowSize() override { return host_->ForegroundWindowSize(); }
  void RequestPageSize(Control& page, Size size) override { host_->RequestPageSize(page, size); }
  Size PageSize(const Control& page) override { return host_->PageSize(page); }
  void CloseWindow() override { host_->CloseWindow(); }

 private:
  Host* host_ = nullptr;
};

}  // namespace polycryst::toolkit
