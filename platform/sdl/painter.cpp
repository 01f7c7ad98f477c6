#include "platform/sdl/painter.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace platform::sdl {

namespace {
// Text shrunk to fit its box stays at least this many pixels high.
constexpr int kSmallestShrunkText = 7;

// The smallest rectangle round the pixels of a surface that are not fully transparent.
SDL_Rect inked_area(SDL_Surface& surface) {
  const Uint32 alpha = surface.format->Amask;
  if (alpha == 0 || surface.format->BytesPerPixel != 4)
    return SDL_Rect{0, 0, surface.w, surface.h};
  if (SDL_LockSurface(&surface) != 0)
    return SDL_Rect{0, 0, surface.w, surface.h};
  int left = surface.w, top = surface.h, right = -1, bottom = -1;
  for (int y = 0; y < surface.h; ++y) {
    const auto* row = reinterpret_cast<const Uint32*>(
        static_cast<const Uint8*>(surface.pixels) + static_cast<std::ptrdiff_t>(y) * surface.pitch);
    for (int x = 0; x < surface.w; ++x) {
      if ((row[x] & alpha) == 0)
        continue;
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = y;
    }
  }
  SDL_UnlockSurface(&surface);
  if (right < 0)
    return SDL_Rect{0, 0, 0, 0};
  return SDL_Rect{left, top, right - left + 1, bottom - top + 1};
}
}  // namespace

void RenderCaches::sweep() {
  pictures.sweep();
  texts.sweep();
  shapes.sweep();
  layouts.sweep();
}

SDL_Rect inset(const SDL_Rect& rect, int by) {
  return SDL_Rect{rect.x + by, rect.y + by, std::max(0, rect.w - 2 * by),
                  std::max(0, rect.h - 2 * by)};
}

Painter::Painter(SDL_Renderer* renderer, FontCache& fonts, RenderCaches& caches,
                 const Viewport& viewport, float form_width, float form_height)
    : renderer_(renderer),
      fonts_(fonts),
      caches_(caches),
      viewport_(viewport),
      form_area_{viewport.x, viewport.y, twips_to_pixels(form_width, viewport.scale),
                 twips_to_pixels(form_height, viewport.scale)},
      clip_(form_area_),
      unit_(std::max(1, static_cast<int>(std::lround(viewport.scale)))) {
  apply_clip(clip_);
}

SDL_Rect Painter::to_pixels(float left, float top, float width, float height) const {
  // The position and the size are each rounded on their own, so controls of one size are drawn
  // one size wherever they sit, and a control with another's bounds covers exactly its pixels.
  return SDL_Rect{viewport_.x + twips_to_pixels(left, viewport_.scale),
                  viewport_.y + twips_to_pixels(top, viewport_.scale),
                  std::max(0, twips_to_pixels(width, viewport_.scale)),
                  std::max(0, twips_to_pixels(height, viewport_.scale))};
}

Painter::ExactArea Painter::exact_area(const Control& control) const {
  const double per_twip = viewport_.scale / kTwipsPerPixel;
  return ExactArea{viewport_.x + control.left() * per_twip, viewport_.y + control.top() * per_twip,
                   std::max(0.0, control.width() * per_twip),
                   std::max(0.0, control.height() * per_twip)};
}

SDL_Rect Painter::to_pixels(const Control& control) const {
  return to_pixels(control.left(), control.top(), control.width(), control.height());
}

void Painter::set_colour(Colour colour) {
  SDL_SetRenderDrawColor(renderer_, red_of(colour), green_of(colour), blue_of(colour), 255);
}

void Painter::apply_clip(const SDL_Rect& rect) {
  clip_ = rect;
  SDL_RenderSetClipRect(renderer_, &clip_);
}

void Painter::fill(const SDL_Rect& rect, Colour colour) {
  if (rect.w <= 0 || rect.h <= 0)
    return;
  set_colour(colour);
  SDL_RenderFillRect(renderer_, &rect);
}

void Painter::frame(const SDL_Rect& rect, Colour colour, int thickness) {
  const int t = std::min({thickness, rect.w / 2 + 1, rect.h / 2 + 1});
  if (t <= 0)
    return;
  const SDL_Rect edges[] = {{rect.x, rect.y, rect.w, t},
                            {rect.x, rect.y + rect.h - t, rect.w, t},
                            {rect.x, rect.y, t, rect.h},
                            {rect.x + rect.w - t, rect.y, t, rect.h}};
  set_colour(colour);
  SDL_RenderFillRects(renderer_, edges, 4);
}

void Painter::bevel(const SDL_Rect& rect, Colour top_left, Colour bottom_right, int thickness) {
  const int t = std::min({thickness, rect.w / 2, rect.h / 2});
  if (t <= 0)
    return;
  const SDL_Rect light[] = {{rect.x, rect.y, rect.w - t, t}, {rect.x, rect.y, t, rect.h - t}};
  const SDL_Rect dark[] = {{rect.x, rect.y + rect.h - t, rect.w, t},
                           {rect.x + rect.w - t, rect.y, t, rect.h}};
  set_colour(top_left);
  SDL_RenderFillRects(renderer_, light, 2);
  set_colour(bottom_right);
  SDL_RenderFillRects(renderer_, dark, 2);
}

void Painter::dotted_frame(const SDL_Rect& rect, Colour colour) {
  const int u = unit_;
  if (rect.w < 2 * u || rect.h < 2 * u)
    return;
  std::vector<SDL_Rect> dots;
  for (int x = rect.x; x < rect.x + rect.w; x += 2 * u) {
    dots.push_back({x, rect.y, u, u});
    dots.push_back({x, rect.y + rect.h - u, u, u});
  }
  for (int y = rect.y + 2 * u; y < rect.y + rect.h - u; y += 2 * u) {
    dots.push_back({rect.x, y, u, u});
    dots.push_back({rect.x + rect.w - u, y, u, u});
  }
  set_colour(colour);
  SDL_RenderFillRects(renderer_, dots.data(), static_cast<int>(dots.size()));
}

void Painter::picture(const std::shared_ptr<const Bitmap>& bitmap, const SDL_Rect& dest) {
  if (SDL_Texture* texture = caches_.pictures.get(bitmap, dest.w, dest.h))
    SDL_RenderCopy(renderer_, texture, nullptr, &dest);
}

void Painter::shape(const ShapeStyle& style, int x, int y) {
  if (style.width <= 0 || style.height <= 0)
    return;
  const RenderCaches::ShapeKey key{style.kind,   style.left,   style.top,
                                   style.width,  style.height, style.border,
                                   style.filled, style.fill,   style.border_colour};
  const std::vector<ColourRuns>* runs = caches_.shapes.find(key);
  if (runs == nullptr)
    runs = &caches_.shapes.insert(key, shape_runs(style));
  std::vector<SDL_Rect>& rects = caches_.shape_rects;
  for (const ColourRuns& colour : *runs) {
    // Edge pixels are partly covered: they are blended onto what lies below.
    const bool opaque = colour.argb >> 24 == 0xFF;
    SDL_SetRenderDrawBlendMode(renderer_, opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    rects.clear();
    for (const PixelRun& run : colour.runs)
      rects.push_back(SDL_Rect{x + run.x, y + run.y, run.length, 1});
    SDL_SetRenderDrawColor(renderer_, (colour.argb >> 16) & 0xFF, (colour.argb >> 8) & 0xFF,
                           colour.argb & 0xFF, colour.argb >> 24);
    SDL_RenderFillRects(renderer_, rects.data(), static_cast<int>(rects.size()));
  }
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
}

Font Painter::font(double points, bool bold) {
  return font_of_size(font_pixel_size(points, viewport_.scale), bold);
}

Font Painter::font_of_size(int pixel_size, bool bold) {
  return Font{fonts_.get(pixel_size, bold), pixel_size, bold};
}

int Painter::text_width(const Font& font, std::string_view text) const {
  if (!font || text.empty())
    return 0;
  int width = 0;
  if (TTF_SizeUTF8(font.face, std::string(text).c_str(), &width, nullptr) != 0)
    return 0;
  return width;
}

int Painter::line_height(const Font& font) const {
  return font ? TTF_FontLineSkip(font.face) : 0;
}

SDL_Rect Painter::text(const Font& font, std::string_view line, int x, int y, Colour colour) {
  if (!font || line.empty())
    return SDL_Rect{x, y, 0, 0};
  RenderCaches::TextKey key{std::string(line), font.size, font.bold, colour};
  RenderCaches::TextTexture* drawn = caches_.texts.find(key);
  if (drawn == nullptr) {
    const SDL_Color ink{red_of(colour), green_of(colour), blue_of(colour), 255};
    SurfaceHandle surface(TTF_RenderUTF8_Blended(font.face, key.text.c_str(), ink));
    if (!surface)
      return SDL_Rect{x, y, 0, 0};
    TextureHandle texture(SDL_CreateTextureFromSurface(renderer_, surface.get()));
    if (!texture)
      return SDL_Rect{x, y, 0, 0};
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    const int w = surface->w;
    const int h = surface->h;
    drawn = &caches_.texts.insert(std::move(key), {std::move(texture), w, h, inked_area(*surface)});
  }
  const SDL_Rect dest{x, y, drawn->width, drawn->height};
  SDL_RenderCopy(renderer_, drawn->texture.get(), nullptr, &dest);
  return SDL_Rect{x + drawn->ink.x, y + drawn->ink.y, drawn->ink.w, drawn->ink.h};
}

const FittedText& Painter::laid_out(std::string_view text, const SDL_Rect& rect,
                                    const TextStyle& style) {
  const int size = font_pixel_size(style.points, viewport_.scale);
  RenderCaches::LayoutKey key{std::string(text), size, style.bold, rect.w, rect.h};
  if (FittedText* kept = caches_.layouts.find(key))
    return *kept;
  const int smallest = std::max(std::min(size, kSmallestShrunkText), (3 * size + 3) / 4);
  FittedText fitted = fit_text(text, rect.w, rect.h, size, smallest, [&](int pixel_size) {
    const Font face = font_of_size(pixel_size, style.bold);
    return FontMetrics{[this, face](std::string_view piece) { return text_width(face, piece); },
                       line_height(face), face ? TTF_FontHeight(face.face) : 0};
  });
  return caches_.layouts.insert(std::move(key), std::move(fitted));
}

SDL_Rect Painter::text_block(std::string_view text, const SDL_Rect& rect, const TextStyle& style) {
  SDL_Rect inked{rect.x, rect.y, 0, 0};
  if (text.empty())
    return inked;
  const ClipScope clip(*this, rect);
  if (clip.empty())
    return inked;
  const FittedText& fitted = laid_out(text, rect, style);
  const Font face = font_of_size(fitted.size, style.bold);
  if (!face)
    return inked;
  const int step = line_height(face);
  int y = rect.y;
  if (style.centre_vertically)
    y += (rect.h - step * static_cast<int>(fitted.lines.size())) / 2;
  for (std::size_t i = 0; i < fitted.lines.size(); ++i) {
    int x = rect.x;
    if (style.align == Align::Centre)
      x += (rect.w - fitted.widths[i]) / 2;
    if (style.align == Align::Right)
      x += rect.w - fitted.widths[i];
    const SDL_Rect line = this->text(face, fitted.lines[i], x, y, style.colour);
    const SDL_Rect before = inked;
    SDL_UnionRect(&before, &line, &inked);  // an empty rectangle adds nothing
    y += step;
  }
  SDL_Rect shown{rect.x, rect.y, 0, 0};
  SDL_IntersectRect(&inked, &rect, &shown);
  return shown;
}

Painter::ClipScope::ClipScope(Painter& painter, const SDL_Rect& rect)
    : painter_(painter), previous_(painter.clip_) {
  SDL_Rect limited{};
  empty_ = SDL_IntersectRect(&rect, &previous_, &limited) == SDL_FALSE;
  if (empty_)
    limited = SDL_Rect{previous_.x, previous_.y, 0, 0};
  painter_.apply_clip(limited);
}

Painter::ClipScope::~ClipScope() {
  painter_.apply_clip(previous_);
}

}  // namespace platform::sdl
