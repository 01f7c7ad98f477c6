#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "decoded_image.h"

namespace resources {

// A small lossless RGB codec. Each pixel is first predicted from its left, upper and upper-left
// neighbours (median edge predictor), then coded as part of a run of correctly predicted
// pixels, a reference into a table of recently seen colours, a small difference from the
// prediction, or the literal colour. Flat areas and smooth gradients both become runs.
//
// Layout: "ORGB", width and height as 32-bit little-endian, density as one byte, then the
// pixel operations and nothing after them.

// Throws std::invalid_argument when the image is empty, too large or its rgb size is wrong.
std::vector<std::uint8_t> encode_image(const DecodedImage& image);

// Throws std::runtime_error when the bytes are not a well-formed encoded image.
DecodedImage decode_image(std::span<const std::uint8_t> bytes);

}  // namespace resources
