#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>

#include "platform/bitmap.h"
#include "platform/colour.h"

namespace platform {

class Form;

enum class ControlKind { Label, Button, TextBox, PictureBox, Image, Shape, Frame };
enum class ShapeKind { Rectangle, RoundedRectangle, Oval, Circle };
enum class Align { Left, Centre, Right };

// Who may give a control the keyboard focus.
enum class FocusPolicy {
  None,         // never takes the focus
  User,         // the program, Tab and a click
  ProgramOnly,  // only the program: skipped by Tab, a click does not focus it
};

// One control of a form: plain data that the window backend reads to draw it, plus its event
// handlers. Positions and sizes are in twips; colours are 0x00BBGGRR.
class Control {
 public:
  Control(Form& form, ControlKind kind, std::string name, int index);
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  Form& form() const { return form_; }
  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // position in its control array, -1 when not in one

  // Geometry.
  float left() const { return left_; }
  float top() const { return top_; }
  float width() const { return width_; }
  float height() const { return height_; }
  void set_left(float v);
  void set_top(float v);
  void move(float left, float top);
  void set_bounds(float left, float top, float width, float height);
  bool contains(float x, float y) const;

  // Visibility and input. A hidden or disabled focus owner keeps the focus, unseen.
  bool visible() const { return visible_; }
  void set_visible(bool v);
  bool enabled() const { return enabled_; }
  void set_enabled(bool v);

  // The caption of a label, button or frame; the text of a text box.
  const std::string& caption() const { return text_; }
  void set_caption(std::string v);
  const std::string& text() const { return text_; }
  void set_text(std::string v) { set_caption(std::move(v)); }
  std::size_t caret() const { return caret_; }
  void set_caret(std::size_t v);
  // The most characters the user may type or paste into a text box; 0: no limit.
  std::size_t max_length() const { return max_length_; }
  void set_max_length(std::size_t v) { max_length_ = v; }

  // Look.
  Colour fore_colour() const { return fore_colour_; }
  void set_fore_colour(Colour v);
  Colour back_colour() const { return back_colour_; }
  void set_back_colour(Colour v);
  bool back_transparent() const { return back_transparent_; }
  void set_back_transparent(bool v);
  Colour fill_colour() const { return fill_colour_; }
  void set_fill_colour(Colour v);
  bool filled() const { return filled_; }
  void set_filled(bool v);
  Colour border_colour() const { return border_colour_; }
  void set_border_colour(Colour v);
  int border_width() const { return border_width_; }
  void set_border_width(int v);
  int border_style() const { return border_style_; }  // 0 none, 1 single line
  void set_border_style(int v);
  ShapeKind shape() const { return shape_; }
  void set_shape(ShapeKind v);
  double font_size() const { return font_size_; }  // points
  bool font_bold() const { return font_bold_; }
  void set_font(double size_points, bool bold);
  Align alignment() const { return alignment_; }
  void set_alignment(Align v);
  const std::shared_ptr<const Bitmap>& picture() const { return picture_; }
  void set_picture(std::shared_ptr<const Bitmap> v);
  bool stretch() const { return stretch_; }
  void set_stretch(bool v);

  // Focus.
  FocusPolicy focus_policy() const { return focus_policy_; }
  void set_focus_policy(FocusPolicy v) { focus_policy_ = v; }
  int tab_index() const { return tab_index_; }
  void set_tab_index(int v) { tab_index_ = v; }
  bool has_focus() const;
  void SetFocus();
  bool can_take_focus() const;  // from the program: any policy but None, visible and enabled
  bool tab_stop() const;        // Tab may move here: policy User, visible, enabled
  // A button that Enter and Space press only where the user gave it the focus (Tab or a
  // click), never where the program put the focus on it.
  bool keys_need_user_focus() const { return keys_need_user_focus_; }
  void set_keys_need_user_focus(bool v) { keys_need_user_focus_ = v; }

  // Event handlers, run from the application's event queue.
  std::function<void()> on_click;
  std::function<void()> on_got_focus;
  std::function<void()> on_lost_focus;
  std::function<void(int& code_point)> on_key_press;

 private:
  template <typename T>
  void assign(T& field, T value);
  void changed() const;

  Form& form_;
  ControlKind kind_;
  std::string name_;
  int index_;

  float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string text_;
  std::size_t caret_ = 0;
  std::size_t max_length_ = 0;

  Colour fore_colour_ = 0x000000;
  Colour back_colour_ = 0xFFFFFF;
  bool back_transparent_ = false;
  Colour fill_colour_ = 0x000000;
  bool filled_ = false;
  Colour border_colour_ = 0x000000;
  int border_width_ = 1;
  int border_style_ = 0;
  ShapeKind shape_ = ShapeKind::Rectangle;
  double font_size_ = 8.25;
  bool font_bold_ = false;
  Align alignment_ = Align::Left;
  std::shared_ptr<const Bitmap> picture_;
  bool stretch_ = false;

  FocusPolicy focus_policy_;
  int tab_index_ = 0;
  bool keys_need_user_focus_ = false;
};

}  // namespace platform
