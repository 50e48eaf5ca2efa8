#pragma once
// The Qt 6 display of a Form: one widget per control, every reported change mirrored
// into its widget, and the user's actions fed back into the model, which decides
// everything (radio groups, default buttons, which handler runs).

#include <functional>
#include <memory>
#include <unordered_map>

#include "toolkit/form.hpp"

class QEvent;
class QObject;
class QTimer;
class QWidget;

namespace polycryst::toolkit::qt {

class QtWindow final : public Host, public Observer {
 public:
  // Builds the widgets and becomes the form's observer. The window is sized so that a
  // page of the page control is designPageSize, and stays hidden until Show.
  explicit QtWindow(Form& form, Size designPageSize = {1230, 594});
  ~QtWindow() override;
  QtWindow(const QtWindow&) = delete;
  QtWindow& operator=(const QtWindow&) = delete;

  QWidget* TopLevel() const { return top_.get(); }
  // nullptr for a timer, which has no widget, and for controls of another form.
  QWidget* WidgetOf(const Control& control) const;
  Control* ControlOf(QWidget* widget) const;

  // Runs callback once, soon after the window is first shown or activated, whichever
  // comes first: a window manager may never activate it (none under Xvfb or offscreen).
  void SetFirstActivation(std::function<void()> callback);
  void Show();

  void ControlChanged(Control& control, Change change) override;

  void MessageBox(std::string_view text, std::string_view caption) override;
  std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) override;
  Size ForegroundWindowSize() override;
  void RequestPageSize(Control& page, Size size) override;
  Size PageSize(const Control& page) override;
  void CloseWindow() override;

 private:
  class Hook;

  void Create(Control& control);
  void Connect(Control& control, QWidget* widget);
  void Mirror(Control& control, Change change);
  void ApplyColours(const Control& control, QWidget* widget);
  void ApplyGeometry(const Control& control, QWidget* widget);
  void ApplyTimer(const Control& control);
  void FitWindow(Size designPageSize);
  bool FilterEvent(QObject* watched, QEvent* event);
  Control* FocusedControl() const;
  void ScheduleFirstActivation();

  Form& form_;
  std::unique_ptr<QWidget> top_;
  // The receiver of every connection: deleted first, so no handler reaches a
  // half-destroyed window.
  std::unique_ptr<Hook> hook_;
  std::unordered_map<const Control*, QWidget*> widgets_;
  std::unordered_map<const QWidget*, Control*> controls_;
  std::unordered_map<const Control*, QTimer*> timers_;
  std::function<void()> firstActivation_;
  bool shown_ = false;          // the first show or activation has come
  bool activationRan_ = false;
};

}  // namespace polycryst::toolkit::qt
