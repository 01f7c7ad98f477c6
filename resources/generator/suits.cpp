#include "suits.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace resgen {
namespace {

// Shapes are first built in a design grid of about 36 units, point up for the spade.

// The classic heart curve; flip = true points it upwards.
std::vector<Vec2> heart_curve(bool flip, double narrow) {
  std::vector<Vec2> pts;
  const int n = 240;
  for (int i = 0; i < n; ++i) {
    const double t = 2 * std::numbers::pi * i / n;
    const double s = std::sin(t);
    const double x = 16 * s * s * s * narrow;
    const double y =
        -(13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t));
    pts.push_back({x, flip ? -y : y});
  }
  return pts;
}

// A stem that flares from a narrow neck at y = top to a flat foot at y = bottom.
std::vector<Vec2> stem(double top, double bottom, double neck, double foot) {
  Polyline p;
  p.move_to({-neck, top});
  p.line_to({neck, top});
  p.quad_to({neck, bottom - 2}, {foot, bottom});
  p.line_to({-foot, bottom});
  p.quad_to({-neck, bottom - 2}, {-neck, top});
  return p.points();
}

std::vector<Vec2> diamond() {
  const double w = 13.5, h = 18;
  const double pull = 0.12;  // sides bow inwards slightly
  Polyline p;
  p.move_to({0, -h});
  p.quad_to({w / 2 * (1 - pull), -h / 2 * (1 - pull)}, {w, 0});
  p.quad_to({w / 2 * (1 - pull), h / 2 * (1 - pull)}, {0, h});
  p.quad_to({-w / 2 * (1 - pull), h / 2 * (1 - pull)}, {-w, 0});
  p.quad_to({-w / 2 * (1 - pull), -h / 2 * (1 - pull)}, {0, -h});
  return p.points();
}

Path design_shape(Suit suit) {
  Path path;
  switch (suit) {
    case Suit::hearts:
      path.add(heart_curve(false, 1.0));
      break;
    case Suit::spades:
      path.add(heart_curve(true, 0.95));
      path.add(stem(0, 20, 1.3, 7));
      break;
    case Suit::clubs: {
      const double r = 8.4;
      path.add(circle({0, -8.6}, r));
      path.add(circle({-9.2, 5.2}, r));
      path.add(circle({9.2, 5.2}, r));
      path.add({{0, -4}, {-6, 6}, {6, 6}});
      path.add(stem(4, 20, 1.3, 7));
      break;
    }
    case Suit::diamonds:
      path.add(diamond());
      break;
  }
  return path;
}

struct Bounds {
  double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
};

Bounds bounds_of(const Path& path) {
  Bounds b;
  for (const Contour& c : path.contours) {
    for (const Vec2& p : c.points) {
      b.x0 = std::min(b.x0, p.x);
      b.x1 = std::max(b.x1, p.x);
      b.y0 = std::min(b.y0, p.y);
      b.y1 = std::max(b.y1, p.y);
    }
  }
  return b;
}

}  // namespace

Path suit_shape(Suit suit) {
  const Path design = design_shape(suit);
  const Bounds b = bounds_of(design);
  const double k = 1.0 / std::max(b.x1 - b.x0, b.y1 - b.y0);
  const Affine fit =
      Affine::scale(k, k).after(Affine::translate(-(b.x0 + b.x1) / 2, -(b.y0 + b.y1) / 2));
  return transformed(design, fit);
}

}  // namespace resgen
