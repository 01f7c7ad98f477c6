#pragma once

#include <optional>

namespace platform::sdl {

// Twips per pixel at scale 1.
inline constexpr double kTwipsPerPixel = 15.0;

// Where a form lands in an output of some pixel size: its top left corner and the uniform scale
// (1 = 15 twips a pixel). The rest of the output is a black border (letterbox).
struct Viewport {
  int x = 0;
  int y = 0;
  double scale = 1.0;
};

struct TwipPoint {
  float x;
  float y;
};

// The largest scale in quarter steps at which a form of the given pixel size (at scale 1) fits
// in 85% of the display; never below 1.
double choose_window_scale(int form_width_px, int form_height_px, int display_width,
                           int display_height);

// The largest uniform scale at which a form of the given size in twips fits the output, centred.
Viewport fit_viewport(float form_width, float form_height, int output_width, int output_height);

// The point of the form (twips) under the centre of output pixel (x, y), or nothing when the
// pixel lies in the border around the form.
std::optional<TwipPoint> output_to_twips(const Viewport& viewport, float form_width,
                                         float form_height, int x, int y);

// Pixel size of a length in twips at a scale, rounded to whole pixels.
int twips_to_pixels(double twips, double scale);

}  // namespace platform::sdl
