#include "platform/sdl/form_renderer.h"

#include "platform/application.h"
#include "platform/sdl/control_drawing.h"

namespace platform::sdl {

FormRenderer::FormRenderer(SDL_Renderer* renderer, FontCache& fonts)
    : renderer_(renderer), fonts_(fonts), caches_(renderer) {}

Viewport FormRenderer::draw(const Form& form, const Control* pressed) {
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_, &width, &height);
  SDL_RenderSetClipRect(renderer_, nullptr);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  const Viewport viewport = fit_viewport(form.width(), form.height(), width, height);
  draw_at(form, viewport, pressed);
  return viewport;
}

void FormRenderer::draw_at(const Form& form, const Viewport& viewport, const Control* pressed) {
  Painter painter(renderer_, fonts_, caches_, viewport, form.width(), form.height());
  painter.fill(painter.form_area(), form.back_colour());
  if (form.picture())
    painter.picture(form.picture(), painter.form_area());
  const Control* focus = form.app().focus();
  for (const auto& control : form.controls()) {
    if (!control->visible())
      continue;
    const ControlState state{control.get() == focus, control.get() == pressed};
    draw_control(painter, *control, state);
  }
  SDL_RenderSetClipRect(renderer_, nullptr);
  caches_.sweep();
}

}  // namespace platform::sdl
