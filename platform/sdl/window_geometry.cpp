#include "platform/sdl/window_geometry.h"

#include <algorithm>
#include <cmath>

namespace platform::sdl {

namespace {

constexpr double kDisplayShare = 0.85;
// Scales from 1 up go in quarters; below 1, in twentieths, so a small screen loses little.
constexpr double kStepsPerUnitFromOne = 4.0;
constexpr double kStepsPerUnitBelowOne = 20.0;

// The largest step (1 / steps_per_unit) at which the form fits an area of the given size.
double steps_fitting(int form_width_px, int form_height_px, double width, double height,
                     double steps_per_unit) {
  const double fit = std::min(width / form_width_px, height / form_height_px);
  return std::floor(fit * steps_per_unit + 1e-9) / steps_per_unit;
}

int centred(int start, int room, int size) {
  return start + std::max(0, (room - size) / 2);
}

}  // namespace

double choose_window_scale(int form_width_px, int form_height_px, int usable_width,
                           int usable_height) {
  if (form_width_px <= 0 || form_height_px <= 0 || usable_width <= 0 || usable_height <= 0)
    return 1.0;
  const double roomy = steps_fitting(form_width_px, form_height_px, kDisplayShare * usable_width,
                                     kDisplayShare * usable_height, kStepsPerUnitFromOne);
  if (roomy >= 1.0)
    return roomy;
  const double whole = steps_fitting(form_width_px, form_height_px, usable_width, usable_height,
                                     kStepsPerUnitBelowOne);
  return std::clamp(whole, kSmallestWindowScale, 1.0);
}

WindowPlacement place_window(float form_width, float form_height, const ScreenRect& usable) {
  WindowPlacement placement;
  placement.scale =
      choose_window_scale(twips_to_pixels(form_width, 1.0), twips_to_pixels(form_height, 1.0),
                          usable.width, usable.height);
  const int width = std::max(1, twips_to_pixels(form_width, placement.scale));
  const int height = std::max(1, twips_to_pixels(form_height, placement.scale));
  placement.window = ScreenRect{centred(usable.x, usable.width, width),
                                centred(usable.y, usable.height, height), width, height};
  return placement;
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
