#pragma once

#include <cairo.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

namespace resgen {

struct Vec2 {
  double x = 0;
  double y = 0;
};

inline Vec2 operator+(Vec2 a, Vec2 b) {
  return {a.x + b.x, a.y + b.y};
}
inline Vec2 operator-(Vec2 a, Vec2 b) {
  return {a.x - b.x, a.y - b.y};
}
inline Vec2 operator*(Vec2 a, double k) {
  return {a.x * k, a.y * k};
}
inline Vec2 lerp(Vec2 a, Vec2 b, double t) {
  return a + (b - a) * t;
}

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

// 0 below edge0, 1 above edge1, a smooth S-curve between.
double smoothstep(double edge0, double edge1, double x);

// Colour of a procedural texture at a canvas position (pixel centres are at +0.5).
using Shader = std::function<Rgb(double x, double y)>;

// What a figure is filled with: one colour, a Cairo gradient or a procedural texture.
class Paint {
 public:
  // Implicit on purpose: a colour or a shader can be passed wherever a paint is wanted.
  Paint(Rgb solid) : solid_(solid) {}
  Paint(Shader shader) : shader_(std::move(shader)) {}

  // A linear gradient from `from` to `to` through (offset 0..1, colour) stops.
  static Paint linear(Vec2 from, Vec2 to, std::initializer_list<std::pair<double, Rgb>> stops);

 private:
  friend class Canvas;
  Rgb solid_;
  Shader shader_;
  std::shared_ptr<cairo_pattern_t> gradient_;
};

inline Paint vertical_gradient(double y0, Rgb top, double y1, Rgb bottom) {
  return Paint::linear({0, y0}, {0, y1}, {{0, top}, {1, bottom}});
}

// A closed figure, traced as a path into a Cairo context.
using Figure = std::function<void(cairo_t*)>;

Figure polygon(std::vector<Vec2> points);
Figure rect(double x0, double y0, double x1, double y1);
Figure rounded_rect(double x0, double y0, double x1, double y1, double radius);
Figure ellipse(Vec2 centre, double rx, double ry);
inline Figure circle(Vec2 centre, double r) {
  return ellipse(centre, r, r);
}

// Fills the figure on any Cairo context with one colour.
void fill(cairo_t* cr, const Figure& figure, Rgb colour, double opacity = 1.0);

// A quadratic curve from the current point, as the cubic Cairo draws.
void quad_to(cairo_t* cr, Vec2 control, Vec2 end);

// An opaque RGB picture drawn with Cairo.
class Canvas {
 public:
  Canvas(int width, int height, Rgb background);

  int width() const { return width_; }
  int height() const { return height_; }
  // For drawing with Cairo directly; the context starts in pixel coordinates.
  cairo_t* context() const { return cr_.get(); }

  void fill(const Figure& figure, const Paint& paint, double opacity = 1.0);

  // Adds light around a point, fading smoothly to nothing at radius.
  void add_glow(Vec2 centre, double radius, Rgb colour, double strength);
  // Adds the light's colour to what is drawn inside the figure.
  void add_light(const Figure& figure, const Shader& light);
  // Darkens towards the corners.
  void darken_edges(double strength);

  // 8-bit RGB, row-major.
  std::vector<std::uint8_t> to_rgb8() const;
  void write_png(const std::filesystem::path& file) const;

 private:
  // Fills the context's current path with the texture, evaluated over the path's extent only.
  void fill_with_shader(const Shader& shader);

  int width_;
  int height_;
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surface_;
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> cr_;
};

}  // namespace resgen
