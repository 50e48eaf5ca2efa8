// The real window, offscreen: how fast a run goes from Start to Finished, and how many
// ticks per second the 1 ms timer delivers. The default run should be bound by the
// timer, not by the program's own work.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdio>
#include <string>

#include "toolkit/late_host.hpp"
#include "toolkit/qt/qt_window.hpp"
#include "ui/form1.hpp"

namespace {

using namespace polycryst;

struct Figures {
  double seconds;
  int steps;
};

Figures TimeRun(ui::TForm1& form, toolkit::Form& controls, const char* nuclei, const char* fieldRadio) {
  controls.Click(form.Control(fieldRadio));
  controls.SetText(form.Control("Edit1"), nuclei);
  QElapsedTimer clock;
  clock.start();
  controls.Click(form.Control("Button1"));
  const int slot = form.Store().CurrentSlot;
  while (form.Control("Timer1").enabled) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return {clock.nsecsElapsed() / 1e9, form.Store().SlotSteps[slot]};
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  toolkit::LateHost host;
  ui::TForm1 form(host);
  toolkit::qt::QtWindow window(form.Form());
  host.Attach(&window);
  window.SetFirstActivation([&form] { form.FForm1(); });
  window.Show();
  while (!form.Activated()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);

  std::printf("%-36s %10s %8s %12s\n", "run (real window, offscreen)", "seconds", "steps", "steps/s");
  const struct {
    const char* name;
    const char* nuclei;
    const char* field;
  } runs[] = {{"spherulites N = 25, 1000 x 1000", "25", "RadioButton14"},
              {"spherulites N = 2500, 2000 x 2000", "2500", "RadioButton15"}};
  for (const auto& r : runs) {
    const Figures f = TimeRun(form, form.Form(), r.nuclei, r.field);
    std::printf("%-36s %10.3f %8d %12.0f\n", r.name, f.seconds, f.steps, f.steps / f.seconds);
  }
  return 0;
}
