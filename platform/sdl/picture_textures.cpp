#include "platform/sdl/picture_textures.h"

#include <algorithm>
#include <vector>

#include "platform/sdl/resample.h"

namespace platform::sdl {

namespace {

TextureHandle make_texture(SDL_Renderer* renderer, const std::vector<std::uint8_t>& rgb, int width,
                           int height) {
  // SDL only reads the pixels while it copies them into the texture.
  SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormatFrom(
      const_cast<std::uint8_t*>(rgb.data()), width, height, 24, width * 3, SDL_PIXELFORMAT_RGB24));
  if (!surface)
    return nullptr;
  TextureHandle texture(SDL_CreateTextureFromSurface(renderer, surface.get()));
  if (texture)
    SDL_SetTextureScaleMode(texture.get(), SDL_ScaleModeLinear);
  return texture;
}

bool same_owner(const std::weak_ptr<const Bitmap>& a, const std::shared_ptr<const Bitmap>& b) {
  return !a.expired() && !a.owner_before(b) && !b.owner_before(a);
}

}  // namespace

SDL_Texture* PictureTextures::get(const std::shared_ptr<const Bitmap>& bitmap, int width,
                                  int height) {
  if (!bitmap || bitmap->width() <= 0 || bitmap->height() <= 0 || width <= 0 || height <= 0)
    return nullptr;
  // Shrink on the side(s) drawn smaller; anything larger is stretched when drawn.
  const int texture_width = std::min(width, bitmap->width());
  const int texture_height = std::min(height, bitmap->height());
  const Key key{bitmap.get(), texture_width, texture_height};
  if (Entry* entry = cache_.find(key)) {
    if (same_owner(entry->source, bitmap))
      return entry->texture.get();
    cache_.erase(key);
  }
  TextureHandle texture =
      texture_width == bitmap->width() && texture_height == bitmap->height()
          ? make_texture(renderer_, bitmap->rgb(), bitmap->width(), bitmap->height())
          : make_texture(renderer_,
                         box_resize_rgb(bitmap->rgb(), bitmap->width(), bitmap->height(),
                                        texture_width, texture_height),
                         texture_width, texture_height);
  if (!texture)
    return nullptr;
  return cache_.insert(key, Entry{std::move(texture), bitmap}).texture.get();
}

}  // namespace platform::sdl
