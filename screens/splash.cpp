#include "screens/splash.h"

#include "screens/settings.h"

namespace omaha {

namespace {

using platform::Align;
using platform::Control;
using platform::ControlKind;
using platform::ShapeKind;

// The captions and shapes sit inside the frame; their places are given from its corner.
constexpr float kFrameLeft = 96;
constexpr float kFrameTop = 84;

struct Place {
  float left, top, width, height;
};

Control& red_caption(platform::Form& form, const char* name, const char* text, Place at,
                     double points, Align align) {
  Control& label = form.add(ControlKind::Label, name);
  label.set_bounds(kFrameLeft + at.left, kFrameTop + at.top, at.width, at.height);
  label.set_caption(text);
  label.set_back_transparent(true);
  label.set_fore_colour(0xFF);
  label.set_font(points, true);
  label.set_alignment(align);
  return label;
}

Control& card_shape(platform::Form& form, const char* name, ShapeKind kind, Place at,
                    platform::Colour fill, platform::Colour outline) {
  Control& s = form.add(ControlKind::Shape, name);
  s.set_bounds(kFrameLeft + at.left, kFrameTop + at.top, at.width, at.height);
  s.set_shape(kind);
  s.set_filled(true);
  s.set_fill_colour(fill);
  s.set_border_colour(outline);
  return s;
}

Control& frame(platform::Form& form) {
  Control& f = form.add(ControlKind::Frame, "Frame1");
  f.set_bounds(kFrameLeft, kFrameTop, 7212, 4050);
  f.set_back_colour(0x000000);
  return f;
}

constexpr platform::Colour kCardFill = 0x404080;
constexpr platform::Colour kCardEdge = 0x400000;

}  // namespace

frmSplash::frmSplash(platform::Application& app, settings& next)
    : Form(app, "frmSplash"),
      Frame1(frame(*this)),
      Shape5(
          card_shape(*this, "Shape5", ShapeKind::Circle, {-408, 1260, 3576, 2316}, 0x000000, 0xFF)),
      Shape1(card_shape(*this, "Shape1", ShapeKind::RoundedRectangle, {516, 1944, 480, 1032},
                        kCardFill, kCardEdge)),
      Shape2(card_shape(*this, "Shape2", ShapeKind::RoundedRectangle, {888, 1860, 480, 1176},
                        kCardFill, kCardEdge)),
      Shape3(card_shape(*this, "Shape3", ShapeKind::RoundedRectangle, {1308, 1812, 480, 1236},
                        kCardFill, kCardEdge)),
      Shape4(card_shape(*this, "Shape4", ShapeKind::RoundedRectangle, {1740, 1872, 396, 1104},
                        kCardFill, kCardEdge)),
      Shape6(card_shape(*this, "Shape6", ShapeKind::RoundedRectangle, {1512, 2856, 624, 384},
                        kCardFill, kCardFill)),
      lblProductName(red_caption(*this, "lblProductName", "TARROW OMAHA", {744, 108, 5664, 756},
                                 32.4, Align::Left)),
      Label1(red_caption(*this, "Label1", "Multi Table Tournament Software",
                         {3204, 1560, 3612, 900}, 16.2, Align::Centre)),
      lblVersion(red_caption(*this, "lblVersion", "Version 1.0", {4224, 2772, 1272, 288}, 12,
                             Align::Right)),
      Timer1(add_timer("Timer1", 2500)),
      next_(next) {
  set_back_colour(0x800000);
  set_client_size(7380, 4236);
  set_title_bar(false);

  on_load = [this] { Timer1.set_enabled(true); };
  Timer1.on_tick = [this] { Timer1_Timer(); };
  on_key_press = [this](int& code_point) { Form_KeyPress(code_point); };
  Frame1.on_click = [this] { Frame1_Click(); };
}

void frmSplash::leave() {
  if (!loaded())
    return;
  next_.show();
  unload();
}

}  // namespace omaha
