#include "platform/sdl/form_window.h"

#include "platform/sdl/x11_gone_windows.h"

namespace platform::sdl {

namespace {

// Where the form's window goes on the first display: on the part of it that task bars and
// docks leave free, or on the whole display where that part is not known.
WindowPlacement placement_on_display(const Form& form) {
  SDL_Rect usable{0, 0, 0, 0};
  if (SDL_GetDisplayUsableBounds(0, &usable) != 0 || usable.w <= 0 || usable.h <= 0)
    SDL_GetDisplayBounds(0, &usable);
  return place_window(form.width(), form.height(),
                      ScreenRect{usable.x, usable.y, usable.w, usable.h});
}

}  // namespace

std::unique_ptr<FormWindow> FormWindow::open(Form& form, FontCache& fonts) {
  const ScreenRect place = placement_on_display(form).window;
  Uint32 flags = SDL_WINDOW_HIDDEN;
  flags |= form.title_bar() ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_BORDERLESS;
  WindowHandle window(
      SDL_CreateWindow(form.caption().c_str(), place.x, place.y, place.width, place.height, flags));
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
      title_(form.caption()),
      x11_id_(claim_x11_window(window_.get())) {
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
