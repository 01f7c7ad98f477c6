#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "platform/sdl/font_set.h"
#include "platform/sdl/sdl_handles.h"

namespace platform::sdl {

// The faces of a font set opened at the pixel sizes asked for, kept for reuse. Opening needs
// no display. Only the most recently used sizes are kept, so resizing a window does not pile up
// fonts.
class FontCache {
 public:
  explicit FontCache(FontSet fonts);
  ~FontCache();
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  // The face at a pixel size (the em height), or nullptr when the font set cannot be opened.
  TTF_Font* get(int pixel_size, bool bold);
  // Both faces hold a glyph for the character: text with it is drawn as written, not as boxes.
  bool draws(char32_t character);

 private:
  struct Entry {
    FontHandle font;
    std::uint64_t last_use = 0;
  };

  FontSet fonts_;
  bool ttf_ready_ = false;
  std::uint64_t uses_ = 0;
  std::map<std::pair<int, bool>, Entry> open_;
};

// Pixel size of a font given in points at a window scale, rounded to the whole pixels a font
// opens at.
int font_pixel_size(double points, double scale);

}  // namespace platform::sdl
