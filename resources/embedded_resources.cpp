#include "embedded_resources.h"

#include <cstddef>
#include <stdexcept>
#include <string>

#include "image_codec.h"

// Arrays written at build time by cmake/embed.cmake.
extern const unsigned char omaha_bitmap_101[];
extern const std::size_t omaha_bitmap_101_size;
extern const unsigned char omaha_bitmap_102[];
extern const std::size_t omaha_bitmap_102_size;
extern const unsigned char omaha_bitmap_103[];
extern const std::size_t omaha_bitmap_103_size;
extern const unsigned char omaha_bitmap_104[];
extern const std::size_t omaha_bitmap_104_size;
extern const unsigned char omaha_font_regular[];
extern const std::size_t omaha_font_regular_size;
extern const unsigned char omaha_font_bold[];
extern const std::size_t omaha_font_bold_size;

namespace resources {
namespace {

std::span<const std::uint8_t> encoded_bitmap(int id) {
  switch (id) {
    case 101:
      return {omaha_bitmap_101, omaha_bitmap_101_size};
    case 102:
      return {omaha_bitmap_102, omaha_bitmap_102_size};
    case 103:
      return {omaha_bitmap_103, omaha_bitmap_103_size};
    case 104:
      return {omaha_bitmap_104, omaha_bitmap_104_size};
    default:
      throw std::out_of_range("no built-in bitmap " + std::to_string(id));
  }
}

}  // namespace

DecodedImage decode_bitmap(int id) {
  return decode_image(encoded_bitmap(id));
}

std::span<const std::uint8_t> font_regular() {
  return {omaha_font_regular, omaha_font_regular_size};
}

std::span<const std::uint8_t> font_bold() {
  return {omaha_font_bold, omaha_font_bold_size};
}

}  // namespace resources
