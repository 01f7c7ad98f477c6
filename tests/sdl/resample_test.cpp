#include "platform/sdl/resample.h"

#include <gtest/gtest.h>

namespace platform::sdl {
namespace {

using Pixels = std::vector<std::uint8_t>;

TEST(BoxResize, WholeFactorAveragesEachBlock) {
  // 2 x 2 -> 1 x 1.
  const Pixels square = {0, 0, 0, 200, 100, 40, 100, 0, 40, 100, 20, 0};
  EXPECT_EQ(box_resize_rgb(square, 2, 2, 1, 1), (Pixels{100, 30, 20}));
  // 4 x 1 -> 2 x 1: the pairs average separately.
  const Pixels row = {0, 0, 0, 10, 10, 10, 100, 100, 100, 255, 255, 255};
  EXPECT_EQ(box_resize_rgb(row, 4, 1, 2, 1), (Pixels{5, 5, 5, 178, 178, 178}));
}

TEST(BoxResize, FractionalFactorWeighsPartlyCoveredPixels) {
  // 3 -> 2: each new pixel covers one and a half old ones.
  const Pixels row = {0, 0, 0, 90, 90, 90, 180, 180, 180};
  EXPECT_EQ(box_resize_rgb(row, 3, 1, 2, 1), (Pixels{30, 30, 30, 150, 150, 150}));
  // The same along columns.
  EXPECT_EQ(box_resize_rgb(row, 1, 3, 1, 2), (Pixels{30, 30, 30, 150, 150, 150}));
}

TEST(BoxResize, SameSizeKeepsThePixelsAndBadSizesGiveNothing) {
  const Pixels two = {1, 2, 3, 4, 5, 6};
  EXPECT_EQ(box_resize_rgb(two, 2, 1, 2, 1), two);
  EXPECT_TRUE(box_resize_rgb(two, 2, 1, 0, 1).empty());
}

}  // namespace
}  // namespace platform::sdl
