#pragma once

#include <cstdint>
#include <vector>

#include "platform/colour.h"
#include "platform/control.h"

namespace platform::sdl {

// A shape control as drawn into whole pixels. Its box need not lie on the pixel grid: it starts
// `left` and `top` pixels (each in [0, 1)) into the raster's first pixel and is width x height
// pixels large, so a shape sits exactly where its control is at any scale.
struct ShapeStyle {
  ShapeKind kind = ShapeKind::Rectangle;
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  int border = 1;  // outline width in pixels, inside the shape; 0 for none
  bool filled = false;
  Colour fill = 0;
  Colour border_colour = 0;
};

// The size of the raster: the whole pixels the box touches.
int raster_width(const ShapeStyle& style);
int raster_height(const ShapeStyle& style);

// The shape's pixels as 0xAARRGGBB, row by row, anti-aliased: each pixel's alpha is the share of
// it the shape covers (4 x 4 samples). A circle has the diameter of the box's shorter side and
// sits in the middle; a rounded rectangle's corners have a radius of a sixth of the shorter side.
std::vector<std::uint32_t> rasterize_shape(const ShapeStyle& style);

// The same pixels gathered by colour: for each 0xAARRGGBB value, the runs of pixels in a row
// that have it (transparent pixels left out). Drawn as thin rectangles, a shape as large as the
// table top needs no picture of its own in memory.
struct PixelRun {
  int x;
  int y;
  int length;
};
struct ColourRuns {
  std::uint32_t argb;
  std::vector<PixelRun> runs;
};
std::vector<ColourRuns> shape_runs(const ShapeStyle& style);

}  // namespace platform::sdl
