#include "card_font.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <stdexcept>

namespace resgen {
namespace {

// FreeType's library handle lives as long as the program: Cairo may keep font faces cached.
FT_Library freetype() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) {
      throw std::runtime_error("cannot start FreeType");
    }
    return lib;
  }();
  return library;
}

const cairo_user_data_key_t kFreeTypeFaceKey{};

void release_freetype_face(void* face) {
  FT_Done_Face(static_cast<FT_Face>(face));
}

}  // namespace

FontFile::FontFile(const std::filesystem::path& file) {
  FT_Face ft_face = nullptr;
  if (FT_New_Face(freetype(), file.c_str(), 0, &ft_face) != 0) {
    throw std::runtime_error("cannot open the font " + file.string());
  }
  face_ = cairo_ft_font_face_create_for_ft_face(ft_face, 0);
  // The FreeType face goes when Cairo lets go of the font face, not before.
  if (cairo_font_face_set_user_data(face_, &kFreeTypeFaceKey, ft_face, release_freetype_face) !=
      CAIRO_STATUS_SUCCESS) {
    cairo_font_face_destroy(face_);
    FT_Done_Face(ft_face);
    throw std::runtime_error("cannot use the font " + file.string());
  }
}

FontFile::~FontFile() {
  cairo_font_face_destroy(face_);
}

}  // namespace resgen
