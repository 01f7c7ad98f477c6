#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "card_font.h"
#include "pictures.h"
#include "pixels.h"
#include "platform/bitmap.h"
#include "platform/sdl/resample.h"
#include "platform/sdl/window_geometry.h"
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

TEST(CardSheet, ThePictureHoldsExactlyThePixelsDrawn) {
  const resgen::Canvas drawn =
      resgen::draw_card_sheet(2, OMAHA_FONT_DIR "/LiberationSans-Bold.ttf");
  ASSERT_EQ(drawn.width(), sheet().width);
  ASSERT_EQ(drawn.height(), sheet().height);
  EXPECT_TRUE(drawn.to_rgb8() == sheet().rgb);
}

TEST(CardSheet, IsDrawnAtDoubleDensity) {
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

// The shape of a text as Liberation Sans Bold sets it, in black on white.
std::vector<double> shape_of_text(const char* text) {
  static const resgen::FontFace font = resgen::open_font(OMAHA_FONT_DIR "/LiberationSans-Bold.ttf");
  resgen::Canvas canvas(320, 200, resgen::rgb8(255, 255, 255));
  cairo_t* cr = canvas.context();
  cairo_set_font_face(cr, font.get());
  cairo_set_font_size(cr, 120);
  cairo_move_to(cr, 20, 150);
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_show_text(cr, text);
  const DecodedImage image{canvas.width(), canvas.height(), 1, canvas.to_rgb8()};
  return resources_test::ink_shape(image, {0, 0, image.width, image.height}, dark, 6, 8);
}

// Index of the reference shape nearest to `shape`.
int nearest(const std::vector<double>& shape, const std::vector<std::vector<double>>& references) {
  int best = 0;
  for (int i = 1; i < static_cast<int>(references.size()); ++i) {
    if (resources_test::shape_distance(shape, references[i]) <
        resources_test::shape_distance(shape, references[best])) {
      best = i;
    }
  }
  return best;
}

// Read as a player reads a card: the ink of the corner index, above its suit, and the symbol in
// the middle, between the two indexes, in the card's suit colour, look most like its own rank and
// suit.
TEST(CardSheet, EachFaceShowsItsRankAndSuit) {
  std::vector<std::vector<double>> ranks;
  for (const char* rank : {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"}) {
    ranks.push_back(shape_of_text(rank));
  }
  std::vector<std::vector<double>> suits;
  for (const char* suit : {"\u2663", "\u2666", "\u2665", "\u2660"}) {  // clubs .. spades
    suits.push_back(shape_of_text(suit));
  }
  const int d = sheet().density;
  for (int code = 1; code <= 52; ++code) {
    SCOPED_TRACE("card " + std::to_string(code));
    const Area c = cell(code);
    const auto ink = [&](Rgb colour) { return red_suit(code) ? red(colour) : dark(colour); };
    const auto rank = resources_test::ink_shape(sheet(), {c.x0, c.y0, 14 * d, 18 * d}, ink, 6, 8);
    ASSERT_FALSE(rank.empty());
    EXPECT_EQ(nearest(rank, ranks), (code - 1) / 4);
    const Area middle{c.x0 + 13 * d, c.y0 + 19 * d, 14 * d, 18 * d};
    const auto suit = resources_test::ink_shape(sheet(), middle, ink, 6, 8);
    ASSERT_FALSE(suit.empty());
    EXPECT_EQ(nearest(suit, suits), suit_of(code));
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

// Pixels of two equally sized pictures whose grey differs by more than a quarter of the range.
int plainly_different_pixels(const DecodedImage& a, const DecodedImage& b, Area area) {
  int count = 0;
  resources_test::for_each_pixel(a, area, [&](int x, int y, Rgb c) {
    count += std::abs(resources_test::luminance(c) -
                      resources_test::luminance(resources_test::pixel(b, x, y))) > 255 / 4.0;
  });
  return count;
}

// A hole card is 420 x 540 twips and the next one sits 150 twips to its right, so of every hole
// card but the last a player sees only a strip at its left. Cut from the sheet and shrunk as the
// window draws it on a 640 x 480 screen (scale 0.7), at scale 1 and on a 1920 x 1080 screen, that
// strip still tells clubs from spades and diamonds from hearts at every rank.
TEST(CardSheet, HoleCardStripTellsTheSuitsApart) {
  constexpr int kClearlyDifferent = 10;
  platform::PictureClip clip(resources::kSheetRows, resources::kSheetColumns);
  clip.set_picture(std::make_shared<const platform::Bitmap>(sheet().width, sheet().height,
                                                            sheet().density, sheet().rgb));
  for (const double scale : {0.7, 1.0, 1.4}) {
    using platform::sdl::twips_to_pixels;
    const int width = twips_to_pixels(420, scale);
    const int height = twips_to_pixels(540, scale);
    const Area strip{0, 0, twips_to_pixels(150, scale), height};
    const auto hole_card = [&](int code) {
      const auto card = clip.cell(code);
      return DecodedImage{
          width, height, 1,
          platform::sdl::box_resize_rgb(card->rgb(), card->width(), card->height(), width, height)};
    };
    for (int rank = 0; rank < 13; ++rank) {
      SCOPED_TRACE("scale " + std::to_string(scale) + ", rank " + std::to_string(rank));
      const DecodedImage clubs = hole_card(rank * 4 + 1), diamonds = hole_card(rank * 4 + 2);
      const DecodedImage hearts = hole_card(rank * 4 + 3), spades = hole_card(rank * 4 + 4);
      EXPECT_GE(plainly_different_pixels(clubs, spades, strip), kClearlyDifferent);
      EXPECT_GE(plainly_different_pixels(diamonds, hearts, strip), kClearlyDifferent);
    }
  }
}

}  // namespace
