#include "platform/control.h"

#include "platform/application.h"
#include "platform/form.h"

namespace platform {

namespace {

FocusPolicy default_focus_policy(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
    case ControlKind::TextBox:
    case ControlKind::PictureBox:
      return FocusPolicy::User;
    default:
      return FocusPolicy::None;
  }
}

}  // namespace

Control::Control(Form& form, ControlKind kind, std::string name, int index)
    : form_(form),
      kind_(kind),
      name_(std::move(name)),
      index_(index),
      focus_policy_(default_focus_policy(kind)) {}

template <typename T>
void Control::assign(T& field, T value) {
  if (field == value)
    return;
  field = std::move(value);
  changed();
}

void Control::changed() const {
  form_.app().mark_changed();
}

void Control::set_left(float v) {
  assign(left_, v);
}
void Control::set_top(float v) {
  assign(top_, v);
}
void Control::move(float left, float top) {
  set_left(left);
  set_top(top);
}
void Control::set_bounds(float left, float top, float width, float height) {
  move(left, top);
  assign(width_, width);
  assign(height_, height);
}

bool Control::contains(float x, float y) const {
  return x >= left_ && y >= top_ && x < left_ + width_ && y < top_ + height_;
}

void Control::set_visible(bool v) {
  if (visible_ == v)
    return;
  visible_ = v;
  changed();
  if (!v && has_focus())
    form_.app().focus_owner_hidden();
}

void Control::set_enabled(bool v) {
  if (enabled_ == v)
    return;
  enabled_ = v;
  changed();
  if (!v && has_focus())
    form_.app().focus_owner_hidden();
}

void Control::set_caption(std::string v) {
  if (text_ == v)
    return;
  text_ = std::move(v);
  caret_ = text_.size();
  changed();
}

void Control::set_caret(std::size_t v) {
  assign(caret_, v > text_.size() ? text_.size() : v);
}

void Control::set_fore_colour(Colour v) {
  assign(fore_colour_, v);
}
void Control::set_back_colour(Colour v) {
  assign(back_colour_, v);
}
void Control::set_back_transparent(bool v) {
  assign(back_transparent_, v);
}
void Control::set_fill_colour(Colour v) {
  assign(fill_colour_, v);
}
void Control::set_filled(bool v) {
  assign(filled_, v);
}
void Control::set_border_colour(Colour v) {
  assign(border_colour_, v);
}
void Control::set_border_width(int v) {
  assign(border_width_, v);
}
void Control::set_border_style(int v) {
  assign(border_style_, v);
}
void Control::set_shape(ShapeKind v) {
  assign(shape_, v);
}
void Control::set_font(double size_points, bool bold) {
  assign(font_size_, size_points);
  assign(font_bold_, bold);
}
void Control::set_alignment(Align v) {
  assign(alignment_, v);
}
void Control::set_picture(std::shared_ptr<const Bitmap> v) {
  assign(picture_, std::move(v));
}
void Control::set_stretch(bool v) {
  assign(stretch_, v);
}

bool Control::has_focus() const {
  return form_.app().focus() == this;
}

void Control::SetFocus() {
  form_.app().set_focus(*this);
}

bool Control::can_take_focus() const {
  return focus_policy_ != FocusPolicy::None && visible_ && enabled_;
}

bool Control::tab_stop() const {
  return focus_policy_ == FocusPolicy::User && visible_ && enabled_;
}

}  // namespace platform
