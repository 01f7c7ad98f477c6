#pragma once

#include <cstddef>
#include <memory>
#include <tuple>

#include "platform/bitmap.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/usage_cache.h"

namespace platform::sdl {

// Textures made from the program's bitmaps, one per bitmap and drawn size. A bitmap drawn
// smaller than its pixels (a room thumbnail, a card sheet made for large windows) gets a texture
// shrunk to the drawn size with a box filter, which keeps memory small and the picture smooth.
// An entry whose bitmap has gone is never reused, even if a new bitmap takes its address.
class PictureTextures {
 public:
  explicit PictureTextures(SDL_Renderer* renderer) : renderer_(renderer) {}

  // A texture to draw the bitmap into a width x height pixel rectangle; nullptr on failure.
  SDL_Texture* get(const std::shared_ptr<const Bitmap>& bitmap, int width, int height);

  void sweep() { cache_.sweep(); }
  std::size_t size() const { return cache_.size(); }

 private:
  using Key = std::tuple<const Bitmap*, int, int>;
  struct Entry {
    TextureHandle texture;
    std::weak_ptr<const Bitmap> source;
  };

  SDL_Renderer* renderer_;
  UsageCache<Key, Entry> cache_;
};

}  // namespace platform::sdl
