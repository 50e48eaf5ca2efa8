#pragma once
// The control model: the single source of the window's state. A display backend builds
// its widgets from it, mirrors every change it reports, and feeds user actions back in
// through Click, SetText (typing), SetPageIndex (a tab chosen), KeyDown, Paint and Tick.
//
// The behaviours the program relies on live here, once:
// - checking a radio, by a click or from code, unchecks its siblings (the radios of the
//   same parent) and runs its click handler, only when it was not checked already;
// - a check box whose state changes, by a click or from code, runs its click handler once;
// - a repaint request only marks a surface; marked surfaces are painted later, once.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/canvas.hpp"
#include "toolkit/font.hpp"
#include "toolkit/picture.hpp"

namespace polycryst::toolkit {

enum class Kind {
  Window,
  PageControl,
  Page,
  Label,
  Button,
  BitButton,
  Radio,
  CheckBox,
  Edit,
  GroupBox,
  Image,
  PaintBox,
  StringGrid,
  Memo,
  Timer,
};

using Handler = std::function<void()>;
using PaintHandler = std::function<void(Canvas&)>;
using KeyHandler = std::function<void(int key)>;

inline constexpr int KeyEnter = 13;

struct Control {
  Kind kind = Kind::Label;
  std::string name;
  Control* parent = nullptr;
  int left = 0, top = 0, width = 0, height = 0;
  std::string text;  // caption, entry text, memo lines joined by '\n'
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  bool wordWrap = false;
  bool isDefault = false;  // the default button of its page, clicked by Enter
  Font font;
  std::optional<Rgb> background;  // none: the parent's colour

  // String grid: rows x columns of texts, row 0 fixed.
  int columns = 0, rows = 0;
  int rowHeight = 0;
  std::vector<int> columnWidths;
  std::vector<std::string> cells;  // row-major

  Picture picture;      // image: what it shows
  int interval = 0;     // timer: milliseconds
  int pageIndex = 0;    // page control: the page shown
  bool dirty = false;   // paint box: a repaint is pending

  Handler onClick;
  PaintHandler onPaint;
  Handler onTimer;

  std::vector<Control*> children;

  const std::string& Cell(int column, int row) const { return cells[static_cast<std::size_t>(row * columns + column)]; }
};

// What a backend is told after the model changed a control.
enum class Change { Text, Enabled, Visible, Checked, Font, Background, Geometry, Picture, Cells, Repaint, PageIndex, Timer };

class Observer {
 public:
  virtual ~Observer() = default;
  virtual void ControlChanged(Control& control, Change change) = 0;
};

class Form {
 public:
  Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Adds a control under its parent (nullptr for the window itself) and returns it;
  // controls keep their address for the life of the form.
  Control& Add(Control control, Control* parent);
  Control& Window() { return *controls_.front(); }
  Control* Find(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  void SetObserver(Observer* observer) { observer_ = observer; }

  // Changes from the program. Each reports to the observer only when something changed.
  void SetText(Control& c, std::string text);
  void SetEnabled(Control& c, bool enabled);
  void SetVisible(Control& c, bool visible);
  void SetChecked(Control& c, bool checked);
  void SetFontColour(Control& c, Rgb colour);
  void SetBackground(Control& c, Rgb colour);
  void SetBounds(Control& c, int left, int top, int width, int height);
  void SetCell(Control& grid, int column, int row, std::string text);
  void SetRowHeight(Control& grid, int rowHeight);
  void SetInterval(Control& timer, int ms);
  void SetPageIndex(Control& pageControl, int index);  // also what a chosen tab does

  // The image shows a copy of the picture from now on.
  void ShowPicture(Control& image, const Picture& picture);
  // Draws into the image's own picture, then reports it changed.
  void DrawOnImage(Control& image, const std::function<void(Canvas&)>& draw);

  // Marks a paint box, or every paint box below a control, for painting.
  void Invalidate(Control& c);
  bool HasPendingPaint() const;
  // Runs the paint handler of one surface and clears its mark.
  void Paint(Control& paintBox, Canvas& canvas);

  // User actions. A click on a disabled control (or one below a disabled parent) does nothing.
  void Click(Control& c);
  // A key pressed. focused is the control with the keyboard focus, nullptr when the
  // window itself has it. Enter on a focused push button clicks it; on an entry, radio
  // or check box it clicks its page's default button when that is enabled; with the
  // window focused the key goes to the window's key handler.
  void KeyDown(int key, Control* focused);
  // A timer tick: runs the timer's handler if the timer is enabled.
  void Tick(Control& timer);

  bool EffectivelyEnabled(const Control& c) const;
  Control* PageOf(const Control& c) const;

  KeyHandler onKeyDown;

 private:
  void Report(Control& c, Change change);
  std::vector<std::unique_ptr<Control>> controls_;
  Observer* observer_ = nullptr;
};

// The modal dialogs.
class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A message with one OK button and no icon.
  virtual void MessageBox(std::string_view text, std::string_view caption) = 0;
  // The edited text on OK, defaultText on Cancel.
  virtual std::string InputBox(std::string_view caption, std::string_view prompt, std::string_view defaultText) = 0;
};

struct Size {
  int width = 0;
  int height = 0;
};

// What the window needs of the platform besides its controls.
class Host : public Dialogs {
 public:
  // The outer size of the window in front (the main window, at its first activation).
  virtual Size ForegroundWindowSize() = 0;
  // Asks for a page size; the page control's layout decides the result.
  virtual void RequestPageSize(Control& page, Size size) = 0;
  virtual Size PageSize(const Control& page) = 0;
  // Closes the main window, which ends the program.
  virtual void CloseWindow() = 0;
};

}  // namespace polycryst::toolkit
