// polycryst: the window on Qt 6.

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

#include "toolkit/late_host.hpp"
#include "toolkit/qt/qt_window.hpp"
#include "ui/form1.hpp"

namespace {

bool DisplayAvailable() {
  const auto set = [](const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr && *v != '\0';
  };
  // A platform chosen by hand (offscreen, vnc, ...) needs no display server.
  return set("QT_QPA_PLATFORM") || set("DISPLAY") || set("WAYLAND_DISPLAY");
}

}  // namespace

int main(int argc, char** argv) {
  if (!DisplayAvailable()) {
    std::fprintf(stderr, "polycryst: a display is needed (set DISPLAY, or start it under xvfb-run)\n");
    return 1;
  }
  QApplication app(argc, argv);
  try {
    polycryst::toolkit::LateHost host;
    polycryst::ui::TForm1 form1(host);
    polycryst::toolkit::qt::QtWindow window(form1.Form());
    host.Attach(&window);
    window.SetFirstActivation([&form1] { form1.FForm1(); });
    window.Show();
    QApplication::exec();
    form1.FormDestroy();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, "polycryst", QString::fromUtf8(e.what()));
  }
  return 0;
}
