#include "embedded_resources.h"

#include <png.h>

#include <cstddef>
#include <iterator>
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

// The built-in pictures 101..104 as PNG files, and how many real pixels make one logical pixel.
struct EmbeddedPicture {
  const unsigned char* png;
  const std::size_t& size;
  int density;
};
constexpr int kFirstPicture = 101;
const EmbeddedPicture kPictures[] = {
    {omaha_bitmap_101, omaha_bitmap_101_size, 2},
    {omaha_bitmap_102, omaha_bitmap_102_size, 1},
    {omaha_bitmap_103, omaha_bitmap_103_size, 1},
    {omaha_bitmap_104, omaha_bitmap_104_size, 1},
};

// Throws std::runtime_error when the PNG file cannot be read.
DecodedImage decode_png(const EmbeddedPicture& picture) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  DecodedImage image{0, 0, picture.density, {}};
  if (png_image_begin_read_from_memory(&png, picture.png, picture.size)) {
    png.format = PNG_FORMAT_RGB;
    image.width = static_cast<int>(png.width);
    image.height = static_cast<int>(png.height);
    image.rgb.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr)) {
      return image;
    }
  }
  png_image_free(&png);
  throw std::runtime_error(std::string("a built-in picture is damaged: ") + png.message);
}

}  // namespace

DecodedImage decode_bitmap(int id) {
  const int index = id - kFirstPicture;
  if (index < 0 || index >= static_cast<int>(std::size(kPictures))) {
    throw std::out_of_range("no built-in bitmap " + std::to_string(id));
  }
  return decode_png(kPictures[index]);
}

std::span<const std::uint8_t> font_regular() {
  return {omaha_font_regular, omaha_font_regular_size};
}

std::span<const std::uint8_t> font_bold() {
  return {omaha_font_bold, omaha_font_bold_size};
}

}  // namespace resources
