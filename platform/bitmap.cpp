#include "platform/bitmap.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

namespace platform {

Bitmap::Bitmap(int width, int height, int density, std::vector<std::uint8_t> rgb)
    : width_(width), height_(height), density_(density), rgb_(std::move(rgb)) {
  if (width < 0 || height < 0 || density < 1 ||
      rgb_.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3)
    throw std::invalid_argument("bitmap size does not match its pixels");
}

Colour Bitmap::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_)
    return 0;
  const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
  return platform::rgb(rgb_[at], rgb_[at + 1], rgb_[at + 2]);
}

std::shared_ptr<const Bitmap> Bitmap::crop(int x, int y, int width, int height) const {
  x = std::clamp(x, 0, width_);
  y = std::clamp(y, 0, height_);
  width = std::clamp(width, 0, width_ - x);
  height = std::clamp(height, 0, height_ - y);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
  for (int row = 0; row < height; ++row) {
    const auto from = rgb_.begin() + (static_cast<std::ptrdiff_t>(y + row) * width_ + x) * 3;
    std::copy(from, from + width * 3,
              pixels.begin() + static_cast<std::ptrdiff_t>(row) * width * 3);
  }
  return std::make_shared<const Bitmap>(width, height, density_, std::move(pixels));
}

std::shared_ptr<const Bitmap> Bitmap::reduced(int factor) const {
  if (factor <= 1)
    return std::make_shared<const Bitmap>(*this);
  const int width = std::max(1, width_ / factor);
  const int height = std::max(1, height_ / factor);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      std::array<int, 3> sum{};
      int count = 0;
      for (int sy = y * factor; sy < std::min(height_, (y + 1) * factor); ++sy) {
        for (int sx = x * factor; sx < std::min(width_, (x + 1) * factor); ++sx) {
          const auto at = (static_cast<std::size_t>(sy) * width_ + sx) * 3;
          for (std::size_t c = 0; c < 3; ++c)
            sum[c] += rgb_[at + c];
          ++count;
        }
      }
      const auto to = (static_cast<std::size_t>(y) * width + x) * 3;
      for (std::size_t c = 0; c < 3; ++c)
        pixels[to + c] = static_cast<std::uint8_t>((sum[c] + count / 2) / count);
    }
  }
  return std::make_shared<const Bitmap>(width, height, 1, std::move(pixels));
}

void PictureClip::set_picture(std::shared_ptr<const Bitmap> picture) {
  picture_ = std::move(picture);
  cells_.clear();
}

std::shared_ptr<const Bitmap> PictureClip::cell(int n) {
  if (!picture_ || n < 0 || n >= cell_count())
    return nullptr;
  if (auto found = cells_.find(n); found != cells_.end())
    return found->second;
  // Cell sizes come from the logical size, so a sheet drawn at a higher density keeps the grid.
  const int density = picture_->density();
  const int cell_width = picture_->logical_width() / columns_ * density;
  const int cell_height = picture_->logical_height() / rows_ * density;
  auto cell = picture_->crop(n % columns_ * cell_width, n / columns_ * cell_height, cell_width,
                             cell_height);
  cells_.emplace(n, cell);
  return cell;
}

void ResourceStore::add_bitmap(int id, Loader loader) {
  entries_[id] = Entry{std::move(loader), {}};
}

std::shared_ptr<const Bitmap> ResourceStore::bitmap(int id) {
  const auto found = entries_.find(id);
  if (found == entries_.end())
    return nullptr;
  if (auto held = found->second.cached.lock())
    return held;
  auto made = found->second.loader();
  found->second.cached = made;
  return made;
}

}  // namespace platform
