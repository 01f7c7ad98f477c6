#include "platform/sdl/window_geometry.h"

#include <algorithm>
#include <cmath>

namespace platform::sdl {

namespace {
constexpr double kDisplayShare = 0.85;
}

double choose_window_scale(int form_width_px, int form_height_px, int display_width,
                           int display_height) {
  if (form_width_px <= 0 || form_height_px <= 0)
    return 1.0;
  const double fit = std::min(kDisplayShare * display_width / form_width_px,
                              kDisplayShare * display_height / form_height_px);
  return std::max(1.0, std::floor(fit * 4.0) / 4.0);
}

int twips_to_pixels(double twips, double scale) {
  return static_cast<int>(std::lround(twips * scale / kTwipsPerPixel));
}

Viewport fit_viewport(float form_width, float form_height, int output_width, int output_height) {
  Viewport viewport;
  if (form_width <= 0 || form_height <= 0 || output_width <= 0 || output_height <= 0)
    return viewport;
  viewport.scale = std::min(output_width * kTwipsPerPixel / form_width,
                            output_height * kTwipsPerPixel / form_height);
  viewport.x = (output_width - twips_to_pixels(form_width, viewport.scale)) / 2;
  viewport.y = (output_height - twips_to_pixels(form_height, viewport.scale)) / 2;
  return viewport;
}

std::optional<TwipPoint> output_to_twips(const Viewport& viewport, float form_width,
                                         float form_height, int x, int y) {
  const double per_pixel = kTwipsPerPixel / viewport.scale;
  const double tx = (x - viewport.x + 0.5) * per_pixel;
  const double ty = (y - viewport.y + 0.5) * per_pixel;
  if (tx < 0 || ty < 0 || tx >= form_width || ty >= form_height)
    return std::nullopt;
  return TwipPoint{static_cast<float>(tx), static_cast<float>(ty)};
}

}  // namespace platform::sdl
