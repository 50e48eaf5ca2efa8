#include "toolkit/qt/qt_window.hpp"

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QImage>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>

#include "toolkit/qt/qt_canvas.hpp"

namespace polycryst::toolkit::qt {

namespace {

QString ToQString(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// Labels, images and paint boxes draw on their parent; every other control is a window
// of its own and stays in front of them.
bool IsGraphic(Kind kind) { return kind == Kind::Label || kind == Kind::Image || kind == Kind::PaintBox; }

// The picture's own bytes when Qt can take its rows as they are.
QImage ImageOf(const Picture& picture) {
  const int w = picture.Width();
  const int h = picture.Height();
  const std::size_t stride = picture.Stride();
  const std::uint8_t* bytes = picture.Bytes().data();
  if (stride % 4 == 0) return QImage(bytes, w, h, static_cast<qsizetype>(stride), QImage::Format_RGB888);
  QImage copy(w, h, QImage::Format_RGB888);
  for (int y = 0; y < h; ++y) std::memcpy(copy.scanLine(y), bytes + static_cast<std::size_t>(y) * stride, stride);
  return copy;
}

class ImageWidget final : public QWidget {
 public:
  ImageWidget(const Control& control, QWidget* parent) : QWidget(parent), control_(control) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    const Picture& picture = control_.picture;
    if (picture.Width() <= 0 || picture.Height() <= 0) return;
    QPainter painter(this);
    painter.drawImage(0, 0, ImageOf(picture));
  }

 private:
  const Control& control_;
};

class PaintBoxWidget final : public QWidget {
 public:
  PaintBoxWidget(Form& form, Control& control, QWidget* parent) : QWidget(parent), form_(form), control_(control) {}

 protected:
  // Qt paints on its own schedule too (exposure, a page shown): the handler always draws.
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    QtCanvas canvas(painter, width(), height());
    form_.Paint(control_, canvas);
  }

 private:
  Form& form_;
  Control& control_;
};

QTableWidget* MakeGrid(const Control& control, QWidget* parent) {
  auto* grid = new QTableWidget(control.rows, control.columns, parent);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  // Sizes come from the layout, however small.
  grid->horizontalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::NoSelection);
  grid->setTextElideMode(Qt::ElideNone);  // a narrow column cuts its text off, as a grid does
  for (int row = 0; row < control.rows; ++row) {
    for (int column = 0; column < control.columns; ++column) {
      auto* item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled);
      if (row == 0) item->setBackground(ToQColor(ButtonFaceColour));
      grid->setItem(row, column, item);
    }
  }
  return grid;
}

QPlainTextEdit* MakeMemo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setFrameShape(QFrame::NoFrame);
  memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  memo->setWordWrapMode(QTextOption::WordWrap);
  return memo;
}

QTabWidget* TabsOfPage(QWidget* page) {
  // A page lives in the tab widget's stack.
  for (QWidget* w = page->parentWidget(); w != nullptr; w = w->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(w)) return tabs;
  }
  return nullptr;
}

// What the tab bar and the frame take around a page, as Qt lays them out for this
// style, font and set of tabs. A hidden tab widget defers its layout until it is shown,
// so a copy is shown where nothing sees it, measured and dropped.
QSize TabDecoration(const QTabWidget& tabs, QSize page) {
  QTabWidget probe;
  probe.setAttribute(Qt::WA_DontShowOnScreen);
  probe.setFont(tabs.font());
  probe.setTabPosition(tabs.tabPosition());
  for (int i = 0; i < tabs.count(); ++i) probe.addTab(new QWidget, tabs.tabText(i));
  probe.resize(page);
  probe.show();
  const QWidget* current = probe.currentWidget();
  return current != nullptr ? probe.size() - current->size() : QSize();
}

// Children of a group box are placed from its top edge, below a caption that sits in
// the frame's top line. Fusion puts the caption above a frame that starts a line
// lower, through the children; the frame is moved up to the caption's middle.
void StyleGroupBox(const Control& control, QWidget* widget) {
  if (control.kind != Kind::GroupBox) return;
  const int middle = std::max(control.font.height / 2, 1);
  widget->setStyleSheet(QStringLiteral("QGroupBox { border: 1px solid rgb(180, 180, 180); border-radius: 2px;"
                                       " margin-top: %1px; padding-top: 0px; }"
                                       " QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left;"
                                       " left: 7px; padding: 0px 2px; }")
                            .arg(middle));
}

void FitLabel(const Control& control, QWidget* widget) {
  if (control.kind == Kind::Label && !control.wordWrap) widget->resize(widget->sizeHint());
}

}  // namespace

class QtWindow::Hook final : public QObject {
 public:
  explicit Hook(QtWindow& window) : window_(window) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    return window_.FilterEvent(watched, event) || QObject::eventFilter(watched, event);
  }

 private:
  QtWindow& window_;
};

QtWindow::QtWindow(Form& form, Size designPageSize) : form_(form), hook_(std::make_unique<Hook>(*this)) {
  for (const auto& c : form_.Controls()) Create(*c);
  if (top_ == nullptr) top_ = std::make_unique<QWidget>();

  // The start-up state goes through the same path as every later change.
  for (const auto& c : form_.Controls()) {
    for (Change change : {Change::Font, Change::Background, Change::Text, Change::Geometry, Change::Checked,
                          Change::Cells, Change::PageIndex, Change::Enabled, Change::Timer}) {
      Mirror(*c, change);
    }
    if (!c->visible) Mirror(*c, Change::Visible);
  }

  // Creation order already stacks a later widget over an earlier one; this lifts the
  // windowed controls over the graphic ones and keeps their own order.
  for (const auto& c : form_.Controls()) {
    if (IsGraphic(c->kind) || c->kind == Kind::Window || c->kind == Kind::Page) continue;
    if (QWidget* w = WidgetOf(*c)) w->raise();
  }

  FitWindow(designPageSize);

  top_->installEventFilter(hook_.get());
  for (QWidget* child : top_->findChildren<QWidget*>()) child->installEventFilter(hook_.get());
  for (const auto& c : form_.Controls()) Connect(*c, WidgetOf(*c));
  form_.SetObserver(this);
}

QtWindow::~QtWindow() {
  form_.SetObserver(nullptr);
  hook_.reset();  // disconnects every handler and takes the timers
  top_.reset();
}

QWidget* QtWindow::WidgetOf(const Control& control) const {
  const auto it = widgets_.find(&control);
  return it == widgets_.end() ? nullptr : it->second;
}

Control* QtWindow::ControlOf(QWidget* widget) const {
  const auto it = controls_.find(widget);
  return it == controls_.end() ? nullptr : it->second;
}

void QtWindow::Create(Control& control) {
  QWidget* parent = control.parent != nullptr ? WidgetOf(*control.parent) : nullptr;
  if (parent == nullptr) parent = top_.get();
  QWidget* widget = nullptr;
  switch (control.kind) {
    case Kind::Window:
      top_ = std::make_unique<QWidget>();
      widget = top_.get();
      break;
    case Kind::PageControl: widget = new QTabWidget(parent); break;
    case Kind::Page: {
      widget = new QWidget;
      if (auto* tabs = qobject_cast<QTabWidget*>(parent)) {
        tabs->addTab(widget, ToQString(control.text));
      } else {
        widget->setParent(parent);
      }
      break;
    }
    case Kind::Label: {
      auto* label = new QLabel(parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      label->setWordWrap(control.wordWrap);
      widget = label;
      break;
    }
    case Kind::Button:
    case Kind::BitButton: {
      auto* button = new QPushButton(parent);
      button->setAutoDefault(false);  // Enter is routed by the model
      widget = button;
      break;
    }
    case Kind::Radio: {
      auto* radio = new QRadioButton(parent);
      radio->setAutoExclusive(false);  // the model unchecks the siblings
      widget = radio;
      break;
    }
    case Kind::CheckBox: widget = new QCheckBox(parent); break;
    case Kind::Edit: widget = new QLineEdit(parent); break;
    case Kind::GroupBox: widget = new QGroupBox(parent); break;
    case Kind::Image: widget = new ImageWidget(control, parent); break;
    case Kind::PaintBox: widget = new PaintBoxWidget(form_, control, parent); break;
    case Kind::StringGrid: widget = MakeGrid(control, parent); break;
    case Kind::Memo: widget = MakeMemo(parent); break;
    case Kind::Timer: {
      auto* timer = new QTimer(hook_.get());
      timer->setTimerType(Qt::PreciseTimer);
      timers_[&control] = timer;
      return;
    }
  }
  widgets_[&control] = widget;
  controls_[widget] = &control;
}

void QtWindow::Connect(Control& control, QWidget* widget) {
  Control* c = &control;
  switch (control.kind) {
    case Kind::PageControl: {
      auto* tabs = static_cast<QTabWidget*>(widget);
      QObject::connect(tabs, &QTabWidget::currentChanged, hook_.get(), [this, c](int index) {
        if (index >= 0) form_.SetPageIndex(*c, index);
      });
      break;
    }
    case Kind::Button:
    case Kind::BitButton:
      QObject::connect(static_cast<QAbstractButton*>(widget), &QAbstractButton::clicked, hook_.get(),
                       [this, c] { form_.Click(*c); });
      break;
    case Kind::Radio:
    case Kind::CheckBox: {
      auto* button = static_cast<QAbstractButton*>(widget);
      // Qt has already toggled the widget; the model decides what the click means and
      // reports the outcome, which lands back here through the mirror.
      QObject::connect(button, &QAbstractButton::clicked, hook_.get(), [this, c, button] {
        {
          const QSignalBlocker block(button);
          button->setChecked(c->checked);
        }
        form_.Click(*c);
      });
      break;
    }
    case Kind::Edit:
      QObject::connect(static_cast<QLineEdit*>(widget), &QLineEdit::textEdited, hook_.get(),
                       [this, c](const QString& text) { form_.SetText(*c, text.toStdString()); });
      break;
    case Kind::Memo: {
      auto* memo = static_cast<QPlainTextEdit*>(widget);
      QObject::connect(memo, &QPlainTextEdit::textChanged, hook_.get(),
                       [this, c, memo] { form_.SetText(*c, memo->toPlainText().toStdString()); });
      break;
    }
    case Kind::Timer: {
      const auto it = timers_.find(c);
      if (it != timers_.end()) QObject::connect(it->second, &QTimer::timeout, hook_.get(), [this, c] { form_.Tick(*c); });
      break;
    }
    default: break;
  }
}

void QtWindow::ControlChanged(Control& control, Change change) { Mirror(control, change); }

void QtWindow::Mirror(Control& control, Change change) {
  if (control.kind == Kind::Timer) {
    if (change == Change::Timer || change == Change::Enabled) ApplyTimer(control);
    return;
  }
  QWidget* widget = WidgetOf(control);
  if (widget == nullptr) return;
  QTabWidget* tabs = control.kind == Kind::Page ? TabsOfPage(widget) : nullptr;
  const QSignalBlocker block(widget);
  const QSignalBlocker blockTabs(tabs);
  const QString text = ToQString(control.text);

  switch (change) {
    case Change::Text:
      switch (control.kind) {
        case Kind::Window: widget->setWindowTitle(text); break;
        case Kind::Page:
          if (tabs != nullptr) tabs->setTabText(tabs->indexOf(widget), text);
          break;
        case Kind::Label:
          static_cast<QLabel*>(widget)->setText(text);
          FitLabel(control, widget);
          break;
        case Kind::Button:
        case Kind::BitButton:
        case Kind::Radio: static_cast<QAbstractButton*>(widget)->setText(text); break;
        case Kind::Edit: {
          // Typing reports the text it already shows: setting it again would move the cursor.
          auto* edit = static_cast<QLineEdit*>(widget);
          if (edit->text() != text) edit->setText(text);
          break;
        }
        case Kind::GroupBox: static_cast<QGroupBox*>(widget)->setTitle(text); break;
        case Kind::Memo: {
          auto* memo = static_cast<QPlainTextEdit*>(widget);
          if (memo->toPlainText() != text) {
            memo->setPlainText(text);
            memo->moveCursor(QTextCursor::Start);
            memo->verticalScrollBar()->setValue(0);
          }
          break;
        }
        default: break;  // a check box shows no caption
      }
      break;
    case Change::Enabled: widget->setEnabled(control.enabled); break;
    case Change::Visible:
      if (control.kind == Kind::Page) {
        if (tabs != nullptr) tabs->setTabVisible(tabs->indexOf(widget), control.visible);
      } else {
        widget->setVisible(control.visible);
      }
      break;
    case Change::Checked:
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) button->setChecked(control.checked);
      break;
    case Change::Font:
      widget->setFont(ToQFont(control.font));
      ApplyColours(control, widget);
      StyleGroupBox(control, widget);
      FitLabel(control, widget);
      break;
    case Change::Background: ApplyColours(control, widget); break;
    case Change::Geometry: ApplyGeometry(control, widget); break;
    case Change::Picture:
    case Change::Repaint: widget->update(); break;  // Qt merges pending updates into one paint
    case Change::Cells:
      if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
        for (int row = 0; row < control.rows && row < grid->rowCount(); ++row) {
          for (int column = 0; column < control.columns && column < grid->columnCount(); ++column) {
            if (QTableWidgetItem* item = grid->item(row, column)) item->setText(ToQString(control.Cell(column, row)));
          }
        }
      }
      break;
    case Change::PageIndex:
      if (auto* pages = qobject_cast<QTabWidget*>(widget)) pages->setCurrentIndex(control.pageIndex);
      break;
    case Change::Timer: break;
  }
}

void QtWindow::ApplyColours(const Control& control, QWidget* widget) {
  // A fresh palette each time: only the roles set here are the widget's own, the rest
  // still come from its parent.
  QPalette palette;
  bool fill = false;
  switch (control.kind) {
    case Kind::Window:
      palette.setColor(QPalette::Window, ToQColor(WindowColour));
      fill = true;
      break;
    case Kind::Page:
    case Kind::GroupBox:
      palette.setColor(QPalette::Window, ToQColor(ButtonFaceColour));
      fill = true;
      break;
    case Kind::Button:
    case Kind::BitButton: palette.setColor(QPalette::Button, ToQColor(ButtonFaceColour)); break;
    case Kind::Label: palette.setColor(QPalette::Window, ToQColor(ButtonFaceColour)); break;
    default: break;
  }
  if (control.background) {
    const QColor background = ToQColor(*control.background);
    if (control.kind == Kind::Edit || control.kind == Kind::Memo || control.kind == Kind::StringGrid) {
      palette.setColor(QPalette::Base, background);
    } else {
      palette.setColor(QPalette::Window, background);
      fill = true;
    }
  }

  // The text colour of the enabled states only: a disabled control keeps the style's grey.
  const QColor text = ToQColor(control.font.Colour());
  const auto setText = [&](QPalette::ColorRole role) {
    palette.setColor(QPalette::Active, role, text);
    palette.setColor(QPalette::Inactive, role, text);
  };
  switch (control.kind) {
    case Kind::Button:
    case Kind::BitButton: setText(QPalette::ButtonText); break;
    case Kind::Edit:
    case Kind::Memo:
    case Kind::StringGrid: setText(QPalette::Text); break;
    case Kind::PageControl:
      setText(QPalette::WindowText);
      setText(QPalette::ButtonText);
      break;
    case Kind::Image:
    case Kind::PaintBox:
    case Kind::Timer: break;
    default: setText(QPalette::WindowText); break;
  }
  widget->setPalette(palette);
  widget->setAutoFillBackground(fill);
}

void QtWindow::ApplyGeometry(const Control& control, QWidget* widget) {
  switch (control.kind) {
    case Kind::Window:
    case Kind::Page: return;  // the window follows the page control, a page fills its tab widget
    case Kind::Label:
      if (!control.wordWrap) {
        widget->move(control.left, control.top);
        FitLabel(control, widget);
        return;
      }
      break;
    case Kind::StringGrid:
      if (auto* grid = qobject_cast<QTableWidget*>(widget)) {
        if (control.rowHeight > 0) {
          grid->verticalHeader()->setDefaultSectionSize(control.rowHeight);
          for (int row = 0; row < grid->rowCount(); ++row) grid->setRowHeight(row, control.rowHeight);
        }
        for (int column = 0; column < grid->columnCount(); ++column) {
          const auto i = static_cast<std::size_t>(column);
          if (i < control.columnWidths.size()) grid->setColumnWidth(column, control.columnWidths[i]);
        }
      }
      break;
    default: break;
  }
  widget->setGeometry(control.left, control.top, control.width, control.height);
}

void QtWindow::ApplyTimer(const Control& control) {
  const auto it = timers_.find(&control);
  if (it == timers_.end()) return;
  QTimer* timer = it->second;
  const QSignalBlocker block(timer);
  timer->setInterval(control.interval);
  // An interval of 0 would fire on every idle pass of the event loop; such a timer
  // never fires, as on the platform the program was written for.
  if (control.enabled && control.interval > 0) {
    timer->start();
  } else {
    timer->stop();
  }
}

void QtWindow::FitWindow(Size designPageSize) {
  QTabWidget* tabs = nullptr;
  for (const auto& c : form_.Controls()) {
    if (c->kind == Kind::PageControl) {
      tabs = qobject_cast<QTabWidget*>(WidgetOf(*c));
      if (tabs != nullptr) break;
    }
  }
  if (tabs == nullptr) {
    const Control& window = *form_.Controls().front();
    if (window.width > 0 && window.height > 0) top_->resize(window.width, window.height);
  } else {
    const QSize page(designPageSize.width, designPageSize.height);
    const QSize decoration = TabDecoration(*tabs, page);
    tabs->setGeometry(QRect(QPoint(0, 0), page + decoration));
    // The stack sizes its pages when shown; until then PageSize reports this.
    for (int i = 0; i < tabs->count(); ++i) tabs->widget(i)->resize(page);
    top_->resize(tabs->size());
  }
  top_->move(100, 100);
}

bool QtWindow::FilterEvent(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (watched == top_.get() && (type == QEvent::Show || type == QEvent::WindowActivate) && !shown_) {
    shown_ = true;
    ScheduleFirstActivation();
    return false;
  }
  if (type != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
  // The keypad's Enter always carries the keypad flag; that is no modifier.
  if (key->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) return false;
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != top_.get()) return false;  // a dialog's own Enter
  Control* focused = FocusedControl();
  if (focused != nullptr && focused->kind == Kind::Memo) return false;  // a new line
  form_.KeyDown(KeyEnter, focused);
  return true;
}

Control* QtWindow::FocusedControl() const {
  QWidget* focus = QApplication::focusWidget();
  // Without activation (no window manager) the application has no focus widget, but
  // the window still delivers keys to its own focus child.
  if (focus == nullptr || focus->window() != top_.get()) focus = top_->focusWidget();
  // The nearest control up from the focus: a tab bar or a line edit's parts count as theirs.
  for (QWidget* w = focus; w != nullptr; w = w->parentWidget()) {
    if (Control* c = ControlOf(w)) {
      const bool window = c->kind == Kind::Window || c->kind == Kind::PageControl || c->kind == Kind::Page;
      return window ? nullptr : c;
    }
  }
  return nullptr;
}

void QtWindow::SetFirstActivation(std::function<void()> callback) {
  firstActivation_ = std::move(callback);
  if (shown_ && !activationRan_) ScheduleFirstActivation();
}

void QtWindow::ScheduleFirstActivation() {
  // Deferred: the show is still in progress and the layout not final.
  QTimer::singleShot(0, hook_.get(), [this] {
    if (activationRan_ || !firstActivation_) return;
    activationRan_ = true;
    const auto run = std::move(firstActivation_);
    firstActivation_ = nullptr;
    run();
  });
}

void QtWindow::Show() {
  top_->show();
  top_->activateWindow();
}

void QtWindow::MessageBox(std::string_view text, std::string_view caption) {
  QMessageBox box(top_.get());
  box.setIcon(QMessageBox::NoIcon);
  box.setWindowTitle(ToQString(caption));
  box.setTextFormat(Qt::PlainText);
  box.setText(ToQString(text));
  box.setStandardButtons(QMessageBox::Ok);
  box.exec();
}

std::string QtWindow::InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) {
  bool ok = false;
  const QString text = QInputDialog::getText(top_.get(), ToQString(caption), ToQString(prompt), QLineEdit::Normal,
                                             ToQString(defaultText), &ok);
  return ok ? text.toStdString() : std::string(defaultText);
}

Size QtWindow::ForegroundWindowSize() {
  const QSize size = top_->frameGeometry().size();
  return {size.width(), size.height()};
}

// Nothing to do: a page always fills its tab widget, whose size was fixed when the
// window was built; PageSize reports what the page got.
void QtWindow::RequestPageSize(Control&, Size) {}

Size QtWindow::PageSize(const Control& page) {
  const QWidget* widget = WidgetOf(page);
  if (widget == nullptr) return {};
  return {widget->width(), widget->height()};
}

void QtWindow::CloseWindow() { top_->close(); }

}  // namespace polycryst::toolkit::qt
