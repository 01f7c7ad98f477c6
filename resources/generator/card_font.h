#pragma once

#include <cairo.h>

#include <filesystem>
#include <memory>

namespace resgen {

using FontFace = std::unique_ptr<cairo_font_face_t, decltype(&cairo_font_face_destroy)>;

// Opens a TrueType font file through FreeType, for setting text with Cairo.
FontFace open_font(const std::filesystem::path& file);

}  // namespace resgen
