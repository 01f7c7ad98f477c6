#include "card_font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace resgen {
namespace {

const cairo_user_data_key_t kFreeTypeFaceKey{};

}  // namespace

FontFace open_font(const std::filesystem::path& file) {
  // FreeType's library handle lives as long as the program: Cairo may keep font faces cached.
  static FT_Library freetype = nullptr;
  FT_Face ft_face = nullptr;
  if ((freetype == nullptr && FT_Init_FreeType(&freetype) != 0) ||
      FT_New_Face(freetype, file.c_str(), 0, &ft_face) != 0) {
    throw std::runtime_error("cannot open the font " + file.string());
  }
  FontFace face(cairo_ft_font_face_create_for_ft_face(ft_face, 0), cairo_font_face_destroy);
  // The FreeType face goes when Cairo lets go of the font face, not before.
  const auto release = [](void* ft) { FT_Done_Face(static_cast<FT_Face>(ft)); };
  if (cairo_font_face_set_user_data(face.get(), &kFreeTypeFaceKey, ft_face, release) !=
      CAIRO_STATUS_SUCCESS) {
    FT_Done_Face(ft_face);
    throw std::runtime_error("cannot use the font " + file.string());
  }
  return face;
}

}  // namespace resgen
