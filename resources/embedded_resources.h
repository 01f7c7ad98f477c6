#pragma once

#include <cstdint>
#include <span>
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

// Decodes one of the pictures built into the program by its number in built_in_pictures.h: the
// card sheet (drawn at kSheetDensity) or a room picture. Each call decodes afresh; nothing is
// kept. Throws std::out_of_range for any other id.
DecodedImage decode_bitmap(int id);

// The bytes of the built-in TrueType fonts (Liberation Sans).
std::span<const std::uint8_t> font_regular();
std::span<const std::uint8_t> font_bold();

}  // namespace resources
