#pragma once

#include <optional>

#include "platform/units.h"

namespace platform::sdl {

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

// A rectangle of the screen in pixels.
struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// The smallest window scale: below it the text grows too small to read.
inline constexpr double kSmallestWindowScale = 0.75;

// The scale at which a form of the given pixel size (at scale 1) opens on a screen whose usable
// area (without task bars) is given: the largest quarter step that fits 85% of that area, or where
// not even scale 1 does, the largest step of 0.05 up to 1 at which the form fits the whole area;
// never below the smallest scale.
double choose_window_scale(int form_width_px, int form_height_px, int usable_width,
                           int usable_height);

// Where a form's window opens: at the scale chosen for the usable area, centred on it, and where
// it is larger than the area, from the area's top left corner.
struct WindowPlacement {
  ScreenRect window;
  double scale = 1.0;
};
WindowPlacement place_window(float form_width, float form_height, const ScreenRect& usable);

// The largest uniform scale at which a form of the given size in twips fits the output, centred.
Viewport fit_viewport(float form_width, float form_height, int output_width, int output_height);

// The point of the form (twips) under the centre of output pixel (x, y), or nothing when the
// pixel lies in the border around the form.
std::optional<TwipPoint> output_to_twips(const Viewport& viewport, float form_width,
                                         float form_height, int x, int y);

// Pixel size of a length in twips at a scale, rounded to whole pixels.
int twips_to_pixels(double twips, double scale);

}  // namespace platform::sdl
