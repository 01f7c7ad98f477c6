#include "platform/sdl/resample.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace platform::sdl {

namespace {

// How much each old pixel along one axis adds to each new pixel: the share of the new pixel's
// span that the old pixel covers.
struct Tap {
  int from;
  float weight;
};

std::vector<std::vector<Tap>> taps(int length, int new_length) {
  std::vector<std::vector<Tap>> all(static_cast<std::size_t>(new_length));
  const double ratio = static_cast<double>(length) / new_length;
  for (int i = 0; i < new_length; ++i) {
    const double start = i * ratio;
    const double end = (i + 1) * ratio;
    const int last = std::min(length, static_cast<int>(std::ceil(end)));
    for (int j = static_cast<int>(std::floor(start)); j < last; ++j) {
      const double covered = std::min(end, j + 1.0) - std::max(start, static_cast<double>(j));
      if (covered > 0)
        all[i].push_back({j, static_cast<float>(covered / ratio)});
    }
  }
  return all;
}

}  // namespace

std::vector<std::uint8_t> box_resize_rgb(const std::vector<std::uint8_t>& rgb, int width,
                                         int height, int new_width, int new_height) {
  if (width <= 0 || height <= 0 || new_width <= 0 || new_height <= 0 ||
      rgb.size() != static_cast<std::size_t>(width) * height * 3)
    return {};
  const auto across = taps(width, new_width);
  const auto down = taps(height, new_height);
  const std::size_t row_size = static_cast<std::size_t>(new_width) * 3;
  std::vector<std::uint8_t> out(row_size * new_height);
  // One new row at a time, from the old rows it covers, each shrunk along its length first:
  // only two rows of working space, however large the picture.
  std::vector<float> sum(row_size);
  std::vector<float> row(row_size);
  for (int y = 0; y < new_height; ++y) {
    std::fill(sum.begin(), sum.end(), 0.0f);
    for (const Tap& vertical : down[y]) {
      const std::uint8_t* source = &rgb[static_cast<std::size_t>(vertical.from) * width * 3];
      std::fill(row.begin(), row.end(), 0.0f);
      for (int x = 0; x < new_width; ++x) {
        for (const Tap& horizontal : across[x]) {
          const std::uint8_t* pixel = source + static_cast<std::size_t>(horizontal.from) * 3;
          for (int c = 0; c < 3; ++c)
            row[x * 3 + c] += horizontal.weight * pixel[c];
        }
      }
      for (std::size_t i = 0; i < row_size; ++i)
        sum[i] += vertical.weight * row[i];
    }
    std::transform(
        sum.begin(), sum.end(), out.begin() + static_cast<std::ptrdiff_t>(y * row_size),
        [](float v) { return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L)); });
  }
  return out;
}

}  // namespace platform::sdl
