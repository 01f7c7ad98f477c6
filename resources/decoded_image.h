#pragma once

#include <cstdint>
#include <vector>

namespace resources {

// A picture as plain RGB pixels. width and height count real pixels; the picture is meant to be
// shown at width / density by height / density logical pixels.
struct DecodedImage {
  int width = 0;
  int height = 0;
  int density = 1;
  std::vector<std::uint8_t> rgb;  // row-major, 3 bytes per pixel
};

}  // namespace resources
