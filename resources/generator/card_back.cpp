#include <cmath>
#include <numbers>

#include "pictures.h"

namespace resgen {
namespace {

constexpr double kInset = 2.6;
constexpr double kLatticeStep = 4.0;
constexpr double kLatticeLine = 0.62;
constexpr double kEmblemRadius = 6.5;

// A fine diagonal lattice of light lines over the main colour.
void draw_lattice(cairo_t* cr, Rgb colour) {
  const Figure field = rounded_rect(kInset, kInset, kCellWidth - kInset, kCellHeight - kInset, 1.6);
  fill(cr, field, colour);
  cairo_save(cr);
  cairo_new_path(cr);
  field(cr);
  cairo_clip(cr);
  // Lines at 45 degrees both ways, from far enough left and right to cover the whole card.
  for (double d = -kCellHeight; d <= kCellWidth + kCellHeight; d += kLatticeStep) {
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d + kCellHeight, kCellHeight);
    cairo_move_to(cr, d, 0);
    cairo_line_to(cr, d - kCellHeight, kCellHeight);
  }
  const Rgb line = mix(colour, rgb8(255, 255, 255), 0.45);
  cairo_set_source_rgb(cr, line.r, line.g, line.b);
  cairo_set_line_width(cr, kLatticeLine);
  cairo_stroke(cr);
  cairo_restore(cr);
}

// Eight-pointed star.
Figure star(Vec2 c, double outer, double inner) {
  std::vector<Vec2> points;
  for (int i = 0; i < 16; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double t = (i * 22.5 - 90) * std::numbers::pi / 180;
    points.push_back({c.x + r * std::cos(t), c.y + r * std::sin(t)});
  }
  return polygon(std::move(points));
}

void stroke(cairo_t* cr, const Figure& figure, double width, Rgb colour, double opacity) {
  cairo_new_path(cr);
  figure(cr);
  cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, opacity);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
}

}  // namespace

void draw_card_back(cairo_t* cr, Rgb colour) {
  draw_card_blank(cr);
  draw_lattice(cr, colour);

  const Rgb white = rgb8(255, 255, 255);
  const double frame = kInset + 1.45;
  stroke(cr, rounded_rect(frame, frame, kCellWidth - frame, kCellHeight - frame, 0.8), 0.5, white,
         0.85);

  fill(cr, circle(kCardCentre, kEmblemRadius + 0.8), mix(colour, rgb8(0, 0, 0), 0.35));
  stroke(cr, circle(kCardCentre, kEmblemRadius - 0.4), 0.8, white, 1.0);
  fill(cr, star(kCardCentre, kEmblemRadius - 2.0, 1.6), white);
}

}  // namespace resgen
