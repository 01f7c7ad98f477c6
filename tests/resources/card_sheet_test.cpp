#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "pixels.h"
#include "resources/embedded_resources.h"

namespace {

using resources::DecodedImage;
using resources_test::Area;
using resources_test::Rgb;
using resources_test::share;

// The sheet's logical layout: 4 rows of 18 cells of 40 x 56 pixels.
constexpr int kColumns = 18;
constexpr int kCellW = 40;
constexpr int kCellH = 56;

const DecodedImage& sheet() {
  static const DecodedImage decoded = resources::decode_bitmap(101);
  return decoded;
}

Area cell(int n) {
  const int d = sheet().density;
  return {(n % kColumns) * kCellW * d, (n / kColumns) * kCellH * d, kCellW * d, kCellH * d};
}

bool white(Rgb c) {
  return std::min({c.r, c.g, c.b}) >= 240;
}
bool dark(Rgb c) {
  return std::max({c.r, c.g, c.b}) < 90;
}
bool red(Rgb c) {
  return c.r > 150 && c.g < 90 && c.b < 90;
}

int suit_of(int code) {
  return (code - 1) % 4;
}  // 0 clubs, 1 diamonds, 2 hearts, 3 spades
bool red_suit(int code) {
  return suit_of(code) == 1 || suit_of(code) == 2;
}

TEST(CardSheet, IsDrawnAtTripleDensity) {
  EXPECT_EQ(sheet().density, 2);
  EXPECT_EQ(sheet().width, 1444);
  EXPECT_EQ(sheet().height, 452);
  EXPECT_EQ(sheet().width / sheet().density, 722);
  EXPECT_EQ(sheet().height / sheet().density, 226);
  EXPECT_EQ(sheet().rgb.size(), 1444u * 452u * 3u);
}

TEST(CardSheet, FacesAreWhiteCardsInTheirSuitColour) {
  for (int code = 1; code <= 52; ++code) {
    SCOPED_TRACE("card " + std::to_string(code));
    EXPECT_GT(share(sheet(), cell(code), white), 0.55);
    if (red_suit(code)) {
      EXPECT_GT(share(sheet(), cell(code), red), 0.03);
      EXPECT_EQ(share(sheet(), cell(code),
                      [](Rgb c) {
                        return std::max({c.r, c.g, c.b}) < 60;
                      }),
                0.0);
    } else {
      EXPECT_GT(share(sheet(), cell(code), dark), 0.03);
      EXPECT_EQ(share(sheet(), cell(code), red), 0.0);
    }
  }
}

TEST(CardSheet, BacksHaveTheirColours) {
  const auto mean = [](int n) { return resources_test::mean_colour(sheet(), cell(n)); };
  for (const int n : {0, 53, 54, 55}) {
    EXPECT_LT(share(sheet(), cell(n), white), 0.3) << "cell " << n;
  }
  const Rgb pink = mean(0);
  EXPECT_GT(pink.r, pink.g + 40);
  EXPECT_GT(pink.r, pink.b);
  EXPECT_GT(pink.b, pink.g);
  const Rgb teal = mean(53);
  EXPECT_GT(teal.g, teal.r + 30);
  EXPECT_GT(teal.b, teal.r + 30);
  const Rgb steel = mean(54);
  EXPECT_GT(steel.b, steel.r + 30);
  EXPECT_GT(steel.b, steel.g);
  const Rgb peach = mean(55);
  EXPECT_GT(peach.r, 180);
  EXPECT_GT(peach.r, peach.g);
  EXPECT_GT(peach.g, peach.b);
}

// All four backs carry the same round emblem in the middle.
TEST(CardSheet, BacksShareTheEmblem) {
  const int d = sheet().density;
  const auto emblem = [&](int n) {
    const Area c = cell(n);
    return Area{c.x0 + 12 * d, c.y0 + 20 * d, 16 * d, 16 * d};
  };
  const auto light = [](Rgb c) { return std::min({c.r, c.g, c.b}) > 200; };
  const Area first = emblem(0);
  EXPECT_GT(share(sheet(), first, light), 0.05);
  for (const int n : {53, 54, 55}) {
    const Area other = emblem(n);
    int same = 0;
    for (int y = 0; y < first.height; ++y) {
      for (int x = 0; x < first.width; ++x) {
        same += light(resources_test::pixel(sheet(), first.x0 + x, first.y0 + y)) ==
                light(resources_test::pixel(sheet(), other.x0 + x, other.y0 + y));
      }
    }
    EXPECT_GT(same, first.width * first.height * 95 / 100) << "cell " << n;
  }
}

TEST(CardSheet, UnusedCellsAndMarginAreWhite) {
  const auto pure_white = [](Rgb c) { return c.r == 255 && c.g == 255 && c.b == 255; };
  for (int n = 56; n < 72; ++n) {
    EXPECT_EQ(share(sheet(), cell(n), pure_white), 1.0) << "cell " << n;
  }
  const int d = sheet().density;
  EXPECT_EQ(share(sheet(), {kColumns * kCellW * d, 0, 2 * d, sheet().height}, pure_white), 1.0);
  EXPECT_EQ(share(sheet(), {0, 4 * kCellH * d, sheet().width, 2 * d}, pure_white), 1.0);
}

TEST(CardSheet, FacesArePairwiseDifferent) {
  for (int a = 1; a <= 52; ++a) {
    for (int b = a + 1; b <= 52; ++b) {
      EXPECT_GT(resources_test::luminance_distance(sheet(), cell(a), sheet(), cell(b)), 1.0)
          << "cards " << a << " and " << b;
    }
  }
}

// Shrunk to the 28 x 36 pixels the table shows, the corner index still tells every rank of a
// suit apart.
TEST(CardSheet, RanksStayDistinctAtTableSize) {
  const Area corner{0, 0, 10, 12};
  for (int suit = 0; suit < 4; ++suit) {
    for (int a = 0; a < 13; ++a) {
      const DecodedImage small_a =
          resources_test::box_scaled(sheet(), cell(a * 4 + suit + 1), 28, 36);
      for (int b = a + 1; b < 13; ++b) {
        const DecodedImage small_b =
            resources_test::box_scaled(sheet(), cell(b * 4 + suit + 1), 28, 36);
        EXPECT_GT(resources_test::luminance_distance(small_a, corner, small_b, corner), 10.0)
            << "suit " << suit << ", ranks " << a << " and " << b;
      }
    }
  }
}

// As on real cards, the bottom-right index is the top-left one turned half round.
TEST(CardSheet, BottomIndexIsTheTopIndexTurnedRound) {
  const int d = sheet().density;
  const int w = 11 * d;  // the index, clear of the large suit in the middle
  const int h = 27 * d;
  for (int code = 1; code <= 52; ++code) {
    const Area c = cell(code);
    double sum = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const Rgb top = resources_test::pixel(sheet(), c.x0 + x, c.y0 + y);
        const Rgb bottom =
            resources_test::pixel(sheet(), c.x0 + c.width - 1 - x, c.y0 + c.height - 1 - y);
        sum += std::abs(top.r - bottom.r) + std::abs(top.g - bottom.g) + std::abs(top.b - bottom.b);
      }
    }
    EXPECT_LT(sum / (w * h * 3), 2.0) << "card " << code;
  }
}

}  // namespace
