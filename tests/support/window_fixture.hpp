#pragma once
#include <memory>
#include <string>
#include <string_view>

#include "toolkit/headless.hpp"
#include "ui/form1.hpp"

namespace polycryst::testing {

// A window on the headless backend, activated as a shown window is.
struct Window {
  toolkit::HeadlessHost host;
  std::unique_ptr<ui::TForm1> form = std::make_unique<ui::TForm1>(host);
  toolkit::Form& controls = form->Form();

  Window() { form->FForm1(); }
  toolkit::Control& operator[](std::string_view name) { return form->Control(name); }
  void Click(std::string_view name) { controls.Click((*this)[name]); }
  void Tick() { controls.Tick((*this)["Timer1"]); }
  int TickUntilStopped() {
    int ticks = 0;
    while ((*this)["Timer1"].enabled) {
      Tick();
      ++ticks;
    }
    return ticks;
  }
  void Type(std::string_view edit, std::string text) { controls.SetText((*this)[edit], std::move(text)); }
  const runs::SlotStore& store() const { return form->Store(); }
};

}  // namespace polycryst::testing
