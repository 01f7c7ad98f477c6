#pragma once

#include <algorithm>
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

// A closed outline. Solid contours are filled; hole contours cut out of solid ones, whatever
// the direction their points run in.
struct Contour {
  std::vector<Vec2> points;
  bool hole = false;
};

struct Path {
  std::vector<Contour> contours;

  void add(std::vector<Vec2> points, bool hole = false) {
    contours.push_back({std::move(points), hole});
  }
  void append(const Path& other) {
    contours.insert(contours.end(), other.contours.begin(), other.contours.end());
  }
};

// x' = a x + c y + tx, y' = b x + d y + ty
struct Affine {
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;

  Vec2 apply(Vec2 p) const { return {a * p.x + c * p.y + tx, b * p.x + d * p.y + ty}; }
  static Affine translate(double x, double y) { return {1, 0, 0, 1, x, y}; }
  static Affine scale(double sx, double sy) { return {sx, 0, 0, sy, 0, 0}; }
  static Affine rotate(double degrees);
  // The transform that applies `first`, then this one.
  Affine after(const Affine& first) const;
};

Path transformed(const Path& path, const Affine& m);
std::vector<Vec2> transformed(const std::vector<Vec2>& points, const Affine& m);

// Basic outlines.
std::vector<Vec2> rect(double x0, double y0, double x1, double y1);
std::vector<Vec2> rounded_rect(double x0, double y0, double x1, double y1, double radius);
std::vector<Vec2> ellipse(Vec2 centre, double rx, double ry);
inline std::vector<Vec2> circle(Vec2 centre, double r) {
  return ellipse(centre, r, r);
}

// Builds an open or closed line out of straight pieces and curves, for stroking or filling.
class Polyline {
 public:
  Polyline& move_to(Vec2 p);
  Polyline& line_to(Vec2 p);
  // Elliptic arc around centre from angle a0 to a1 in degrees (0 = +x, 90 = +y, which is down);
  // joins the current end with a straight piece when it does not start there.
  Polyline& arc(Vec2 centre, double rx, double ry, double a0, double a1);
  Polyline& cubic_to(Vec2 c1, Vec2 c2, Vec2 end);
  Polyline& quad_to(Vec2 c, Vec2 end);

  const std::vector<Vec2>& points() const { return points_; }

 private:
  std::vector<Vec2> points_;
};

// The outline of a line of the given width drawn along points: flat ends, mitred corners
// (bevelled where the miter would be longer than miter_limit half-widths).
Path stroke(const std::vector<Vec2>& points, double width, bool closed = false,
            double miter_limit = 2.5);

// The part of the path between the horizontal lines y = y0 and y = y1.
Path clip_to_band(const Path& path, double y0, double y1);

// 0 below edge0, 1 above edge1, a smooth S-curve between.
inline double smoothstep(double edge0, double edge1, double x) {
  const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

// The point on the line through a and b at parameter t (0 = a, 1 = b; outside extends it).
inline Vec2 along(Vec2 a, Vec2 b, double t) {
  return a + (b - a) * t;
}

}  // namespace resgen
