#pragma once

#include <cstddef>

#include "platform/form.h"
#include "platform/sdl/font_cache.h"
#include "platform/sdl/painter.h"
#include "platform/sdl/window_geometry.h"

namespace platform::sdl {

// Draws forms into one SDL renderer and keeps the textures that drawing needs between frames.
// Whatever a frame did not use is dropped after it.
class FormRenderer {
 public:
  FormRenderer(SDL_Renderer* renderer, FontCache& fonts);

  // Fills the whole output: the form as large as it fits, centred, black around it. Returns
  // where the form went. `pressed` is a button held down under the mouse, if any.
  Viewport draw(const Form& form, const Control* pressed = nullptr);
  // Draws the form with its top left corner and scale given by the viewport.
  void draw_at(const Form& form, const Viewport& viewport, const Control* pressed = nullptr);

  std::size_t cached_textures() const { return caches_.size(); }

 private:
  SDL_Renderer* renderer_;
  FontCache& fonts_;
  RenderCaches caches_;
};

}  // namespace platform::sdl
