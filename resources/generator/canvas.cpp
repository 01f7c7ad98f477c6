#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace resgen {
namespace {

std::uint8_t channel(double v) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
}

// Cairo's RGB24 pixels are 32-bit words 0x00RRGGBB.
std::uint32_t pack(Rgb c) {
  return static_cast<std::uint32_t>(channel(c.r)) << 16 |
         static_cast<std::uint32_t>(channel(c.g)) << 8 | channel(c.b);
}

std::uint32_t* row_of(cairo_surface_t* surface, int y) {
  return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                          static_cast<std::ptrdiff_t>(y) *
                                              cairo_image_surface_get_stride(surface));
}

}  // namespace

double smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

Paint Paint::linear(Vec2 from, Vec2 to, std::initializer_list<std::pair<double, Rgb>> stops) {
  Paint paint(Rgb{});
  paint.gradient_.reset(cairo_pattern_create_linear(from.x, from.y, to.x, to.y),
                        cairo_pattern_destroy);
  for (const auto& [offset, c] : stops) {
    cairo_pattern_add_color_stop_rgb(paint.gradient_.get(), offset, c.r, c.g, c.b);
  }
  return paint;
}

Figure polygon(std::vector<Vec2> points) {
  return [points = std::move(points)](cairo_t* cr) {
    for (const Vec2& p : points) {
      cairo_line_to(cr, p.x, p.y);
    }
    cairo_close_path(cr);
  };
}

Figure rect(double x0, double y0, double x1, double y1) {
  return [=](cairo_t* cr) { cairo_rectangle(cr, x0, y0, x1 - x0, y1 - y0); };
}

Figure rounded_rect(double x0, double y0, double x1, double y1, double radius) {
  return [=](cairo_t* cr) {
    constexpr double kQuarter = std::numbers::pi / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x1 - radius, y0 + radius, radius, -kQuarter, 0);
    cairo_arc(cr, x1 - radius, y1 - radius, radius, 0, kQuarter);
    cairo_arc(cr, x0 + radius, y1 - radius, radius, kQuarter, 2 * kQuarter);
    cairo_arc(cr, x0 + radius, y0 + radius, radius, 2 * kQuarter, 3 * kQuarter);
    cairo_close_path(cr);
  };
}

Figure ellipse(Vec2 centre, double rx, double ry) {
  return [=](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, centre.x, centre.y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
    cairo_restore(cr);
  };
}

void fill(cairo_t* cr, const Figure& figure, Rgb colour, double opacity) {
  cairo_new_path(cr);
  figure(cr);
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, opacity);
  cairo_fill(cr);
}

void quad_to(cairo_t* cr, Vec2 control, Vec2 end) {
  double x = 0, y = 0;
  cairo_get_current_point(cr, &x, &y);
  const Vec2 c1 = lerp({x, y}, control, 2.0 / 3);
  const Vec2 c2 = lerp(end, control, 2.0 / 3);
  cairo_curve_to(cr, c1.x, c1.y, c2.x, c2.y, end.x, end.y);
}

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height),
               cairo_surface_destroy),
      cr_(cairo_create(surface_.get()), cairo_destroy) {
  if (cairo_status(cr_.get()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot create a drawing surface");
  }
  cairo_set_source_rgb(cr_.get(), background.r, background.g, background.b);
  cairo_paint(cr_.get());
}

void Canvas::fill(const Figure& figure, const Paint& paint, double opacity) {
  cairo_t* cr = cr_.get();
  if (!paint.shader_ && !paint.gradient_) {
    resgen::fill(cr, figure, paint.solid_, opacity);
    return;
  }
  cairo_new_path(cr);
  figure(cr);
  if (paint.shader_) {
    fill_with_shader(paint.shader_);
    return;
  }
  cairo_set_source(cr, paint.gradient_.get());
  cairo_save(cr);
  cairo_clip(cr);
  cairo_paint_with_alpha(cr, opacity);
  cairo_restore(cr);
}

void Canvas::add_light(const Figure& figure, const Shader& light) {
  cairo_t* cr = cr_.get();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_new_path(cr);
  figure(cr);
  fill_with_shader(light);
  cairo_restore(cr);
}

void Canvas::fill_with_shader(const Shader& shader) {
  cairo_t* cr = cr_.get();
  double ex0 = 0, ey0 = 0, ex1 = 0, ey1 = 0;
  cairo_fill_extents(cr, &ex0, &ey0, &ex1, &ey1);
  const int x0 = std::max(0, static_cast<int>(std::floor(ex0)));
  const int y0 = std::max(0, static_cast<int>(std::floor(ey0)));
  const int x1 = std::min(width_, static_cast<int>(std::ceil(ex1)));
  const int y1 = std::min(height_, static_cast<int>(std::ceil(ey1)));
  if (x1 <= x0 || y1 <= y0) {
    cairo_new_path(cr);
    return;
  }
  cairo_surface_t* texture = cairo_image_surface_create(CAIRO_FORMAT_RGB24, x1 - x0, y1 - y0);
  for (int y = y0; y < y1; ++y) {
    std::uint32_t* row = row_of(texture, y - y0);
    for (int x = x0; x < x1; ++x) {
      row[x - x0] = pack(shader(x + 0.5, y + 0.5));
    }
  }
  cairo_surface_mark_dirty(texture);
  cairo_set_source_surface(cr, texture, x0, y0);
  cairo_fill(cr);
  cairo_surface_destroy(texture);
}

void Canvas::add_glow(Vec2 centre, double radius, Rgb colour, double strength) {
  // Additive light falling off as (1 - d^2)^2 with the distance d in radii, sampled in stops.
  cairo_pattern_t* glow =
      cairo_pattern_create_radial(centre.x, centre.y, 0, centre.x, centre.y, radius);
  constexpr int kStops = 8;
  for (int i = 0; i <= kStops; ++i) {
    const double d = static_cast<double>(i) / kStops;
    const double f = (1 - d * d) * (1 - d * d) * strength;
    cairo_pattern_add_color_stop_rgba(glow, d, colour.r, colour.g, colour.b, std::min(1.0, f));
  }
  cairo_t* cr = cr_.get();
  cairo_save(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_ADD);
  cairo_set_source(cr, glow);
  cairo_new_path(cr);
  cairo_arc(cr, centre.x, centre.y, radius, 0, 2 * std::numbers::pi);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(glow);
}

void Canvas::darken_edges(double strength) {
  // Black laid over with opacity growing as the fourth power of the distance from the middle
  // (in half widths and half heights), full at the corners.
  cairo_t* cr = cr_.get();
  cairo_save(cr);
  cairo_scale(cr, width_ / 2.0, height_ / 2.0);
  cairo_pattern_t* shade = cairo_pattern_create_radial(1, 1, 0, 1, 1, std::numbers::sqrt2);
  constexpr int kStops = 16;
  for (int i = 0; i <= kStops; ++i) {
    const double d = static_cast<double>(i) / kStops;
    cairo_pattern_add_color_stop_rgba(shade, d, 0, 0, 0, strength * d * d * d * d);
  }
  cairo_set_source(cr, shade);
  cairo_paint(cr);
  cairo_pattern_destroy(shade);
  cairo_restore(cr);
}

std::vector<std::uint8_t> Canvas::to_rgb8() const {
  cairo_surface_flush(surface_.get());
  std::vector<std::uint8_t> out;
  out.reserve(static_cast<std::size_t>(width_) * height_ * 3);
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* row = row_of(surface_.get(), y);
    for (int x = 0; x < width_; ++x) {
      out.push_back(static_cast<std::uint8_t>(row[x] >> 16));
      out.push_back(static_cast<std::uint8_t>(row[x] >> 8));
      out.push_back(static_cast<std::uint8_t>(row[x]));
    }
  }
  return out;
}

void Canvas::write_png(const std::filesystem::path& file) const {
  cairo_surface_flush(surface_.get());
  if (cairo_surface_write_to_png(surface_.get(), file.c_str()) != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error("cannot write " + file.string());
  }
}

}  // namespace resgen
