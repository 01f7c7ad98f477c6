#include "platform/sdl/offscreen.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sdl/font_cache.h"
#include "platform/sdl/form_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/window_geometry.h"

namespace platform::sdl {

Bitmap render_offscreen(const Form& form, double scale, FontSet fonts) {
  const int width = std::max(1, twips_to_pixels(form.width(), scale));
  const int height = std::max(1, twips_to_pixels(form.height(), scale));
  SurfaceHandle surface(
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888));
  if (!surface)
    throw std::runtime_error(std::string("no offscreen surface: ") + SDL_GetError());
  {
    RendererHandle renderer(SDL_CreateSoftwareRenderer(surface.get()));
    if (!renderer)
      throw std::runtime_error(std::string("no software renderer: ") + SDL_GetError());
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

}  // namespace platform::sdl
