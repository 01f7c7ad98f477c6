#include "embedded_resources.h"

#include <png.h>

#include <cstddef>
#include <stdexcept>
#include <string>

#include "built_in_pictures.h"

// Arrays written at build time by cmake/embed.cmake.
extern const unsigned char omaha_card_sheet[];
extern const std::size_t omaha_card_sheet_size;
extern const unsigned char omaha_club_room[];
extern const std::size_t omaha_club_room_size;
extern const unsigned char omaha_casino_hall[];
extern const std::size_t omaha_casino_hall_size;
extern const unsigned char omaha_lounge[];
extern const std::size_t omaha_lounge_size;
extern const unsigned char omaha_font_regular[];
extern const std::size_t omaha_font_regular_size;
extern const unsigned char omaha_font_bold[];
extern const std::size_t omaha_font_bold_size;

namespace resources {
namespace {

// The built-in pictures as PNG files by resource number, and how many real pixels make one
// logical pixel.
struct EmbeddedPicture {
  int id;
  const unsigned char* png;
  const std::size_t& size;
  int density;
};
const EmbeddedPicture kPictures[] = {
    {kCardSheetBitmap, omaha_card_sheet, omaha_card_sheet_size, kSheetDensity},
    {kClubRoomBitmap, omaha_club_room, omaha_club_room_size, 1},
    {kCasinoHallBitmap, omaha_casino_hall, omaha_casino_hall_size, 1},
    {kLoungeBitmap, omaha_lounge, omaha_lounge_size, 1},
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
  for (const EmbeddedPicture& picture : kPictures) {
    if (picture.id == id)
      return decode_png(picture);
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
