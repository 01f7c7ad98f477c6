#include "platform/sdl/control_drawing.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "platform/sdl/text_layout.h"

namespace platform::sdl {

namespace {

// The classic 3-D palette.
constexpr Colour kHighlight = 0xFFFFFF;
constexpr Colour kLight = 0xDFDFDF;
constexpr Colour kShadow = 0x808080;
constexpr Colour kDarkShadow = 0x000000;
constexpr Colour kGreyText = 0x808080;
constexpr Colour kBlack = 0x000000;

Colour text_colour(const Control& control) {
  return control.enabled() ? control.fore_colour() : kGreyText;
}

TextStyle caption_style(const Control& control) {
  TextStyle style;
  style.points = control.font_size();
  style.bold = control.font_bold();
  style.colour = text_colour(control);
  style.align = control.alignment();
  return style;
}

void sunken_border(Painter& p, const SDL_Rect& rect) {
  const int u = p.unit();
  p.bevel(rect, kShadow, kHighlight, u);
  p.bevel(inset(rect, u), kDarkShadow, kLight, u);
}

// The face of a button: inside its dark outline when it has the focus or is held down.
SDL_Rect button_face(const Painter& p, const SDL_Rect& rect, const ControlState& state) {
  return state.focused || state.pressed ? inset(rect, p.unit()) : rect;
}

// Returns the smallest rectangle round the caption's ink.
SDL_Rect draw_caption(Painter& p, const Control& c, const ControlState& state) {
  const CaptionPlace place = caption_place(p, c, state);
  return p.text_block(strip_access_keys(c.caption()), place.box, place.style);
}

// How far inside a button's face the focus mark runs on one side, given the room between the
// face's edge and the caption's ink there: a unit inside the bevel as the classic look has it,
// nearer the edge where the ink comes close, over the bevel where even that leaves no room. A
// clear pixel always stays between the mark and the ink.
int focus_mark_inset(int room, int u) {
  return std::clamp(room - u - 1, 0, 3 * u);
}

SDL_Rect focus_mark(const SDL_Rect& face, const SDL_Rect& ink, int u) {
  if (SDL_RectEmpty(&ink))
    return inset(face, 3 * u);
  const int left = focus_mark_inset(ink.x - face.x, u);
  const int top = focus_mark_inset(ink.y - face.y, u);
  const int right = focus_mark_inset(face.x + face.w - ink.x - ink.w, u);
  const int bottom = focus_mark_inset(face.y + face.h - ink.y - ink.h, u);
  return SDL_Rect{face.x + left, face.y + top, std::max(0, face.w - left - right),
                  std::max(0, face.h - top - bottom)};
}

void draw_label(Painter& p, const Control& c, const SDL_Rect& rect) {
  if (!c.back_transparent())
    p.fill(rect, c.back_colour());
  if (c.border_style() == 1)
    p.frame(rect, kBlack, p.unit());
  draw_caption(p, c, {});
}

void draw_button(Painter& p, const Control& c, const SDL_Rect& rect, const ControlState& state) {
  const int u = p.unit();
  p.fill(rect, c.back_colour());
  const SDL_Rect face = button_face(p, rect, state);
  if (state.focused || state.pressed) {
    // The button that Enter would press wears a dark outline.
    p.frame(rect, kDarkShadow, u);
  }
  if (state.pressed) {
    p.frame(face, kShadow, u);
  } else {
    p.bevel(face, kHighlight, kDarkShadow, u);
    p.bevel(inset(face, u), kLight, kShadow, u);
  }
  const SDL_Rect ink = draw_caption(p, c, state);
  if (state.focused)
    p.dotted_frame(focus_mark(face, ink, u), kBlack);
}

void draw_text_box(Painter& p, const Control& c, const SDL_Rect& rect, const ControlState& state) {
  const int u = p.unit();
  p.fill(rect, c.back_colour());
  sunken_border(p, rect);
  const SDL_Rect inner = inset(rect, 2 * u);
  const Painter::ClipScope clip(p, inner);
  if (clip.empty())
    return;
  const Font font = p.font(c.font_size(), c.font_bold());
  if (!font)
    return;

  const std::string& text = c.text();
  const int margin = std::max(1, static_cast<int>(std::lround(2 * p.scale())));
  const int room = inner.w - 2 * margin;
  const int width = p.text_width(font, text);
  const int caret_x = p.text_width(font, std::string_view(text).substr(0, c.caret()));
  int x = inner.x + margin;
  if (width > room) {
    // Text longer than the box scrolls so that the caret stays in view.
    if (state.focused)
      x -= std::max(0, caret_x - room);
  } else if (c.alignment() == Align::Centre) {
    x += (room - width) / 2;
  } else if (c.alignment() == Align::Right) {
    x += room - width;
  }
  const int height = p.line_height(font);
  const int y = inner.y + std::max(0, (inner.h - height) / 2);
  p.text(font, text, x, y, text_colour(c));
  if (state.focused)
    p.fill(SDL_Rect{x + caret_x, y, u, height}, c.fore_colour());
}

// Where a picture goes at its own logical size (scaled with the window), its top left at (x, y).
SDL_Rect natural_size(const Painter& p, const Bitmap& picture, int x, int y) {
  return SDL_Rect{x, y, static_cast<int>(std::lround(picture.logical_width() * p.scale())),
                  static_cast<int>(std::lround(picture.logical_height() * p.scale()))};
}

void draw_picture_box(Painter& p, const Control& c, const SDL_Rect& rect) {
  p.fill(rect, c.back_colour());
  SDL_Rect inner = rect;
  if (c.border_style() == 1) {
    sunken_border(p, rect);
    inner = inset(rect, 2 * p.unit());
  }
  if (!c.picture())
    return;
  const Painter::ClipScope clip(p, inner);
  if (!clip.empty())
    p.picture(c.picture(), natural_size(p, *c.picture(), inner.x, inner.y));
}

void draw_image(Painter& p, const Control& c, const SDL_Rect& rect) {
  if (c.picture()) {
    p.picture(c.picture(), c.stretch() ? rect : natural_size(p, *c.picture(), rect.x, rect.y));
  }
  if (c.border_style() == 1)
    p.frame(rect, kBlack, p.unit());
}

void draw_shape(Painter& p, const Control& c, const SDL_Rect& rect) {
  ShapeStyle style;
  style.kind = c.shape();
  style.border = c.border_width() > 0
                     ? std::max(1, static_cast<int>(std::lround(c.border_width() * p.scale())))
                     : 0;
  style.filled = c.filled();
  style.fill = c.fill_colour();
  style.border_colour = c.border_colour();
  if (style.kind == ShapeKind::Rectangle) {
    // Square edges need no smoothing: plain rectangles on the pixel grid are quicker.
    if (style.filled)
      p.fill(rect, style.fill);
    if (style.border > 0)
      p.frame(rect, style.border_colour, style.border);
    return;
  }
  // Curves are smoothed anyway: they are drawn where the control is, not rounded to whole pixels,
  // so shapes inside one another stay centred at every scale.
  const Painter::ExactArea area = p.exact_area(c);
  const double x = std::floor(area.x);
  const double y = std::floor(area.y);
  style.left = area.x - x;
  style.top = area.y - y;
  style.width = area.width;
  style.height = area.height;
  p.shape(style, static_cast<int>(x), static_cast<int>(y));
}

void draw_frame(Painter& p, const Control& c, const SDL_Rect& rect) {
  const int u = p.unit();
  p.fill(rect, c.back_colour());
  const Font font = p.font(c.font_size(), c.font_bold());
  const int text_height = p.line_height(font);
  // The etched line runs through the middle of the caption.
  const int top = std::min(rect.h, text_height / 2);
  const SDL_Rect box{rect.x, rect.y + top, rect.w, rect.h - top};
  p.frame(SDL_Rect{box.x + u, box.y + u, box.w - u, box.h - u}, kHighlight, u);
  p.frame(SDL_Rect{box.x, box.y, box.w - u, box.h - u}, kShadow, u);
  const std::string caption = strip_access_keys(c.caption());
  if (caption.empty() || !font)
    return;
  const Painter::ClipScope clip(p, rect);
  if (clip.empty())
    return;
  const int x = rect.x + 6 * u;
  p.fill(SDL_Rect{x, rect.y, p.text_width(font, caption) + 2 * u, text_height}, c.back_colour());
  p.text(font, caption, x + u, rect.y, text_colour(c));
}

}  // namespace

CaptionPlace caption_place(const Painter& p, const Control& c, const ControlState& state) {
  const SDL_Rect rect = p.to_pixels(c);
  CaptionPlace place{rect, caption_style(c)};
  if (c.kind() == ControlKind::Button) {
    const int u = p.unit();
    place.box = inset(button_face(p, rect, state), 2 * u);
    if (state.pressed) {
      place.box.x += u;
      place.box.y += u;
    }
    place.style.align = Align::Centre;
    place.style.centre_vertically = true;
  } else if (c.border_style() == 1) {
    place.box = inset(rect, p.unit());
  }
  return place;
}

void draw_control(Painter& painter, const Control& control, const ControlState& state) {
  const SDL_Rect rect = painter.to_pixels(control);
  switch (control.kind()) {
    case ControlKind::Label:
      draw_label(painter, control, rect);
      break;
    case ControlKind::Button:
      draw_button(painter, control, rect, state);
      break;
    case ControlKind::TextBox:
      draw_text_box(painter, control, rect, state);
      break;
    case ControlKind::PictureBox:
      draw_picture_box(painter, control, rect);
      break;
    case ControlKind::Image:
      draw_image(painter, control, rect);
      break;
    case ControlKind::Shape:
      draw_shape(painter, control, rect);
      break;
    case ControlKind::Frame:
      draw_frame(painter, control, rect);
      break;
  }
}

}  // namespace platform::sdl
