#include "raster.h"

#include <algorithm>
#include <cmath>

namespace resgen {
namespace {

// Sub-scanlines per pixel row; across a row coverage is computed exactly.
constexpr int kSubRows = 16;

struct Edge {
  double x0, y0, y1, dxdy;
  int winding;  // +1 for solid contours, -1 for holes, in the direction the edge runs
};

double signed_area(const std::vector<Vec2>& pts) {
  double area = 0;
  for (std::size_t i = 0; i < pts.size(); ++i) {
    const Vec2 p = pts[i];
    const Vec2 q = pts[(i + 1) % pts.size()];
    area += p.x * q.y - q.x * p.y;
  }
  return area / 2;
}

// Edges oriented so that the inside of every solid contour winds +1 and of every hole -1.
std::vector<Edge> edges_of(const Path& path) {
  std::vector<Edge> edges;
  for (const Contour& c : path.contours) {
    if (c.points.size() < 3) {
      continue;
    }
    const double area = signed_area(c.points);
    if (area == 0) {
      continue;
    }
    const int orientation = (area > 0 ? -1 : 1) * (c.hole ? -1 : 1);
    for (std::size_t i = 0; i < c.points.size(); ++i) {
      Vec2 p = c.points[i];
      Vec2 q = c.points[(i + 1) % c.points.size()];
      if (p.y == q.y) {
        continue;
      }
      int w = orientation;
      if (p.y > q.y) {
        std::swap(p, q);
        w = -w;
      }
      edges.push_back({p.x, p.y, q.y, (q.x - p.x) / (q.y - p.y), w});
    }
  }
  return edges;
}

// Per-row coverage: partial pixels go to `partial`, whole runs of pixels are recorded as a
// step in `steps` and summed up at the end of the row.
class RowCoverage {
 public:
  RowCoverage(int x0, int x1)
      : x0_(x0), x1_(x1), partial_(static_cast<std::size_t>(x1 - x0) + 1, 0.0), steps_(partial_) {}

  void clear() {
    std::fill(partial_.begin(), partial_.end(), 0.0);
    std::fill(steps_.begin(), steps_.end(), 0.0);
  }

  void add_span(double xa, double xb, double weight) {
    xa = std::max(xa, static_cast<double>(x0_));
    xb = std::min(xb, static_cast<double>(x1_));
    if (xb <= xa) {
      return;
    }
    const int ia = static_cast<int>(std::floor(xa));
    const int ib = static_cast<int>(std::floor(xb));
    if (ia == ib) {
      partial_[index(ia)] += (xb - xa) * weight;
      return;
    }
    partial_[index(ia)] += (ia + 1 - xa) * weight;
    steps_[index(ia + 1)] += weight;
    steps_[index(ib)] -= weight;
    if (ib < x1_) {
      partial_[index(ib)] += (xb - ib) * weight;
    }
  }

  // Calls f(x, coverage) for every pixel with some coverage.
  template <typename F>
  void for_each(F f) const {
    double run = 0;
    for (int x = x0_; x < x1_; ++x) {
      run += steps_[index(x)];
      const double cov = std::min(1.0, run + partial_[index(x)]);
      if (cov > 1e-6) {
        f(x, cov);
      }
    }
  }

 private:
  std::size_t index(int x) const { return static_cast<std::size_t>(x - x0_); }

  int x0_, x1_;
  std::vector<double> partial_;
  std::vector<double> steps_;
};

}  // namespace

Canvas::Canvas(int width, int height, Rgb background)
    : width_(width),
      height_(height),
      pixels_(static_cast<std::size_t>(width) * height, background) {}

void Canvas::fill(const Path& path, const Paint& paint, double opacity) {
  fill(path, paint, opacity, {0, 0, width_, height_});
}

void Canvas::fill(const Path& path, const Paint& paint, double opacity, PixelRect clip) {
  const std::vector<Edge> edges = edges_of(path);
  if (edges.empty()) {
    return;
  }
  double min_x = edges[0].x0, max_x = min_x, min_y = edges[0].y0, max_y = edges[0].y1;
  for (const Edge& e : edges) {
    const double xe = e.x0 + e.dxdy * (e.y1 - e.y0);
    min_x = std::min({min_x, e.x0, xe});
    max_x = std::max({max_x, e.x0, xe});
    min_y = std::min(min_y, e.y0);
    max_y = std::max(max_y, e.y1);
  }
  clip.x0 = std::max({clip.x0, 0, static_cast<int>(std::floor(min_x))});
  clip.x1 = std::min({clip.x1, width_, static_cast<int>(std::ceil(max_x)) + 1});
  clip.y0 = std::max({clip.y0, 0, static_cast<int>(std::floor(min_y))});
  clip.y1 = std::min({clip.y1, height_, static_cast<int>(std::ceil(max_y)) + 1});
  if (clip.x0 >= clip.x1 || clip.y0 >= clip.y1) {
    return;
  }

  RowCoverage row(clip.x0, clip.x1);
  std::vector<const Edge*> active;
  std::vector<std::pair<double, int>> crossings;
  const double weight = 1.0 / kSubRows;
  for (int y = clip.y0; y < clip.y1; ++y) {
    active.clear();
    for (const Edge& e : edges) {
      if (e.y0 < y + 1 && e.y1 > y) {
        active.push_back(&e);
      }
    }
    if (active.empty()) {
      continue;
    }
    row.clear();
    for (int s = 0; s < kSubRows; ++s) {
      const double sy = y + (s + 0.5) / kSubRows;
      crossings.clear();
      for (const Edge* e : active) {
        if (e->y0 <= sy && sy < e->y1) {
          crossings.emplace_back(e->x0 + (sy - e->y0) * e->dxdy, e->winding);
        }
      }
      std::sort(crossings.begin(), crossings.end());
      int winding = 0;
      double start = 0;
      for (const auto& [x, w] : crossings) {
        const int before = winding;
        winding += w;
        if (before <= 0 && winding > 0) {
          start = x;
        } else if (before > 0 && winding <= 0) {
          row.add_span(start, x, weight);
        }
      }
    }
    row.for_each([&](int x, double cov) {
      const double a = cov * opacity;
      const Rgb c = paint.at(x + 0.5, y + 0.5);
      Rgb& px = at(x, y);
      px = mix(px, c, a);
    });
  }
}

void Canvas::add_glow(Vec2 centre, double radius, Rgb colour, double strength) {
  const int x0 = std::max(0, static_cast<int>(std::floor(centre.x - radius)));
  const int x1 = std::min(width_, static_cast<int>(std::ceil(centre.x + radius)) + 1);
  const int y0 = std::max(0, static_cast<int>(std::floor(centre.y - radius)));
  const int y1 = std::min(height_, static_cast<int>(std::ceil(centre.y + radius)) + 1);
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const double dx = (x + 0.5 - centre.x) / radius;
      const double dy = (y + 0.5 - centre.y) / radius;
      const double d2 = dx * dx + dy * dy;
      if (d2 >= 1) {
        continue;
      }
      const double f = (1 - d2) * (1 - d2) * strength;
      Rgb& px = at(x, y);
      px = {px.r + colour.r * f, px.g + colour.g * f, px.b + colour.b * f};
    }
  }
}

void Canvas::apply(const std::function<Rgb(int x, int y, Rgb old)>& f) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      at(x, y) = f(x, y, at(x, y));
    }
  }
}

std::vector<std::uint8_t> Canvas::to_rgb8() const {
  std::vector<std::uint8_t> out;
  out.reserve(pixels_.size() * 3);
  const auto channel = [](double v) {
    return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0));
  };
  for (const Rgb& p : pixels_) {
    out.push_back(channel(p.r));
    out.push_back(channel(p.g));
    out.push_back(channel(p.b));
  }
  return out;
}

}  // namespace resgen
