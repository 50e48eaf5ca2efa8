// The real window, offscreen: what the field image shows after a run equals the batch
// tool's picture of the same run, and both plots paint on the real page.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <memory>

#include "batch/batch.hpp"
#include "toolkit/late_host.hpp"
#include "toolkit/qt/qt_window.hpp"
#include "ui/form1.hpp"

namespace polycryst {
namespace {

struct RealWindow {
  toolkit::LateHost host;
  ui::TForm1 form{host};
  toolkit::qt::QtWindow window{form.Form()};

  RealWindow() {
    host.Attach(&window);
    window.SetFirstActivation([this] { form.FForm1(); });
    window.Show();
    for (int i = 0; i < 200 && !form.Activated(); ++i) QApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  void RunToEnd() {
    form.Form().Click(form.Control("Button1"));
    while (form.Control("Timer1").enabled) QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    QApplication::processEvents();
  }
  QImage Grab(std::string_view name) { return window.WidgetOf(form.Control(name))->grab().toImage(); }
};

TEST(Form1Window, FieldImageEqualsTheBatchPicture) {
  RealWindow w;
  ASSERT_TRUE(w.form.Activated());
  w.form.Form().Click(w.form.Control("RadioButton13"));
  w.form.Form().Click(w.form.Control("RadioButton2"));
  w.RunToEnd();

  batch::BatchOptions options;
  options.runs = {{runs::SlotMode::Spherulite, 25, 0, 1, sim::Plate::On}};
  auto b = std::make_unique<batch::Batch>();
  std::string error;
  ASSERT_TRUE(b->Run(options, error));
  const toolkit::Picture& expected = b->SlotPicture(1);

  const QImage shown = w.Grab("Image1").convertToFormat(QImage::Format_RGB888);
  ASSERT_EQ(shown.width(), 500);
  ASSERT_EQ(shown.height(), 500);
  int differing = 0;
  for (int y = 0; y < 500; ++y) {
    for (int x = 0; x < 500; ++x) {
      const QRgb p = shown.pixel(x, y);
      const toolkit::Rgb e = expected.Pixel(x, y);
      differing += qRed(p) != e.r || qGreen(p) != e.g || qBlue(p) != e.b;
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST(Form1Window, BothPlotsPaintAfterARun) {
  RealWindow w;
  w.form.Form().Click(w.form.Control("RadioButton13"));
  w.RunToEnd();
  w.form.Form().SetPageIndex(w.form.Control("PageControl1"), 1);
  QApplication::processEvents();
  for (const char* name : {"PaintBox3", "PaintBox4"}) {
    const QImage plot = w.Grab(name);
    int blue = 0;  // the run's points are drawn in the spherulite blue
    for (int y = 0; y < plot.height(); ++y) {
      for (int x = 0; x < plot.width(); ++x) blue += plot.pixel(x, y) == qRgb(0, 0, 255);
    }
    EXPECT_GT(blue, 50) << name;
  }
  EXPECT_EQ(w.form.Control("StringGrid1").Cell(2, 1), "Spher.");
}

}  // namespace
}  // namespace polycryst
