#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/form.h"
#include "platform/sdl/font_cache.h"
#include "platform/sdl/form_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/window_geometry.h"

namespace platform::sdl {

// The desktop window of a visible form: opened centred at the largest scale that fits the
// display, resizable with the form kept at its shape, drawn with the software renderer. A form
// that is hidden loses its window, which frees the window's pixels and textures.
class FormWindow {
 public:
  // Opens the window, drawn, on top; nullptr (with SDL's error set) when SDL cannot make it.
  static std::unique_ptr<FormWindow> open(Form& form, FontCache& fonts);

  Form& form() const { return form_; }
  Uint32 id() const { return SDL_GetWindowID(window_.get()); }
  // Its X window, 0 on other video drivers.
  unsigned long x11_id() const { return x11_id_; }

  // The title follows the form's caption.
  void follow_caption();
  // Draws the form and puts it on screen.
  void draw(const Control* pressed);
  // The point of the form under a window coordinate, nothing outside the form.
  std::optional<TwipPoint> to_twips(int x, int y) const;

  bool needs_redraw = true;

 private:
  FormWindow(Form& form, WindowHandle window, RendererHandle renderer, FontCache& fonts);

  Form& form_;
  WindowHandle window_;
  RendererHandle renderer_;
  FormRenderer form_renderer_;
  std::string title_;
  unsigned long x11_id_;
};

}  // namespace platform::sdl
