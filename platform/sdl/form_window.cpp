#include "platform/sdl/form_window.h"

#include <algorithm>

namespace platform::sdl {

namespace {

double scale_for_display(const Form& form) {
  SDL_Rect display{0, 0, 0, 0};
  if (SDL_GetDisplayBounds(0, &display) != 0)
    return 1.0;
  return choose_window_scale(twips_to_pixels(form.width(), 1.0),
                             twips_to_pixels(form.height(), 1.0), display.w, display.h);
}

}  // namespace

std::unique_ptr<FormWindow> FormWindow::open(Form& form, FontCache& fonts) {
  const double scale = scale_for_display(form);
  Uint32 flags = SDL_WINDOW_HIDDEN;
  flags |= form.title_bar() ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_BORDERLESS;
  WindowHandle window(SDL_CreateWindow(form.caption().c_str(), SDL_WINDOWPOS_CENTERED,
                                       SDL_WINDOWPOS_CENTERED,
                                       std::max(1, twips_to_pixels(form.width(), scale)),
                                       std::max(1, twips_to_pixels(form.height(), scale)), flags));
  if (!window)
    return nullptr;
  RendererHandle renderer(SDL_CreateRenderer(window.get(), -1, SDL_RENDERER_SOFTWARE));
  if (!renderer)
    return nullptr;
  std::unique_ptr<FormWindow> opened(
      new FormWindow(form, std::move(window), std::move(renderer), fonts));
  // Drawn before it appears, so it never shows empty.
  opened->draw(nullptr);
  SDL_ShowWindow(opened->window_.get());
  SDL_RaiseWindow(opened->window_.get());
  return opened;
}

FormWindow::FormWindow(Form& form, WindowHandle window, RendererHandle renderer, FontCache& fonts)
    : form_(form),
      window_(std::move(window)),
      renderer_(std::move(renderer)),
      form_renderer_(renderer_.get(), fonts),
      title_(form.caption()) {
  SDL_SetWindowMinimumSize(window_.get(), 160, 120);
}

void FormWindow::follow_caption() {
  if (form_.caption() == title_)
    return;
  title_ = form_.caption();
  SDL_SetWindowTitle(window_.get(), title_.c_str());
}

void FormWindow::draw(const Control* pressed) {
  needs_redraw = false;
  int width = 0;
  int height = 0;
  SDL_GetRendererOutputSize(renderer_.get(), &width, &height);
  if (width <= 0 || height <= 0)
    return;  // minimised
  form_renderer_.draw(form_, pressed);
  SDL_RenderPresent(renderer_.get());
}

std::optional<TwipPoint> FormWindow::to_twips(int x, int y) const {
  // Events come in window coordinates, which may differ from pixels on a high-density screen.
  int width = 0;
  int height = 0;
  SDL_GetWindowSize(window_.get(), &width, &height);
  const Viewport viewport = fit_viewport(form_.width(), form_.height(), width, height);
  return output_to_twips(viewport, form_.width(), form_.height(), x, y);
}

}  // namespace platform::sdl
