#pragma once

#include <cstdint>
#include <span>

#include "decoded_image.h"

namespace resources {

// Decodes one of the pictures built into the program: 101 is the card sheet (4 rows of 18 cells,
// drawn at density 2), 102..104 are the room pictures. Each call decodes afresh; nothing is kept.
// Throws std::out_of_range for any other id.
DecodedImage decode_bitmap(int id);

// The bytes of the built-in TrueType fonts (Liberation Sans).
std::span<const std::uint8_t> font_regular();
std::span<const std::uint8_t> font_bold();

}  // namespace resources
