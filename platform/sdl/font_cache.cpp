#include "platform/sdl/font_cache.h"

#include <algorithm>
#include <cmath>

#include "platform/units.h"

namespace platform::sdl {

namespace {
constexpr std::size_t kMaxOpenFonts = 16;
constexpr int kCoverageProbeSize = 12;  // a face has the same glyphs at every size
}  // namespace

int font_pixel_size(double points, double scale) {
  const double exact = points * kTwipsPerPoint / kTwipsPerPixel * scale;
  return std::max(1, static_cast<int>(std::lround(exact)));
}

FontCache::FontCache(FontSet fonts) : fonts_(fonts), ttf_ready_(TTF_Init() == 0) {}

FontCache::~FontCache() {
  open_.clear();  // fonts close before the library shuts down
  if (ttf_ready_)
    TTF_Quit();
}

TTF_Font* FontCache::get(int pixel_size, bool bold) {
  if (!ttf_ready_)
    return nullptr;
  const auto key = std::make_pair(pixel_size, bold);
  if (auto found = open_.find(key); found != open_.end()) {
    found->second.last_use = ++uses_;
    return found->second.font.get();
  }
  const bool own_bold_face = bold && !fonts_.bold.empty();
  const std::span<const unsigned char> data = own_bold_face ? fonts_.bold : fonts_.regular;
  if (data.empty())
    return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(data.data(), static_cast<int>(data.size()));
  if (stream == nullptr)
    return nullptr;
  FontHandle font(TTF_OpenFontRW(stream, 1, pixel_size));
  if (!font)
    return nullptr;
  if (bold && !own_bold_face)
    TTF_SetFontStyle(font.get(), TTF_STYLE_BOLD);

  if (open_.size() >= kMaxOpenFonts) {
    const auto oldest = std::min_element(open_.begin(), open_.end(), [](auto& a, auto& b) {
      return a.second.last_use < b.second.last_use;
    });
    open_.erase(oldest);
  }
  TTF_Font* result = font.get();
  open_.emplace(key, Entry{std::move(font), ++uses_});
  return result;
}

bool FontCache::draws(char32_t character) {
  for (const bool bold : {false, true}) {
    TTF_Font* face = get(kCoverageProbeSize, bold);
    if (face == nullptr || TTF_GlyphIsProvided32(face, character) == 0)
      return false;
  }
  return true;
}

}  // namespace platform::sdl
