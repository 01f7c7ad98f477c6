#include <gtest/gtest.h>

#include <memory>

#include "platform/bitmap.h"

namespace {

using platform::Bitmap;
using platform::PictureClip;

// A sheet of the card-sheet's shape whose every cell is painted with its own number.
std::shared_ptr<const Bitmap> numbered_sheet(int density) {
  const int width = 722 * density;
  const int height = 226 * density;
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3, 255);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int column = x / (40 * density);
      const int row = y / (56 * density);
      if (column >= 18 || row >= 4)
        continue;
      const auto at = (static_cast<std::size_t>(y) * width + x) * 3;
      rgb[at] = static_cast<std::uint8_t>(row * 18 + column);
      rgb[at + 1] = 0;
      rgb[at + 2] = 0;
    }
  }
  return std::make_shared<const Bitmap>(width, height, density, std::move(rgb));
}

TEST(PictureClip, CutsCellsRowByRowFromTheTopLeft) {
  for (int density : {1, 3}) {
    PictureClip clip(4, 18);
    clip.set_picture(numbered_sheet(density));
    for (int n : {0, 1, 17, 18, 52, 53, 55, 56, 71}) {
      auto cell = clip.cell(n);
      ASSERT_NE(cell, nullptr);
      EXPECT_EQ(cell->logical_width(), 40);
      EXPECT_EQ(cell->logical_height(), 56);
      EXPECT_EQ(cell->density(), density);
      // Every pixel of the cell, corners included, belongs to cell n.
      EXPECT_EQ(cell->pixel(0, 0), static_cast<platform::Colour>(n));
      EXPECT_EQ(cell->pixel(cell->width() - 1, cell->height() - 1),
                static_cast<platform::Colour>(n));
    }
  }
}

TEST(PictureClip, RefusesCellsOutsideTheGridAndEmptyClips) {
  PictureClip clip(4, 18);
  EXPECT_EQ(clip.cell(0), nullptr);
  clip.set_picture(numbered_sheet(1));
  EXPECT_EQ(clip.cell(-1), nullptr);
  EXPECT_EQ(clip.cell(72), nullptr);
  EXPECT_EQ(clip.cell(5), clip.cell(5));  // cut once, handed out again
}

TEST(Bitmap, RejectsPixelsThatDoNotMatchTheSize) {
  EXPECT_THROW(Bitmap(2, 2, 1, std::vector<std::uint8_t>(11)), std::invalid_argument);
  EXPECT_NO_THROW(Bitmap(2, 2, 1, std::vector<std::uint8_t>(12)));
}

TEST(ResourceStore, MakesOnDemandSharesWhileHeldAndForgetsWhenDropped) {
  platform::ResourceStore store;
  int made = 0;
  store.add_bitmap(101, [&] {
    ++made;
    return std::make_shared<const Bitmap>(1, 1, 1, std::vector<std::uint8_t>{1, 2, 3});
  });
  EXPECT_EQ(store.bitmap(999), nullptr);
  auto first = store.bitmap(101);
  auto second = store.bitmap(101);
  EXPECT_EQ(first, second);
  EXPECT_EQ(made, 1);
  first.reset();
  second.reset();
  EXPECT_NE(store.bitmap(101), nullptr);
  EXPECT_EQ(made, 2);
}

}  // namespace

namespace {

TEST(Bitmap, ReducedAveragesBlocks) {
  // 4 x 2 pixels: a black and a white 2 x 2 block side by side, plus one odd column.
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 5; ++x)
      for (int c = 0; c < 3; ++c)
        rgb.push_back(x < 2 ? 0 : (x < 4 ? 255 : 100));
  const Bitmap picture(5, 2, 1, std::move(rgb));
  const auto small = picture.reduced(2);
  EXPECT_EQ(small->width(), 2);
  EXPECT_EQ(small->height(), 1);
  EXPECT_EQ(small->pixel(0, 0), platform::rgb(0, 0, 0));
  EXPECT_EQ(small->pixel(1, 0), platform::rgb(255, 255, 255));
  EXPECT_EQ(picture.reduced(1)->pixel(4, 1), platform::rgb(100, 100, 100));
}

}  // namespace
