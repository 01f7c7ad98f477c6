#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"
#include "platform/control.h"
#include "platform/sdl/font_cache.h"
#include "platform/sdl/picture_textures.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/shape_raster.h"
#include "platform/sdl/text_layout.h"
#include "platform/sdl/usage_cache.h"
#include "platform/sdl/window_geometry.h"

namespace platform::sdl {

// What one renderer keeps between frames: textures of pictures, lines of text and shapes, and
// the texts laid out in their boxes.
class RenderCaches {
 public:
  explicit RenderCaches(SDL_Renderer* renderer) : pictures(renderer) {}

  struct TextKey {
    std::string text;
    int size;
    bool bold;
    Colour colour;
    auto operator<=>(const TextKey&) const = default;
  };
  struct TextTexture {
    TextureHandle texture;
    int width;
    int height;
    SDL_Rect ink;  // round the pixels the glyphs cover, from the texture's top left
  };
  using ShapeKey = std::tuple<ShapeKind, double, double, double, double, int, bool, Colour, Colour>;
  // A text in a box of width x height pixels, at a font's pixel size.
  struct LayoutKey {
    std::string text;
    int size;
    bool bold;
    int width;
    int height;
    auto operator<=>(const LayoutKey&) const = default;
  };

  PictureTextures pictures;
  UsageCache<TextKey, TextTexture> texts;
  UsageCache<ShapeKey, std::vector<ColourRuns>> shapes;
  UsageCache<LayoutKey, FittedText> layouts;
  std::vector<SDL_Rect> shape_rects;  // scratch for drawing a shape's runs

  void sweep();  // drops what the last frame did not use
  // The number of textures kept.
  std::size_t size() const { return pictures.size() + texts.size(); }
};

// A face at the size it is drawn.
struct Font {
  TTF_Font* face = nullptr;
  int size = 0;
  bool bold = false;
  explicit operator bool() const { return face != nullptr; }
};

struct TextStyle {
  double points = 8.25;
  bool bold = false;
  Colour colour = 0;
  Align align = Align::Left;
  bool centre_vertically = false;
};

// Draws into one renderer for one frame: pixel geometry of the form at its viewport, the
// primitives of the classic desktop look, pictures, shapes and text. Everything is clipped to
// the form's area.
class Painter {
 public:
  Painter(SDL_Renderer* renderer, FontCache& fonts, RenderCaches& caches, const Viewport& viewport,
          float form_width, float form_height);

  double scale() const { return viewport_.scale; }
  // Thickness of one line of a 3-D border at this scale.
  int unit() const { return unit_; }
  SDL_Rect to_pixels(float left, float top, float width, float height) const;
  SDL_Rect to_pixels(const Control& control) const;
  // A control's area in output pixels before rounding: where smoothed shapes are drawn.
  struct ExactArea {
    double x, y, width, height;
  };
  ExactArea exact_area(const Control& control) const;
  const SDL_Rect& form_area() const { return form_area_; }

  void fill(const SDL_Rect& rect, Colour colour);
  // A line of the given thickness just inside the rectangle.
  void frame(const SDL_Rect& rect, Colour colour, int thickness);
  // Top and left edges in one colour, bottom and right in another.
  void bevel(const SDL_Rect& rect, Colour top_left, Colour bottom_right, int thickness);
  void dotted_frame(const SDL_Rect& rect, Colour colour);
  void picture(const std::shared_ptr<const Bitmap>& bitmap, const SDL_Rect& dest);
  // The shape's raster with its top left pixel at (x, y).
  void shape(const ShapeStyle& style, int x, int y);

  Font font(double points, bool bold);
  int text_width(const Font& font, std::string_view text) const;
  int line_height(const Font& font) const;
  // One line of text with its top left at (x, y). Returns the smallest rectangle round the pixels
  // its glyphs cover (empty where it draws nothing), before clipping.
  SDL_Rect text(const Font& font, std::string_view line, int x, int y, Colour colour);
  // Text wrapped to the rectangle's width, each line aligned, from the top or centred. Text that
  // would not show whole is drawn smaller, down to three quarters of its size (never below 7
  // pixels). The layout is kept until the text, its font or the rectangle's size changes.
  // Returns the smallest rectangle round the pixels its glyphs cover inside the rectangle.
  SDL_Rect text_block(std::string_view text, const SDL_Rect& rect, const TextStyle& style);
  // How text_block lays the text out.
  const FittedText& laid_out(std::string_view text, const SDL_Rect& rect, const TextStyle& style);

  // Limits drawing to a rectangle (within the form) while it lives.
  class ClipScope {
   public:
    ClipScope(Painter& painter, const SDL_Rect& rect);
    ~ClipScope();
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;
    bool empty() const { return empty_; }

   private:
    Painter& painter_;
    SDL_Rect previous_;
    bool empty_;
  };

 private:
  Font font_of_size(int pixel_size, bool bold);
  void set_colour(Colour colour);
  void apply_clip(const SDL_Rect& rect);

  SDL_Renderer* renderer_;
  FontCache& fonts_;
  RenderCaches& caches_;
  Viewport viewport_;
  SDL_Rect form_area_;
  SDL_Rect clip_;
  int unit_;
};

SDL_Rect inset(const SDL_Rect& rect, int by);

}  // namespace platform::sdl
