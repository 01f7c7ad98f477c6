#include "offscreen.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sdl/control_drawing.h"
#include "platform/sdl/font_cache.h"
#include "platform/sdl/form_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/window_geometry.h"

namespace offscreen {

using namespace platform::sdl;
using platform::ControlKind;

namespace {

// A surface in memory with a software renderer drawing into it.
struct Canvas {
  SurfaceHandle surface;
  RendererHandle renderer;
};

Canvas make_canvas(int width, int height) {
  Canvas canvas;
  canvas.surface.reset(
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888));
  if (!canvas.surface)
    throw std::runtime_error(std::string("no offscreen surface: ") + SDL_GetError());
  canvas.renderer.reset(SDL_CreateSoftwareRenderer(canvas.surface.get()));
  if (!canvas.renderer)
    throw std::runtime_error(std::string("no software renderer: ") + SDL_GetError());
  return canvas;
}

}  // namespace

Bitmap render(const Form& form, double scale, FontSet fonts) {
  const int width = std::max(1, twips_to_pixels(form.width(), scale));
  const int height = std::max(1, twips_to_pixels(form.height(), scale));
  Canvas canvas = make_canvas(width, height);
  SurfaceHandle& surface = canvas.surface;
  {
    RendererHandle renderer = std::move(canvas.renderer);
    FontCache font_cache(fonts);
    FormRenderer form_renderer(renderer.get(), font_cache);
    form_renderer.draw_at(form, Viewport{0, 0, scale});
    SDL_RenderPresent(renderer.get());
  }

  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
  const auto* format = surface->format;
  for (int y = 0; y < height; ++y) {
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) +
                      static_cast<std::ptrdiff_t>(y) * surface->pitch;
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel = 0;
      std::memcpy(&pixel, row + static_cast<std::ptrdiff_t>(x) * 4, sizeof pixel);
      std::uint8_t r = 0, g = 0, b = 0;
      SDL_GetRGB(pixel, format, &r, &g, &b);
      std::uint8_t* out = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
      out[0] = r;
      out[1] = g;
      out[2] = b;
    }
  }
  return Bitmap(width, height, 1, std::move(rgb));
}

std::vector<CaptionFit> fit_captions(const Form& form, double scale, FontSet fonts) {
  const Canvas canvas = make_canvas(1, 1);
  FontCache font_cache(fonts);
  RenderCaches caches(canvas.renderer.get());
  Painter painter(canvas.renderer.get(), font_cache, caches, Viewport{0, 0, scale}, form.width(),
                  form.height());
  std::vector<CaptionFit> fits;
  for (const auto& control : form.controls()) {
    const bool captioned =
        control->kind() == ControlKind::Label || control->kind() == ControlKind::Button;
    const std::string caption = strip_access_keys(control->caption());
    if (!control->visible() || !captioned || caption.empty())
      continue;
    const CaptionPlace place = caption_place(painter, *control, ControlState{true, false});
    const FittedText& fitted = painter.laid_out(caption, place.box, place.style);
    fits.push_back(
        CaptionFit{control.get(),
                   place.style.points * platform::kTwipsPerPoint / platform::kTwipsPerPixel * scale,
                   fitted.size, fitted.whole});
  }
  return fits;
}

}  // namespace offscreen
