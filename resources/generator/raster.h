#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "geometry.h"

namespace resgen {

// Colour with channels in 0..1 (sRGB values, blended as they are).
struct Rgb {
  double r = 0;
  double g = 0;
  double b = 0;
};

inline Rgb rgb8(int r, int g, int b) {
  return {r / 255.0, g / 255.0, b / 255.0};
}
inline Rgb mix(Rgb a, Rgb b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Rgb scaled(Rgb c, double k) {
  return {c.r * k, c.g * k, c.b * k};
}

// Colour of a fill at a canvas position (pixel centres are at +0.5).
using Shader = std::function<Rgb(double x, double y)>;

class Paint {
 public:
  // Implicit on purpose: a colour or a shader can be passed wherever a paint is wanted.
  Paint(Rgb solid) : solid_(solid) {}
  Paint(Shader shader) : shader_(std::move(shader)) {}
  Rgb at(double x, double y) const { return shader_ ? shader_(x, y) : solid_; }

 private:
  Rgb solid_;
  Shader shader_;
};

// Pixel rectangle [x0, x1) x [y0, y1).
struct PixelRect {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
};

// A floating-point RGB image that paths are filled into with anti-aliased edges.
class Canvas {
 public:
  Canvas(int width, int height, Rgb background);

  int width() const { return width_; }
  int height() const { return height_; }
  Rgb& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
  const Rgb& at(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }

  // Fills the inside of the path (solid contours add, hole contours cut) with the paint, at the
  // given opacity, touching only pixels inside clip.
  void fill(const Path& path, const Paint& paint, double opacity, PixelRect clip);
  void fill(const Path& path, const Paint& paint, double opacity = 1.0);

  // Adds light around a point, fading smoothly to nothing at radius.
  void add_glow(Vec2 centre, double radius, Rgb colour, double strength);

  // Replaces every pixel by f(x, y, old colour).
  void apply(const std::function<Rgb(int x, int y, Rgb old)>& f);

  // Clamped 8-bit RGB, row-major.
  std::vector<std::uint8_t> to_rgb8() const;

 private:
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace resgen
