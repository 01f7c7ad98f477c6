#include <algorithm>
#include <cmath>
#include <numbers>

#include "card_drawing.h"

namespace resgen {
namespace {

constexpr double kInset = 2.6;
constexpr double kLatticeStep = 4.0;
constexpr double kEmblemRadius = 6.5;

// Distance (in steps) from v to the nearest whole number.
double off_grid(double v) {
  return std::abs(v - std::round(v));
}

// A fine diagonal lattice of light lines over the main colour.
Shader lattice(const CardFrame& frame, Rgb colour) {
  const Rgb line = mix(colour, rgb8(255, 255, 255), 0.45);
  const Rgb shade = mix(colour, rgb8(0, 0, 0), 0.12);
  const Affine place = frame.place;
  return [=](double x, double y) {
    const double cx = (x - place.tx) / place.a;
    const double cy = (y - place.ty) / place.d;
    const double px_per_unit = place.a;
    const double u = off_grid((cx + cy) / kLatticeStep);
    const double v = off_grid((cx - cy) / kLatticeStep);
    const double half_line = 0.11;  // in steps
    const double soft = 0.6 / (px_per_unit * kLatticeStep);
    const double on_line = 1 - smoothstep(half_line - soft, half_line + soft, std::min(u, v));
    // Diamonds between the lines are shaded a little towards their centre.
    const double centre = 1 - std::max(u, v) * 2;
    return mix(mix(colour, shade, centre * 0.8), line, on_line);
  };
}

Path ring(Vec2 c, double outer, double inner) {
  Path p;
  p.add(circle(c, outer));
  p.add(circle(c, inner), true);
  return p;
}

// Eight-pointed star.
Path star(Vec2 c, double outer, double inner) {
  std::vector<Vec2> pts;
  for (int i = 0; i < 16; ++i) {
    const double r = i % 2 == 0 ? outer : inner;
    const double t = (i * 22.5 - 90) * std::numbers::pi / 180;
    pts.push_back({c.x + r * std::cos(t), c.y + r * std::sin(t)});
  }
  Path p;
  p.add(pts);
  return p;
}

}  // namespace

void draw_card_back(Canvas& canvas, const CardFrame& frame, Rgb colour) {
  draw_card_blank(canvas, frame);

  Path field;
  field.add(rounded_rect(kInset, kInset, 40 - kInset, 56 - kInset, 1.6));
  fill_on_card(canvas, frame, field, Paint(lattice(frame, colour)));

  const Rgb dark = mix(colour, rgb8(0, 0, 0), 0.35);
  const Rgb white = rgb8(255, 255, 255);
  Path frame_line;
  frame_line.add(rounded_rect(kInset + 1.2, kInset + 1.2, 40 - kInset - 1.2, 56 - kInset - 1.2, 1));
  frame_line.add(
      rounded_rect(kInset + 1.7, kInset + 1.7, 40 - kInset - 1.7, 56 - kInset - 1.7, 0.6), true);
  fill_on_card(canvas, frame, frame_line, white, 0.85);

  const Vec2 c{20, 28};
  Path disc;
  disc.add(circle(c, kEmblemRadius + 0.8));
  fill_on_card(canvas, frame, disc, dark);
  fill_on_card(canvas, frame, ring(c, kEmblemRadius, kEmblemRadius - 0.8), white);
  fill_on_card(canvas, frame, star(c, kEmblemRadius - 2.0, 1.6), white);
}

}  // namespace resgen
