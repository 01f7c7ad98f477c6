#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/embedded_bitmaps.h"
#include "game_harness.h"
#include "platform/sdl/offscreen.h"
#include "resources/embedded_resources.h"

namespace {

using omaha::testing::GameHarness;

platform::sdl::FontSet fonts() {
  return {resources::font_regular(), resources::font_bold()};
}

struct Rgb {
  int r, g, b;
};

Rgb colour_at(const platform::Bitmap& shot, double x_twips, double y_twips) {
  const platform::Colour c =
      shot.pixel(static_cast<int>(x_twips / 15), static_cast<int>(y_twips / 15));
  return {platform::red_of(c), platform::green_of(c), platform::blue_of(c)};
}

int distance(Rgb a, Rgb b) {
  return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}

Rgb of(platform::Colour c) {
  return {platform::red_of(c), platform::green_of(c), platform::blue_of(c)};
}

// The table as "Ok" opens it, with the embedded pictures.
struct RenderedTable : GameHarness {
  explicit RenderedTable(std::int32_t colour, std::int16_t back) {
    omaha::register_embedded_bitmaps(app.resources());
    settings_screen.load();
    settings_screen.tabletop = colour;
    settings_screen.backside = back;
    open_table();
  }
};

TEST(TableRendering, TheTableTopHasTheChosenColour) {
  for (std::int32_t colour : {0x8000, 0x800000, 0x4080, 0xC0C000}) {
    RenderedTable g(colour, 0);
    const platform::Bitmap shot = platform::sdl::render_offscreen(g.table, 1.0, fonts());
    EXPECT_EQ(shot.width(), 820);
    // A spot of bare table top, between the left seats and the board.
    EXPECT_LT(distance(colour_at(shot, 3800, 4000), of(static_cast<platform::Colour>(colour))), 12)
        << std::hex << colour;
  }
}

// The average colour of a rectangle given as fractions of a bitmap's size.
Rgb average(const platform::Bitmap& picture, double x0, double y0, double x1, double y1) {
  long r = 0, g = 0, b = 0, n = 0;
  for (int y = static_cast<int>(y0 * picture.height()); y < static_cast<int>(y1 * picture.height());
       ++y) {
    for (int x = static_cast<int>(x0 * picture.width()); x < static_cast<int>(x1 * picture.width());
         ++x) {
      const platform::Colour c = picture.pixel(x, y);
      r += platform::red_of(c);
      g += platform::green_of(c);
      b += platform::blue_of(c);
      ++n;
    }
  }
  return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
}

TEST(TableRendering, AFaceDownCardShowsTheChosenBack) {
  const std::array<std::int16_t, 4> backs{0, 53, 54, 55};
  std::array<Rgb, 4> drawn_colours{};
  for (std::size_t k = 0; k < backs.size(); ++k) {
    RenderedTable g(0x8000, backs[k]);
    const platform::Control& card = g.table.hole_card(6, 1);
    ASSERT_TRUE(card.visible());
    const platform::Bitmap shot = platform::sdl::render_offscreen(g.table, 2.0, fonts());
    // The uncovered strip of the first card against the same strip of the back's own picture.
    auto cell = g.table.PictureClip1.cell(backs[k]);
    ASSERT_NE(cell, nullptr);
    const double strip = 150.0 / card.width();
    const Rgb expected = average(*cell, 0.1, 0.1, strip * 0.9, 0.9);
    const double px = 2.0 / 15.0;  // twips to pixels at scale 2
    const double fx = px / shot.width();
    const double fy = px / shot.height();
    const double left = card.left() + 0.1 * card.width();
    const double right = card.left() + strip * 0.9 * card.width();
    const double top = card.top() + 0.1 * card.height();
    const double bottom = card.top() + 0.9 * card.height();
    drawn_colours[k] = average(shot, left * fx, top * fy, right * fx, bottom * fy);
    EXPECT_LT(distance(drawn_colours[k], expected), 30) << "back " << backs[k];
  }
  // The four backs really look different on the table.
  for (std::size_t a = 0; a < backs.size(); ++a)
    for (std::size_t b = a + 1; b < backs.size(); ++b)
      EXPECT_GT(distance(drawn_colours[a], drawn_colours[b]), 40) << backs[a] << " " << backs[b];
}

}  // namespace
