// QtWindow on a small form, through its real widgets, offscreen: the model decides,
// the widgets show what it decided, and no handler runs twice.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QFontMetrics>
#include <QImage>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/form.hpp"
#include "toolkit/qt/qt_canvas.hpp"
#include "toolkit/qt/qt_window.hpp"

namespace polycryst::toolkit {
namespace {

// Runs the event loop for ms milliseconds, or until done() holds.
void Spin(int ms, const std::function<bool()>& done = nullptr) {
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < ms && !(done && done())) QApplication::processEvents(QEventLoop::AllEvents, 5);
}

Rgb At(const QImage& image, int x, int y) {
  const QRgb p = image.pixel(x, y);
  return {static_cast<std::uint8_t>(qRed(p)), static_cast<std::uint8_t>(qGreen(p)), static_cast<std::uint8_t>(qBlue(p))};
}

// A window, a page control with two pages; on the first page three radios in a group
// box, a check box, an edit, a memo, a default button and another button, a paint box,
// an image and a label; a timer.
class QtWindowTest : public ::testing::Test {
 protected:
  QtWindowTest() {
    form.Window().text = "Small form";
    pages = &Add(Kind::PageControl, "Pages", nullptr, 0, 0, 0, 0);
    page1 = &Add(Kind::Page, "Page1", pages, 0, 0, 0, 0, " First ");
    page2 = &Add(Kind::Page, "Page2", pages, 0, 0, 0, 0, " Second ");
    group = &Add(Kind::GroupBox, "Group", page1, 10, 10, 200, 60, "Choice");
    for (int i = 0; i < 3; ++i) radios.push_back(&Add(Kind::Radio, "Radio" + std::to_string(i), group, 10 + 60 * i, 25, 55, 21, std::to_string(i)));
    radios[0]->checked = true;
    check = &Add(Kind::CheckBox, "Check", page1, 10, 80, 20, 20);
    edit = &Add(Kind::Edit, "Edit", page1, 40, 80, 80, 25, "25");
    memo = &Add(Kind::Memo, "Memo", page1, 10, 200, 200, 80, "hello");
    ok = &Add(Kind::Button, "Ok", page1, 10, 120, 75, 25, "Start");
    ok->isDefault = true;
    other = &Add(Kind::Button, "Other", page1, 100, 120, 75, 25, "Other");
    paint = &Add(Kind::PaintBox, "Paint", page1, 250, 10, 40, 30);
    paint->onPaint = [this](Canvas& c) {
      ++paints;
      paintedSize = QSize(c.Width(), c.Height());
      c.penColour = Rgb{255, 0, 0};
      c.brushColour = Rgb{0, 0, 255};
      c.Rectangle(0, 0, c.Width(), c.Height());
    };
    image = &Add(Kind::Image, "Image", page1, 250, 60, 20, 20);
    label = &Add(Kind::Label, "Label", page1, 250, 100, 30, 21, "X");
    timer = &Add(Kind::Timer, "Timer", nullptr, 0, 0, 0, 0);
    timer->interval = 5;
    timer->enabled = false;
    timer->onTimer = [this] { ++ticks; };
    form.onKeyDown = [this](int key) { windowKeys.push_back(key); };
  }

  Control& Add(Kind kind, const std::string& name, Control* parent, int left, int top, int width, int height,
               const std::string& text = "") {
    Control c;
    c.kind = kind;
    c.name = name;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    c.text = text;
    c.font.height = 15;
    c.onClick = [this, name] { ++clicks[name]; };
    return form.Add(std::move(c), parent);
  }

  // Built on first use, so a test may add controls before.
  qt::QtWindow& Window() {
    if (!window) {
      window = std::make_unique<qt::QtWindow>(form, designPage);
      window->Show();
      Spin(50);
    }
    return *window;
  }
  template <class W>
  W* Widget(const Control& c) {
    auto* w = qobject_cast<W*>(Window().WidgetOf(c));
    EXPECT_NE(w, nullptr) << c.name;
    return w;
  }
  std::vector<bool> ModelRadios() const { return {radios[0]->checked, radios[1]->checked, radios[2]->checked}; }
  std::vector<bool> WidgetRadios() {
    std::vector<bool> result;
    for (Control* r : radios) result.push_back(Widget<QRadioButton>(*r)->isChecked());
    return result;
  }
  void PressEnter(QWidget* target, Qt::Key key = Qt::Key_Return, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    target->setFocus();
    QKeyEvent press(QEvent::KeyPress, key, modifiers, "\r");
    QApplication::sendEvent(target, &press);
  }

  Form form;
  Size designPage{400, 300};
  Control* pages = nullptr;
  Control* page1 = nullptr;
  Control* page2 = nullptr;
  Control* group = nullptr;
  std::vector<Control*> radios;
  Control* check = nullptr;
  Control* edit = nullptr;
  Control* memo = nullptr;
  Control* ok = nullptr;
  Control* other = nullptr;
  Control* paint = nullptr;
  Control* image = nullptr;
  Control* label = nullptr;
  Control* timer = nullptr;
  std::map<std::string, int> clicks;
  std::vector<int> windowKeys;
  int ticks = 0;
  int paints = 0;
  QSize paintedSize;
  std::unique_ptr<qt::QtWindow> window;
};

TEST_F(QtWindowTest, ClickedRadioIsTheOnlyOneCheckedAndRunsItsHandlerOnce) {
  Widget<QRadioButton>(*radios[1])->click();
  EXPECT_EQ(ModelRadios(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(WidgetRadios(), (std::vector<bool>{false, true, false}));
  EXPECT_EQ(clicks, (std::map<std::string, int>{{"Radio1", 1}}));
}

TEST_F(QtWindowTest, ClickOnTheCheckedRadioRunsNothingAndLeavesItChecked) {
  Widget<QRadioButton>(*radios[0])->click();
  EXPECT_EQ(ModelRadios(), (std::vector<bool>{true, false, false}));
  EXPECT_EQ(WidgetRadios(), (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(clicks.empty());
}

TEST_F(QtWindowTest, RadioCheckedFromCodeShowsInTheWidgetsWithOneHandlerCall) {
  Window();
  form.SetChecked(*radios[2], true);
  EXPECT_EQ(WidgetRadios(), (std::vector<bool>{false, false, true}));
  EXPECT_EQ(clicks, (std::map<std::string, int>{{"Radio2", 1}}));
}

TEST_F(QtWindowTest, CheckBoxRunsItsHandlerOncePerChangeByClickOrCode) {
  auto* box = Widget<QCheckBox>(*check);
  struct Step {
    const char* what;
    std::function<void()> act;
    bool checked;
    int calls;
  };
  const Step steps[] = {
      {"click", [&] { box->click(); }, true, 1},
      {"click again", [&] { box->click(); }, false, 2},
      {"from code", [&] { form.SetChecked(*check, true); }, true, 3},
      {"same state from code", [&] { form.SetChecked(*check, true); }, true, 3},
  };
  for (const Step& s : steps) {
    s.act();
    EXPECT_EQ(check->checked, s.checked) << s.what;
    EXPECT_EQ(box->isChecked(), s.checked) << s.what;
    EXPECT_EQ(clicks["Check"], s.calls) << s.what;
  }
}

TEST_F(QtWindowTest, TypingReachesTheModelAndTheCursorStaysWhereItWas) {
  // Typed at the start: a mirror that set the text again would move the cursor to the
  // end, and the second key would land there.
  struct Case {
    Control* control;
    std::string expected;
  };
  for (const Case& k : {Case{edit, "xy25"}, Case{memo, "xyhello"}}) {
    QWidget* w = Window().WidgetOf(*k.control);
    ASSERT_NE(w, nullptr);
    if (auto* line = qobject_cast<QLineEdit*>(w)) line->setCursorPosition(0);
    if (auto* text = qobject_cast<QPlainTextEdit*>(w)) text->moveCursor(QTextCursor::Start);
    for (const char* key : {"x", "y"}) {
      QKeyEvent press(QEvent::KeyPress, key[0] == 'x' ? Qt::Key_X : Qt::Key_Y, Qt::NoModifier, key);
      QApplication::sendEvent(w, &press);
    }
    EXPECT_EQ(k.control->text, k.expected) << k.control->name;
  }
}

TEST_F(QtWindowTest, EnterIsRoutedByTheModel) {
  struct Case {
    const char* what;
    const char* focus;  // "": the window itself
    bool defaultEnabled;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::map<std::string, int> clicks;
    std::vector<int> windowKeys;
  };
  const Case cases[] = {
      {"edit", "Edit", true, Qt::Key_Return, Qt::NoModifier, {{"Ok", 1}}, {}},
      {"edit, keypad Enter", "Edit", true, Qt::Key_Enter, Qt::KeypadModifier, {{"Ok", 1}}, {}},
      {"edit, default button disabled", "Edit", false, Qt::Key_Return, Qt::NoModifier, {}, {}},
      {"radio", "Radio1", true, Qt::Key_Return, Qt::NoModifier, {{"Ok", 1}}, {}},
      {"other button", "Other", true, Qt::Key_Return, Qt::NoModifier, {{"Other", 1}}, {}},
      {"window", "", true, Qt::Key_Return, Qt::NoModifier, {}, {KeyEnter}},
      {"memo: a new line", "Memo", true, Qt::Key_Return, Qt::NoModifier, {}, {}},
      {"edit, Shift+Enter", "Edit", true, Qt::Key_Return, Qt::ShiftModifier, {}, {}},
  };
  for (const Case& k : cases) {
    clicks.clear();
    windowKeys.clear();
    form.SetEnabled(*ok, k.defaultEnabled);
    Control* focused = form.Find(k.focus);
    QWidget* target = focused != nullptr ? Window().WidgetOf(*focused) : Window().TopLevel();
    const std::string memoBefore = memo->text;
    PressEnter(target, k.key, k.modifiers);
    EXPECT_EQ(clicks, k.clicks) << k.what;
    EXPECT_EQ(windowKeys, k.windowKeys) << k.what;
    EXPECT_EQ(memo->text, focused == memo ? "\n" + memoBefore : memoBefore) << k.what;
  }
}

TEST_F(QtWindowTest, TimerTicksOnlyWhileEnabled) {
  Window();
  Spin(60);
  EXPECT_EQ(ticks, 0) << "disabled";
  form.SetEnabled(*timer, true);
  Spin(2000, [this] { return ticks >= 3; });
  EXPECT_GE(ticks, 3) << "enabled";
  form.SetEnabled(*timer, false);
  const int before = ticks;
  Spin(60);
  EXPECT_EQ(ticks, before) << "disabled again";
}

TEST_F(QtWindowTest, FirstActivationRunsOnceAfterTheWindowIsShown) {
  int runs = 0;
  qt::QtWindow w(form);
  w.SetFirstActivation([&] { ++runs; });
  Spin(30);
  EXPECT_EQ(runs, 0) << "not shown yet";
  w.Show();
  Spin(500, [&] { return runs > 0; });
  EXPECT_EQ(runs, 1);
  w.TopLevel()->hide();
  w.Show();
  w.TopLevel()->activateWindow();
  Spin(50);
  EXPECT_EQ(runs, 1) << "shown again";
}

TEST_F(QtWindowTest, WindowIsSizedAroundThePageArea) {
  qt::QtWindow& w = Window();
  auto* tabs = Widget<QTabWidget>(*pages);
  EXPECT_EQ(w.PageSize(*page1).width, designPage.width);
  EXPECT_EQ(w.PageSize(*page1).height, designPage.height);
  EXPECT_EQ(tabs->pos(), QPoint(0, 0));
  EXPECT_EQ(w.TopLevel()->size(), tabs->size()) << "the tab widget fills the window";
  EXPECT_EQ(w.TopLevel()->pos(), QPoint(100, 100));
  EXPECT_EQ(w.TopLevel()->windowTitle(), "Small form");
  EXPECT_EQ(tabs->tabText(0), " First ") << "blanks are kept";
}

TEST_F(QtWindowTest, PageIndexFollowsBothWays) {
  auto* tabs = Widget<QTabWidget>(*pages);
  tabs->tabBar()->setCurrentIndex(1);  // as a click on the tab does
  EXPECT_EQ(pages->pageIndex, 1);
  form.SetPageIndex(*pages, 0);
  EXPECT_EQ(tabs->currentIndex(), 0);
}

TEST_F(QtWindowTest, WindowedControlsStayAboveLabelsImagesAndPaintBoxes) {
  // Each pair overlaps; the button and the edit come first in the form, yet stay on top.
  Control& button = Add(Kind::Button, "Under", page1, 300, 150, 60, 25, "B");
  Control& over = Add(Kind::Label, "OverButton", page1, 300, 150, 60, 25, "label");
  Control& pictureBelow = Add(Kind::Image, "Below", page1, 300, 200, 40, 40);
  Control& labelAbove = Add(Kind::Label, "Above", page1, 300, 200, 40, 21, "on the image");
  Control& entry = Add(Kind::Edit, "Entry", page1, 300, 250, 60, 25);
  Control& box = Add(Kind::PaintBox, "Box", page1, 300, 250, 60, 25);
  QWidget* page = Window().WidgetOf(*page1);
  struct Case {
    QPoint at;
    Control* top;
  };
  for (const Case& k : {Case{{310, 160}, &button}, Case{{310, 205}, &labelAbove}, Case{{310, 260}, &entry}}) {
    QWidget* hit = page->childAt(k.at);
    while (hit != nullptr && Window().ControlOf(hit) == nullptr) hit = hit->parentWidget();
    EXPECT_EQ(hit, Window().WidgetOf(*k.top)) << k.top->name;
  }
  (void)over;
  (void)pictureBelow;
  (void)box;
}

TEST_F(QtWindowTest, ImageShowsItsPictureUnscaled) {
  // 12 bytes a row can be wrapped as they are; 15 cannot, and are copied.
  for (const Size size : {Size{4, 3}, Size{5, 3}}) {
    Picture picture(size.width, size.height);
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        picture.SetPixel(x, y, {static_cast<std::uint8_t>(40 * x), static_cast<std::uint8_t>(70 * y), 200});
      }
    }
    form.ShowPicture(*image, picture);
    const QImage shown = Window().WidgetOf(*image)->grab().toImage();
    for (int y = 0; y < size.height; ++y) {
      for (int x = 0; x < size.width; ++x) {
        ASSERT_EQ(At(shown, x, y), picture.Pixel(x, y)) << size.width << " wide, (" << x << ", " << y << ")";
      }
    }
  }
}

TEST_F(QtWindowTest, PaintBoxPaintsOnItsWidgetOnceForManyRequests) {
  QWidget* box = Window().WidgetOf(*paint);
  const QImage shown = box->grab().toImage();
  EXPECT_EQ(paintedSize, QSize(40, 30));
  EXPECT_EQ(At(shown, 0, 0), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(shown, 39, 29), (Rgb{255, 0, 0}));
  EXPECT_EQ(At(shown, 20, 15), (Rgb{0, 0, 255}));

  Spin(50);
  paints = 0;
  for (int i = 0; i < 3; ++i) {
    form.Invalidate(*page1);
    paint->dirty = false;  // asked again as if painted meanwhile: three reports
  }
  Spin(500, [this] { return paints > 0; });
  Spin(30);
  EXPECT_EQ(paints, 1);
  EXPECT_FALSE(paint->dirty);
}

TEST_F(QtWindowTest, ChangesFromCodeShowInTheWidgets) {
  Control cells;
  cells.kind = Kind::StringGrid;
  cells.name = "Grid";
  cells.width = 200;
  cells.height = 100;
  cells.rows = 3;
  cells.columns = 2;
  Control& grid = form.Add(std::move(cells), page2);
  Window();

  form.SetText(*label, "a much longer caption than the layout had room for");
  form.SetText(*ok, "Go");
  form.SetText(*edit, "31");
  form.SetText(*memo, "one\ntwo");
  form.SetText(*group, "Other choice");
  form.SetText(*page2, " Renamed ");
  form.SetCell(grid, 1, 2, "cell");
  form.SetEnabled(*other, false);
  form.SetVisible(*check, false);

  auto* shownLabel = Widget<QLabel>(*label);
  EXPECT_EQ(shownLabel->text().toStdString(), label->text);
  EXPECT_GE(shownLabel->width(), QFontMetrics(shownLabel->font()).horizontalAdvance(shownLabel->text()))
      << "a label grows with its text";
  EXPECT_EQ(Widget<QPushButton>(*ok)->text(), "Go");
  EXPECT_EQ(Widget<QLineEdit>(*edit)->text(), "31");
  EXPECT_EQ(Widget<QPlainTextEdit>(*memo)->toPlainText(), "one\ntwo");
  EXPECT_EQ(Window().WidgetOf(*group)->property("title").toString(), "Other choice");
  EXPECT_EQ(Widget<QTabWidget>(*pages)->tabText(1), " Renamed ");
  EXPECT_EQ(Widget<QTableWidget>(grid)->item(2, 1)->text(), "cell");
  EXPECT_FALSE(Window().WidgetOf(*other)->isEnabled());
  EXPECT_TRUE(Window().WidgetOf(*check)->isHidden());
  EXPECT_TRUE(clicks.empty()) << "mirroring runs no handler";
}

TEST_F(QtWindowTest, WordWrappedLabelKeepsItsLayoutSize) {
  label->wordWrap = true;
  Window();
  form.SetText(*label, "a much longer caption than the layout had room for");
  EXPECT_EQ(Window().WidgetOf(*label)->size(), QSize(30, 21));
}

// Answers the next modal dialog with answer once it is up.
void AnswerDialog(const std::function<void(QWidget*)>& answer) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, poll, [poll, answer] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      poll->stop();
      poll->deleteLater();
      answer(dialog);
      if (dialog->isVisible()) dialog->close();  // a failed check must not leave the test waiting
    }
  });
  poll->start(5);
}

TEST_F(QtWindowTest, MessageBoxHasOneOkButtonAndNoIcon) {
  QString title;
  QMessageBox::Icon icon = QMessageBox::Critical;
  qsizetype buttons = 0;
  AnswerDialog([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(box, nullptr);
    title = box->windowTitle();
    icon = box->icon();
    buttons = box->buttons().size();
    box->button(QMessageBox::Ok)->click();
  });
  Window().MessageBox("Run finished", "Polycryst");
  EXPECT_EQ(title, "Polycryst");
  EXPECT_EQ(icon, QMessageBox::NoIcon);
  EXPECT_EQ(buttons, 1);
}

TEST_F(QtWindowTest, InputBoxGivesTheEditedTextOnOkAndTheDefaultOnCancel) {
  struct Case {
    bool accept;
    std::string expected;
  };
  for (const Case& k : {Case{true, "0.75"}, Case{false, "0.5"}}) {
    QString prompt;
    AnswerDialog([&](QWidget* dialog) {
      auto* input = qobject_cast<QInputDialog*>(dialog);
      ASSERT_NE(input, nullptr);
      prompt = input->labelText();
      input->setTextValue("0.75");
      if (k.accept) {
        input->accept();
      } else {
        input->reject();
      }
    });
    EXPECT_EQ(Window().InputBox("Fit limit", "New limit:", "0.5"), k.expected) << k.accept;
    EXPECT_EQ(prompt, "New limit:");
  }
}

}  // namespace
}  // namespace polycryst::toolkit
