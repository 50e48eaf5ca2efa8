#include "toolkit/form.hpp"

#include "toolkit/picture_canvas.hpp"

namespace polycryst::toolkit {

Form::Form() {
  Control window;
  window.kind = Kind::Window;
  window.name = "Form1";
  controls_.push_back(std::make_unique<Control>(std::move(window)));
}

Control& Form::Add(Control control, Control* parent) {
  control.parent = parent != nullptr ? parent : &Window();
  if (control.kind == Kind::StringGrid) {
    control.cells.assign(static_cast<std::size_t>(control.rows * control.columns), std::string());
  }
  controls_.push_back(std::make_unique<Control>(std::move(control)));
  Control& added = *controls_.back();
  added.parent->children.push_back(&added);
  return added;
}

Control* Form::Find(std::string_view name) const {
  for (const auto& c : controls_) {
    if (c->name == name) return c.get();
  }
  return nullptr;
}

void Form::Report(Control& c, Change change) {
  if (observer_ != nullptr) observer_->ControlChanged(c, change);
}

void Form::SetText(Control& c, std::string text) {
  if (c.text == text) return;
  c.text = std::move(text);
  Report(c, Change::Text);
}

void Form::SetEnabled(Control& c, bool enabled) {
  if (c.enabled == enabled) return;
  c.enabled = enabled;
  Report(c, c.kind == Kind::Timer ? Change::Timer : Change::Enabled);
}

void Form::SetVisible(Control& c, bool visible) {
  if (c.visible == visible) return;
  c.visible = visible;
  Report(c, Change::Visible);
}

void Form::SetChecked(Control& c, bool checked) {
  if (c.checked == checked) return;
  if (c.kind == Kind::Radio && checked) {
    for (Control* sibling : c.parent->children) {
      if (sibling != &c && sibling->kind == Kind::Radio && sibling->checked) {
        sibling->checked = false;
        Report(*sibling, Change::Checked);
      }
    }
  }
  c.checked = checked;
  Report(c, Change::Checked);
  // A radio runs its handler when it becomes checked, a check box on every change.
  const bool notify = c.kind == Kind::CheckBox || (c.kind == Kind::Radio && checked);
  if (notify && c.onClick) c.onClick();
}

void Form::SetFontColour(Control& c, Rgb colour) {
  if (c.font.colour == colour) return;
  c.font.colour = colour;
  Report(c, Change::Font);
}

void Form::SetBackground(Control& c, Rgb colour) {
  if (c.background == colour) return;
  c.background = colour;
  Report(c, Change::Background);
}

void Form::SetBounds(Control& c, int left, int top, int width, int height) {
  if (c.left == left && c.top == top && c.width == width && c.height == height) return;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  Report(c, Change::Geometry);
}

void Form::SetCell(Control& grid, int column, int row, std::string text) {
  if (column < 0 || row < 0 || column >= grid.columns || row >= grid.rows) return;
  std::string& cell = grid.cells[static_cast<std::size_t>(row * grid.columns + column)];
  if (cell == text) return;
  cell = std::move(text);
  Report(grid, Change::Cells);
}

void Form::SetRowHeight(Control& grid, int rowHeight) {
  if (grid.rowHeight == rowHeight) return;
  grid.rowHeight = rowHeight;
  Report(grid, Change::Geometry);
}

void Form::SetInterval(Control& timer, int ms) {
  if (timer.interval == ms) return;
  timer.interval = ms;
  Report(timer, Change::Timer);
}

void Form::SetPageIndex(Control& pageControl, int index) {
  if (pageControl.pageIndex == index) return;
  pageControl.pageIndex = index;
  Report(pageControl, Change::PageIndex);
}

void Form::ShowPicture(Control& image, const Picture& picture) {
  image.picture = picture;  // reuses the buffer: same size every time
  Report(image, Change::Picture);
}

void Form::DrawOnImage(Control& image, const std::function<void(Canvas&)>& draw) {
  PictureCanvas canvas(image.picture);
  draw(canvas);
  Report(image, Change::Picture);
}

void Form::Invalidate(Control& c) {
  if (c.kind == Kind::PaintBox) {
    if (!c.dirty) {
      c.dirty = true;
      Report(c, Change::Repaint);
    }
    return;
  }
  for (Control* child : c.children) Invalidate(*child);
}

bool Form::HasPendingPaint() const {
  for (const auto& c : controls_) {
    if (c->dirty) return true;
  }
  return false;
}

void Form::Paint(Control& paintBox, Canvas& canvas) {
  paintBox.dirty = false;
  if (paintBox.onPaint) paintBox.onPaint(canvas);
}

bool Form::EffectivelyEnabled(const Control& c) const {
  for (const Control* p = &c; p != nullptr; p = p->parent) {
    if (!p->enabled) return false;
  }
  return true;
}

Control* Form::PageOf(const Control& c) const {
  for (Control* p = c.parent; p != nullptr; p = p->parent) {
    if (p->kind == Kind::Page) return p;
  }
  return nullptr;
}

void Form::Click(Control& c) {
  if (!EffectivelyEnabled(c)) return;
  switch (c.kind) {
    case Kind::Radio: SetChecked(c, true); break;
    case Kind::CheckBox: SetChecked(c, !c.checked); break;
    default:
      if (c.onClick) c.onClick();
      break;
  }
}

void Form::KeyDown(int key, Control* focused) {
  if (focused == nullptr || focused->kind == Kind::Window || focused->kind == Kind::PageControl ||
      focused->kind == Kind::Page) {
    if (onKeyDown) onKeyDown(key);
    return;
  }
  if (key != KeyEnter) return;
  if (focused->kind == Kind::Button || focused->kind == Kind::BitButton) {
    Click(*focused);
    return;
  }
  if (focused->kind != Kind::Edit && focused->kind != Kind::Radio && focused->kind != Kind::CheckBox) return;
  Control* page = PageOf(*focused);
  if (page == nullptr) return;
  for (const auto& c : controls_) {
    if (c->isDefault && PageOf(*c) == page) {
      Click(*c);
      return;
    }
  }
}

void Form::Tick(Control& timer) {
  if (timer.enabled && timer.onTimer) timer.onTimer();
}

}  // namespace polycryst::toolkit
