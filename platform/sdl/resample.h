#pragma once

#include <cstdint>
#include <vector>

namespace platform::sdl {

// Resizes RGB pixels (3 bytes a pixel, row by row) with a box filter: each new pixel is the
// average of the source area it covers, weighted by how much of each source pixel lies inside.
// Meant for shrinking, where it keeps fine detail from flickering into noise.
std::vector<std::uint8_t> box_resize_rgb(const std::vector<std::uint8_t>& rgb, int width,
                                         int height, int new_width, int new_height);

}  // namespace platform::sdl
