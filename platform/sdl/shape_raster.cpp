#include "platform/sdl/shape_raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <map>

namespace platform::sdl {

namespace {

constexpr int kSamples = 4;  // per axis and pixel

struct Box {
  double x0, y0, x1, y1;
  double radius;  // of the corners; for ellipses unused
};

bool inside_ellipse(const Box& b, double x, double y) {
  const double rx = (b.x1 - b.x0) / 2;
  const double ry = (b.y1 - b.y0) / 2;
  if (rx <= 0 || ry <= 0)
    return false;
  const double dx = (x - (b.x0 + rx)) / rx;
  const double dy = (y - (b.y0 + ry)) / ry;
  return dx * dx + dy * dy <= 1.0;
}

bool inside_rounded(const Box& b, double x, double y) {
  if (x < b.x0 || x > b.x1 || y < b.y0 || y > b.y1)
    return false;
  const double r = std::min({b.radius, (b.x1 - b.x0) / 2, (b.y1 - b.y0) / 2});
  if (r <= 0)
    return true;
  const double cx = std::clamp(x, b.x0 + r, b.x1 - r);
  const double cy = std::clamp(y, b.y0 + r, b.y1 - r);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

Box inset(const Box& b, double by) {
  return Box{b.x0 + by, b.y0 + by, b.x1 - by, b.y1 - by, std::max(0.0, b.radius - by)};
}

std::uint32_t argb(Colour c, std::uint32_t alpha) {
  return alpha << 24 | std::uint32_t{red_of(c)} << 16 | std::uint32_t{green_of(c)} << 8 |
         blue_of(c);
}

// Where a sample lies: 0 outside, 1 on the outline, 2 inside it.
class ShapeRegions {
 public:
  explicit ShapeRegions(const ShapeStyle& s)
      : ellipse_(s.kind == ShapeKind::Oval || s.kind == ShapeKind::Circle) {
    const double w = s.width;
    const double h = s.height;
    outer_ = Box{s.left, s.top, s.left + w, s.top + h, 0};
    if (s.kind == ShapeKind::Circle) {
      const double d = std::min(w, h);
      const double x = s.left + (w - d) / 2;
      const double y = s.top + (h - d) / 2;
      outer_ = Box{x, y, x + d, y + d, 0};
    } else if (s.kind == ShapeKind::RoundedRectangle) {
      outer_.radius = std::min(w, h) / 6;
    }
    inner_ = inset(outer_, std::max(0, s.border));
  }

  int at(double x, double y) const {
    if (!inside(outer_, x, y))
      return 0;
    if (inner_.x1 <= inner_.x0 || inner_.y1 <= inner_.y0 || !inside(inner_, x, y))
      return 1;
    return 2;
  }

 private:
  bool inside(const Box& b, double x, double y) const {
    return ellipse_ ? inside_ellipse(b, x, y) : inside_rounded(b, x, y);
  }

  bool ellipse_;
  Box outer_{};
  Box inner_{};
};

int raster_size(double start, double length) {
  return length > 0 ? static_cast<int>(std::ceil(start + length)) : 0;
}

}  // namespace

int raster_width(const ShapeStyle& style) {
  return raster_size(style.left, style.width);
}

int raster_height(const ShapeStyle& style) {
  return raster_size(style.top, style.height);
}

std::vector<std::uint32_t> rasterize_shape(const ShapeStyle& style) {
  const int w = raster_width(style);
  const int h = raster_height(style);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w) * h, 0);
  const ShapeRegions regions(style);
  const int total = kSamples * kSamples;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int outline = 0;
      int interior = 0;
      // Most pixels lie wholly in one region: when the corners and the centre agree, the pixel
      // is taken as uniform and only the others are sampled finely.
      const int centre = regions.at(x + 0.5, y + 0.5);
      if (centre == regions.at(x, y) && centre == regions.at(x + 1, y) &&
          centre == regions.at(x, y + 1) && centre == regions.at(x + 1, y + 1)) {
        (centre == 1 ? outline : interior) = centre == 0 ? 0 : total;
      } else {
        for (int sy = 0; sy < kSamples; ++sy) {
          for (int sx = 0; sx < kSamples; ++sx) {
            const int region = regions.at(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
            outline += region == 1;
            interior += region == 2;
          }
        }
      }
      if (style.border <= 0)
        outline = 0;
      if (!style.filled)
        interior = 0;
      const int covered = outline + interior;
      if (covered == 0)
        continue;
      // Non-premultiplied colour: the covered parts mixed by their share.
      auto mix = [&](std::uint8_t fill, std::uint8_t line) {
        return static_cast<std::uint8_t>((fill * interior + line * outline + covered / 2) /
                                         covered);
      };
      const Colour colour = rgb(mix(red_of(style.fill), red_of(style.border_colour)),
                                mix(green_of(style.fill), green_of(style.border_colour)),
                                mix(blue_of(style.fill), blue_of(style.border_colour)));
      const auto alpha = static_cast<std::uint32_t>((covered * 255 + total / 2) / total);
      pixels[static_cast<std::size_t>(y) * w + x] = argb(colour, alpha);
    }
  }
  return pixels;
}

std::vector<ColourRuns> shape_runs(const ShapeStyle& style) {
  const std::vector<std::uint32_t> pixels = rasterize_shape(style);
  const int w = raster_width(style);
  const int h = raster_height(style);
  std::map<std::uint32_t, std::vector<PixelRun>> by_colour;
  for (int y = 0; y < h; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * w;
    for (int x = 0; x < w;) {
      int end = x + 1;
      while (end < w && row[end] == row[x])
        ++end;
      if (row[x] >> 24 != 0)
        by_colour[row[x]].push_back(PixelRun{x, y, end - x});
      x = end;
    }
  }
  std::vector<ColourRuns> runs;
  runs.reserve(by_colour.size());
  for (auto& [argb, colour_runs] : by_colour)
    runs.push_back(ColourRuns{argb, std::move(colour_runs)});
  return runs;
}

}  // namespace platform::sdl
