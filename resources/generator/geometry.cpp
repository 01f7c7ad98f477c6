#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace resgen {
namespace {

constexpr double kPi = std::numbers::pi;

double length(Vec2 v) {
  return std::hypot(v.x, v.y);
}

// Enough pieces for a curve of the given length and turn to look smooth when filled.
int pieces_for(double arc_length, double turn_degrees) {
  const double by_turn = std::abs(turn_degrees) / 360.0 * 96.0;
  const double by_length = arc_length / 2.0;
  return std::max(4, static_cast<int>(std::ceil(std::max(by_turn, by_length))));
}

Vec2 on_ellipse(Vec2 centre, double rx, double ry, double degrees) {
  const double t = degrees * kPi / 180.0;
  return {centre.x + rx * std::cos(t), centre.y + ry * std::sin(t)};
}

// Drops points that repeat the previous one, so every piece has a direction.
std::vector<Vec2> without_repeats(const std::vector<Vec2>& points, bool closed) {
  std::vector<Vec2> out;
  for (const Vec2& p : points) {
    if (out.empty() || length(p - out.back()) > 1e-9) {
      out.push_back(p);
    }
  }
  if (closed && out.size() > 1 && length(out.front() - out.back()) <= 1e-9) {
    out.pop_back();
  }
  return out;
}

Vec2 unit_normal(Vec2 from, Vec2 to) {
  const Vec2 d = to - from;
  const double len = length(d);
  return {-d.y / len, d.x / len};
}

// Fills the gap on the outside of the corner at p between two stroked pieces.
void add_join(Path& out, Vec2 prev, Vec2 p, Vec2 next, double half, double miter_limit) {
  const Vec2 n0 = unit_normal(prev, p);
  const Vec2 n1 = unit_normal(p, next);
  const Vec2 d0 = p - prev;
  const Vec2 d1 = next - p;
  const double cross = d0.x * d1.y - d0.y * d1.x;
  if (std::abs(cross) < 1e-12 * length(d0) * length(d1)) {
    return;  // straight on (or a full reversal, which has no outer side)
  }
  const double side = cross > 0 ? -1.0 : 1.0;
  const Vec2 a = p + n0 * (side * half);
  const Vec2 b = p + n1 * (side * half);
  const Vec2 sum = n0 + n1;
  const double sum_len = length(sum);
  const double ratio = sum_len > 1e-12 ? 2.0 / sum_len : miter_limit + 1;
  if (ratio <= miter_limit) {
    const Vec2 tip = p + sum * (side * half * ratio / sum_len);
    out.add({p, a, tip, b});
  } else {
    out.add({p, a, b});
  }
}

// Keeps the part of a closed outline on one side of a horizontal line.
std::vector<Vec2> clip_half(const std::vector<Vec2>& pts, double y, bool keep_below) {
  std::vector<Vec2> out;
  const auto inside = [&](Vec2 p) { return keep_below ? p.y >= y : p.y <= y; };
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const Vec2 p = pts[i];
    const Vec2 q = pts[(i + 1) % pts.size()];
    if (inside(p)) {
      out.push_back(p);
    }
    if (inside(p) != inside(q)) {
      out.push_back(along(p, q, (y - p.y) / (q.y - p.y)));
    }
  }
  return out;
}

}  // namespace

Path clip_to_band(const Path& path, double y0, double y1) {
  Path out;
  for (const Contour& c : path.contours) {
    std::vector<Vec2> pts = clip_half(clip_half(c.points, y0, true), y1, false);
    if (pts.size() >= 3) {
      out.add(std::move(pts), c.hole);
    }
  }
  return out;
}

Affine Affine::rotate(double degrees) {
  const double t = degrees * kPi / 180.0;
  const double c = std::cos(t);
  const double s = std::sin(t);
  return {c, s, -s, c, 0, 0};
}

Affine Affine::after(const Affine& f) const {
  return {a * f.a + c * f.b, b * f.a + d * f.b,        a * f.c + c * f.d,
          b * f.c + d * f.d, a * f.tx + c * f.ty + tx, b * f.tx + d * f.ty + ty};
}

std::vector<Vec2> transformed(const std::vector<Vec2>& points, const Affine& m) {
  std::vector<Vec2> out;
  out.reserve(points.size());
  for (const Vec2& p : points) {
    out.push_back(m.apply(p));
  }
  return out;
}

Path transformed(const Path& path, const Affine& m) {
  Path out;
  for (const Contour& c : path.contours) {
    out.add(transformed(c.points, m), c.hole);
  }
  return out;
}

std::vector<Vec2> rect(double x0, double y0, double x1, double y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}

std::vector<Vec2> rounded_rect(double x0, double y0, double x1, double y1, double radius) {
  Polyline p;
  p.arc({x1 - radius, y0 + radius}, radius, radius, 270, 360);
  p.arc({x1 - radius, y1 - radius}, radius, radius, 0, 90);
  p.arc({x0 + radius, y1 - radius}, radius, radius, 90, 180);
  p.arc({x0 + radius, y0 + radius}, radius, radius, 180, 270);
  return p.points();
}

std::vector<Vec2> ellipse(Vec2 centre, double rx, double ry) {
  const int n = std::max(64, pieces_for(2 * kPi * std::max(rx, ry), 360));
  std::vector<Vec2> out;
  out.reserve(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) {
    out.push_back(on_ellipse(centre, rx, ry, 360.0 * i / n));
  }
  return out;
}

Polyline& Polyline::move_to(Vec2 p) {
  points_.push_back(p);
  return *this;
}

Polyline& Polyline::line_to(Vec2 p) {
  points_.push_back(p);
  return *this;
}

Polyline& Polyline::arc(Vec2 centre, double rx, double ry, double a0, double a1) {
  const double sweep = a1 - a0;
  const int n = pieces_for(std::abs(sweep) / 360.0 * 2 * kPi * std::max(rx, ry), sweep);
  for (int i = 0; i <= n; ++i) {
    points_.push_back(on_ellipse(centre, rx, ry, a0 + sweep * i / n));
  }
  return *this;
}

Polyline& Polyline::cubic_to(Vec2 c1, Vec2 c2, Vec2 end) {
  const Vec2 start = points_.empty() ? c1 : points_.back();
  const int n = 32;
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    const double u = 1 - t;
    points_.push_back(start * (u * u * u) + c1 * (3 * u * u * t) + c2 * (3 * u * t * t) +
                      end * (t * t * t));
  }
  return *this;
}

Polyline& Polyline::quad_to(Vec2 c, Vec2 end) {
  const Vec2 start = points_.empty() ? c : points_.back();
  const int n = 24;
  for (int i = 1; i <= n; ++i) {
    const double t = static_cast<double>(i) / n;
    const double u = 1 - t;
    points_.push_back(start * (u * u) + c * (2 * u * t) + end * (t * t));
  }
  return *this;
}

Path stroke(const std::vector<Vec2>& raw, double width, bool closed, double miter_limit) {
  const std::vector<Vec2> pts = without_repeats(raw, closed);
  Path out;
  const std::size_t n = pts.size();
  if (n < 2) {
    return out;
  }
  const double half = width / 2;
  const std::size_t pieces = closed ? n : n - 1;
  for (std::size_t i = 0; i < pieces; ++i) {
    const Vec2 p = pts[i];
    const Vec2 q = pts[(i + 1) % n];
    const Vec2 off = unit_normal(p, q) * half;
    out.add({p + off, q + off, q - off, p - off});
  }
  for (std::size_t i = closed ? 0 : 1; i < (closed ? n : n - 1); ++i) {
    add_join(out, pts[(i + n - 1) % n], pts[i], pts[(i + 1) % n], half, miter_limit);
  }
  return out;
}

}  // namespace resgen
