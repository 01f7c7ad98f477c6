#pragma once

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "resources/decoded_image.h"

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

}  // namespace resources_test
