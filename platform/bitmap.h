#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/colour.h"

namespace platform {

// Plain RGB pixels, 3 bytes a pixel, row by row. A bitmap may be drawn at a whole multiple of
// its logical size (its density) so that it stays sharp when the window is scaled up.
class Bitmap {
 public:
  Bitmap(int width, int height, int density, std::vector<std::uint8_t> rgb);

  int width() const { return width_; }  // in real pixels
  int height() const { return height_; }
  int density() const { return density_; }
  int logical_width() const { return width_ / density_; }
  int logical_height() const { return height_ / density_; }
  const std::vector<std::uint8_t>& rgb() const { return rgb_; }
  Colour pixel(int x, int y) const;  // real pixel coordinates

  // Copies the rectangle of real pixels at (x, y) of the given size.
  std::shared_ptr<const Bitmap> crop(int x, int y, int width, int height) const;
  // A copy averaged down by a whole factor (box filter), for pictures only ever shown small.
  std::shared_ptr<const Bitmap> reduced(int factor) const;

 private:
  int width_;
  int height_;
  int density_;
  std::vector<std::uint8_t> rgb_;
};

// Cuts a bitmap into rows x columns equal cells, numbered row by row from the top left, and
// hands out the picture of one cell. Cells are cut on first request and kept.
class PictureClip {
 public:
  PictureClip(int rows, int columns) : rows_(rows), columns_(columns) {}

  void set_picture(std::shared_ptr<const Bitmap> picture);
  const std::shared_ptr<const Bitmap>& picture() const { return picture_; }
  int cell_count() const { return rows_ * columns_; }

  // The picture of cell n, or nullptr for a cell outside the grid or with no picture loaded.
  std::shared_ptr<const Bitmap> cell(int n);

 private:
  int rows_;
  int columns_;
  std::shared_ptr<const Bitmap> picture_;
  std::map<int, std::shared_ptr<const Bitmap>> cells_;
};

// The bitmaps carried by the executable, by resource number. Each is made on first request;
// a bitmap no one holds any more is dropped, and made again when asked for.
class ResourceStore {
 public:
  using Loader = std::function<std::shared_ptr<const Bitmap>()>;

  void add_bitmap(int id, Loader loader);
  std::shared_ptr<const Bitmap> bitmap(int id);  // nullptr for an unknown id

 private:
  struct Entry {
    Loader loader;
    std::weak_ptr<const Bitmap> cached;
  };
  std::map<int, Entry> entries_;
};

}  // namespace platform
