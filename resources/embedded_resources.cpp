#include "embedded_resources.h"

#include <png.h>

#include <cstddef>
#include <stdexcept>
#include <string>

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

// A built-in picture: its PNG file and how many real pixels make one logical pixel.
struct EmbeddedPicture {
  int id;
  const unsigned char* png;
  const std::size_t& size;
  int density;
};

const EmbeddedPicture kPictures[] = {
    {101, omaha_bitmap_101, omaha_bitmap_101_size, 2},
    {102, omaha_bitmap_102, omaha_bitmap_102_size, 1},
    {103, omaha_bitmap_103, omaha_bitmap_103_size, 1},
    {104, omaha_bitmap_104, omaha_bitmap_104_size, 1},
};

DecodedImage decode_png(const EmbeddedPicture& picture) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&png, picture.png, picture.size)) {
    throw std::runtime_error("bitmap " + std::to_string(picture.id) + ": " + png.message);
  }
  png.format = PNG_FORMAT_RGB;
  DecodedImage image{static_cast<int>(png.width), static_cast<int>(png.height), picture.density,
                     std::vector<std::uint8_t>(PNG_IMAGE_SIZE(png))};
  if (!png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr)) {
    png_image_free(&png);
    throw std::runtime_error("bitmap " + std::to_string(picture.id) + ": " + png.message);
  }
  return image;
}

}  // namespace

DecodedImage decode_bitmap(int id) {
  for (const EmbeddedPicture& picture : kPictures) {
    if (picture.id == id) {
      return decode_png(picture);
    }
  }
  throw std::out_of_range("no built-in bitmap " + std::to_string(id));
}

std::span<const std::uint8_t> font_regular() {
  return {omaha_font_regular, omaha_font_regular_size};
}

std::span<const std::uint8_t> font_bold() {
  return {omaha_font_bold, omaha_font_bold_size};
}

}  // namespace resources
