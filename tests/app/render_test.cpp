#include <gtest/gtest.h>

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

TEST(TableRendering, AFaceDownCardShowsTheChosenBack) {
  for (std::int16_t back : {0, 53, 54, 55}) {
    RenderedTable g(0x8000, back);
    const platform::Control& card = g.table.hole_card(6, 1);
    ASSERT_TRUE(card.visible());
    const platform::Bitmap shot = platform::sdl::render_offscreen(g.table, 1.0, fonts());
    // The uncovered strip of the first card against the same place of the back's own picture.
    auto cell = g.table.PictureClip1.cell(back);
    ASSERT_NE(cell, nullptr);
    const double fx = 60.0 / card.width();
    const double fy = 100.0 / card.height();
    const Rgb expected = of(
        cell->pixel(static_cast<int>(fx * cell->width()), static_cast<int>(fy * cell->height())));
    const Rgb drawn = colour_at(shot, card.left() + 60, card.top() + 100);
    EXPECT_LT(distance(drawn, expected), 60) << "back " << back;
  }
}

}  // namespace
