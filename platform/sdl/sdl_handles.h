#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <memory>

namespace platform::sdl {

// Owning handles that free their SDL object.
struct SdlFree {
  void operator()(SDL_Window* p) const { SDL_DestroyWindow(p); }
  void operator()(SDL_Renderer* p) const { SDL_DestroyRenderer(p); }
  void operator()(SDL_Texture* p) const { SDL_DestroyTexture(p); }
  void operator()(SDL_Surface* p) const { SDL_FreeSurface(p); }
  void operator()(TTF_Font* p) const { TTF_CloseFont(p); }
};

using WindowHandle = std::unique_ptr<SDL_Window, SdlFree>;
using RendererHandle = std::unique_ptr<SDL_Renderer, SdlFree>;
using TextureHandle = std::unique_ptr<SDL_Texture, SdlFree>;
using SurfaceHandle = std::unique_ptr<SDL_Surface, SdlFree>;
using FontHandle = std::unique_ptr<TTF_Font, SdlFree>;

}  // namespace platform::sdl
