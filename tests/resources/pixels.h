#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "resources/embedded_resources.h"

namespace resources_test {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

inline Rgb pixel(const resources::DecodedImage& image, int x, int y) {
  const std::size_t i = (static_cast<std::size_t>(y) * image.width + x) * 3;
  return {image.rgb[i], image.rgb[i + 1], image.rgb[i + 2]};
}

inline double luminance(Rgb c) {
  return 0.299 * c.r + 0.587 * c.g + 0.114 * c.b;
}

// A real-pixel rectangle of an image.
struct Area {
  int x0 = 0;
  int y0 = 0;
  int width = 0;
  int height = 0;
};

// Calls f(x, y, colour) for every pixel of the area.
template <typename F>
void for_each_pixel(const resources::DecodedImage& image, Area a, F f) {
  for (int y = a.y0; y < a.y0 + a.height; ++y) {
    for (int x = a.x0; x < a.x0 + a.width; ++x) {
      f(x, y, pixel(image, x, y));
    }
  }
}

// Fraction of the area's pixels for which pred(colour) holds.
template <typename Pred>
double share(const resources::DecodedImage& image, Area a, Pred pred) {
  int hits = 0;
  for_each_pixel(image, a, [&](int, int, Rgb c) { hits += pred(c) ? 1 : 0; });
  return static_cast<double>(hits) / (a.width * a.height);
}

inline Rgb mean_colour(const resources::DecodedImage& image, Area a) {
  long r = 0, g = 0, b = 0;
  for_each_pixel(image, a, [&](int, int, Rgb c) {
    r += c.r;
    g += c.g;
    b += c.b;
  });
  const long n = static_cast<long>(a.width) * a.height;
  return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
}

// The area shrunk to w x h by averaging boxes of pixels (like a scaled-down display).
inline resources::DecodedImage box_scaled(const resources::DecodedImage& image, Area a, int w,
                                          int h) {
  resources::DecodedImage out;
  out.width = w;
  out.height = h;
  out.rgb.resize(static_cast<std::size_t>(w) * h * 3);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Area box{a.x0 + x * a.width / w, a.y0 + y * a.height / h,
                     (x + 1) * a.width / w - x * a.width / w,
                     (y + 1) * a.height / h - y * a.height / h};
      const Rgb m = mean_colour(image, box);
      const std::size_t i = (static_cast<std::size_t>(y) * w + x) * 3;
      out.rgb[i] = static_cast<std::uint8_t>(m.r);
      out.rgb[i + 1] = static_cast<std::uint8_t>(m.g);
      out.rgb[i + 2] = static_cast<std::uint8_t>(m.b);
    }
  }
  return out;
}

// Mean absolute difference of luminance between two equally sized areas.
inline double luminance_distance(const resources::DecodedImage& a, Area area_a,
                                 const resources::DecodedImage& b, Area area_b) {
  double sum = 0;
  for (int y = 0; y < area_a.height; ++y) {
    for (int x = 0; x < area_a.width; ++x) {
      sum += std::abs(luminance(pixel(a, area_a.x0 + x, area_a.y0 + y)) -
                      luminance(pixel(b, area_b.x0 + x, area_b.y0 + y)));
    }
  }
  return sum / (area_a.width * area_a.height);
}

// The shape of the ink in an area, independent of its size and place: the bounding box of the
// pixels for which is_ink holds, cut into a w x h grid, as the ink share of each grid cell.
// Empty when the area holds no ink.
template <typename Pred>
std::vector<double> ink_shape(const resources::DecodedImage& image, Area a, Pred is_ink, int w,
                              int h) {
  Area box{a.x0 + a.width, a.y0 + a.height, 0, 0};
  int x1 = a.x0, y1 = a.y0;
  for_each_pixel(image, a, [&](int x, int y, Rgb c) {
    if (is_ink(c)) {
      box.x0 = std::min(box.x0, x);
      box.y0 = std::min(box.y0, y);
      x1 = std::max(x1, x + 1);
      y1 = std::max(y1, y + 1);
    }
  });
  if (x1 <= box.x0 || y1 <= box.y0) {
    return {};
  }
  box.width = x1 - box.x0;
  box.height = y1 - box.y0;
  std::vector<double> grid(static_cast<std::size_t>(w) * h, 0.0);
  for_each_pixel(image, box, [&](int x, int y, Rgb c) {
    const std::size_t cell = static_cast<std::size_t>((y - box.y0) * h / box.height) * w +
                             static_cast<std::size_t>((x - box.x0) * w / box.width);
    grid[cell] += is_ink(c) ? 1.0 : 0.0;
  });
  const double per_cell = static_cast<double>(box.width) * box.height / (w * h);
  for (double& g : grid) {
    g /= per_cell;
  }
  return grid;
}

// Sum of squared differences between two ink shapes of the same grid.
inline double shape_distance(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    sum += (a[i] - b[i]) * (a[i] - b[i]);
  }
  return sum;
}

}  // namespace resources_test
