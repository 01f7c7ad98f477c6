#pragma once

#include "platform/control.h"
#include "platform/sdl/painter.h"

namespace platform::sdl {

// How the user is handling a control right now, beyond its own data.
struct ControlState {
  bool focused = false;
  bool pressed = false;  // a button held down under the mouse
};

// Where and how a label's or a button's caption is drawn.
struct CaptionPlace {
  SDL_Rect box;
  TextStyle style;
};
CaptionPlace caption_place(const Painter& painter, const Control& control,
                           const ControlState& state);

// Draws one visible control with the classic desktop look of its kind.
void draw_control(Painter& painter, const Control& control, const ControlState& state);

}  // namespace platform::sdl
