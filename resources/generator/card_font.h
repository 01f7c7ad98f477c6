#pragma once

#include <cairo.h>

#include <filesystem>

namespace resgen {

// A TrueType font file opened through FreeType, for setting text with Cairo.
class FontFile {
 public:
  explicit FontFile(const std::filesystem::path& file);
  ~FontFile();
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  cairo_font_face_t* face() const { return face_; }

 private:
  cairo_font_face_t* face_ = nullptr;
};

}  // namespace resgen
