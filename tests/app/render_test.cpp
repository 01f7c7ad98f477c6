#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "betting/dealer_button.h"
#include "betting/seat_turn.h"
#include "crowded_table.h"
#include "game_harness.h"
#include "offscreen.h"
#include "platform/sdl/window_geometry.h"
#include "resources/embedded_bitmaps.h"
#include "resources/embedded_resources.h"
#include "screens/splash.h"

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
    resources::register_embedded_bitmaps(app.resources());
    settings_screen.load();
    settings_screen.tabletop = colour;
    settings_screen.backside = back;
    open_table();
  }
};

TEST(TableRendering, TheTableTopHasTheChosenColour) {
  for (std::int32_t colour : {0x8000, 0x800000, 0x4080, 0xC0C000}) {
    RenderedTable g(colour, 0);
    const platform::Bitmap shot = offscreen::render(g.table, 1.0, fonts());
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
    const platform::Bitmap shot = offscreen::render(g.table, 2.0, fonts());
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

TEST(TableRendering, EveryLitTurnLightIsOneRoundLight) {
  RenderedTable g(0x8000, 0);
  for (int seat = 1; seat <= omaha::kSeats; ++seat)
    omaha::light_seat(g.table, seat);
  for (double scale : {0.75, 1.0, 1.5, 2.0}) {
    const platform::Bitmap shot = offscreen::render(g.table, scale, fonts());
    for (int seat = 1; seat <= omaha::kSeats; ++seat) {
      const platform::Control& c = g.table.turn_light(seat);
      const double r = c.width() * scale / 30, x0 = c.left() * scale / 15,
                   y0 = c.top() * scale / 15;
      // Lamp and fill: each lit pixel's centre lies a quarter pixel or more inside the border.
      int lit = 0, outside = 0;
      for (int y = static_cast<int>(y0); y < y0 + 2 * r; ++y)
        for (int x = static_cast<int>(x0); x < x0 + 2 * r; ++x)
          if (shot.pixel(x, y) == omaha::turn_light_on) {
            ++lit;
            outside += std::hypot(x + 0.5 - x0 - r, y + 0.5 - y0 - r) >
                       r - c.border_width() * scale - 0.25;
          }
      EXPECT_TRUE(lit > 0 && outside == 0) << "seat " << seat << " at " << scale << ": " << outside;
    }
  }
}

// The bounds (left, top, right, bottom) of the pixels where two shots of one form differ.
std::array<int, 4> changed(const platform::Bitmap& a, const platform::Bitmap& b) {
  std::array<int, 4> box{a.width(), a.height(), -1, -1};
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.pixel(x, y) != b.pixel(x, y))
        box = {std::min(box[0], x), std::min(box[1], y), std::max(box[2], x), std::max(box[3], y)};
  return box;
}

// A chosen swatch, card back or room picture wears its frame on its own edges, and a group's
// pictures are drawn one size. (No room picture is a black box: its frame stands off round it.)
TEST(SettingsRendering, EachChoiceIsFramedOnItsEdgesAndAGroupsPicturesMatch) {
  GameHarness g;
  resources::register_embedded_bitmaps(g.app.resources());
  const platform::Form& form = g.settings_screen;
  g.settings_screen.load();
  // Each choice: the control that wears its frame, and the picture it marks.
  const std::vector<std::vector<std::pair<std::string, std::string>>> groups{
      {{"Label7", "Shape3"}, {"Label6", "Shape6"}, {"Label5", "Shape4"}, {"Label4", "Shape5"}},
      {{"Image5", "Image5"}, {"Image6", "Image6"}, {"Image7", "Image7"}, {"Image8", "Image8"}},
      {{"Image2", "Image2"}, {"Image3", "Image3"}, {"Image4", "Image4"}}};
  g.settings_screen.Label7.set_border_style(0);  // unmark the choices made at load
  g.settings_screen.Image5.set_border_style(0);
  for (double scale : {0.75, 1.0, 1.5, 2.0}) {
    const auto shot = [&] { return offscreen::render(form, scale, fonts()); };
    const platform::Bitmap plain = shot();
    for (const auto& group : groups) {
      std::set<std::pair<int, int>> sizes;
      for (const auto& [frame, picture] : group) {
        form.control(picture).set_visible(false);
        const std::array<int, 4> drawn = changed(plain, shot());
        form.control(picture).set_visible(true);
        form.control(frame).set_border_style(1);
        EXPECT_EQ(changed(plain, shot()), drawn) << frame << " at scale " << scale;
        form.control(frame).set_border_style(0);
        sizes.insert({drawn[2] - drawn[0], drawn[3] - drawn[1]});
      }
      EXPECT_EQ(sizes.size(), 1u) << group.front().first << " at scale " << scale;
    }
  }
}

// ---- the table's layout in its most crowded state ----

struct Box {
  std::string name;
  double left, top, right, bottom;
};

Box box_of(const std::string& name, const platform::Control& c) {
  return {name, c.left(), c.top(), c.left() + c.width(), c.top() + c.height()};
}

Box around(const std::string& name, const std::vector<const platform::Control*>& controls) {
  Box b = box_of(name, *controls.front());
  for (const platform::Control* c : controls) {
    const Box one = box_of(name, *c);
    b = {name, std::min(b.left, one.left), std::min(b.top, one.top), std::max(b.right, one.right),
         std::max(b.bottom, one.bottom)};
  }
  return b;
}

bool overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// From a point to the nearest point of a box.
double distance_to(double x, double y, const Box& b) {
  const double dx = std::max({b.left - x, 0.0, x - b.right});
  const double dy = std::max({b.top - y, 0.0, y - b.bottom});
  return std::hypot(dx, dy);
}

struct CrowdedTable : RenderedTable {
  CrowdedTable() : RenderedTable(0x8000, 0) { omaha::testing::crowd_the_table(table); }

  // What the player reads as a seat's plate: the plate with its light, name and chip count.
  Box plate(int seat) const {
    return around("plate " + std::to_string(seat),
                  {&table.seat_plates[seat - 1], &table.turn_light(seat), &table.player_label(seat),
                   &table.prize_label(seat)});
  }
  Box cards(int seat) const {
    std::vector<const platform::Control*> row;
    for (int card = 1; card <= 4; ++card)
      row.push_back(&table.hole_card(seat, card));
    return around("cards " + std::to_string(seat), row);
  }
  Box chips(int seat) const {
    std::vector<const platform::Control*> stacks;
    for (int chip = 0; chip < 6; ++chip)
      stacks.push_back(&table.seat_chip(seat, chip));
    return around("chips " + std::to_string(seat), stacks);
  }
  Box bet(int seat) const { return box_of("bet " + std::to_string(seat), table.bet_label(seat)); }
};

TEST(TableLayout, EveryPlateLiesInsideTheForm) {
  CrowdedTable g;
  for (int seat = 1; seat <= omaha::kSeats; ++seat) {
    const Box b = g.plate(seat);
    EXPECT_GE(b.left, 0) << b.name;
    EXPECT_GE(b.top, 0) << b.name;
    EXPECT_LE(b.right, g.table.width()) << b.name;
    EXPECT_LE(b.bottom, g.table.height()) << b.name;
  }
}

TEST(TableLayout, NothingTheTableShowsCoversAnotherThing) {
  CrowdedTable g;
  omaha::tables& t = g.table;
  std::vector<Box> things;
  for (int seat = 1; seat <= omaha::kSeats; ++seat) {
    ASSERT_TRUE(t.seat_chip(seat, 0).visible() && t.bet_label(seat).visible());
    for (const Box& b : {g.plate(seat), g.cards(seat), g.chips(seat), g.bet(seat)})
      things.push_back(b);
  }
  std::vector<const platform::Control*> board;
  for (int card = 40; card <= 44; ++card)
    board.push_back(&t.Image1[card]);
  std::vector<const platform::Control*> pile;
  for (int chip = 60; chip <= 90; ++chip)
    pile.push_back(&t.backchips[chip]);
  things.push_back(around("board", board));
  things.push_back(around("pot pile", pile));
  things.push_back(box_of("pot", t.potlabel));
  things.push_back(box_of("banner", t.Label2));
  things.push_back(box_of("status", t.Label24));
  things.push_back(box_of("limits", t.Shape13));
  things.push_back(box_of("result", t.winnerlabel));
  things.push_back(box_of("action panel", t.Shape12));
  things.push_back(around("Exit and Sit Out", {&t.Command2, &t.Command3}));
  for (std::size_t a = 0; a < things.size(); ++a)
    for (std::size_t b = a + 1; b < things.size(); ++b)
      EXPECT_FALSE(overlap(things[a], things[b])) << things[a].name << " / " << things[b].name;

  // The dealer button, beside whichever seat's cards, covers no plate and no bet.
  for (int button = 1; button <= omaha::kSeats; ++button) {
    omaha::place_button_label(t, button);
    const Box dealer = box_of("dealer button", t.Label1);
    for (int seat = 1; seat <= omaha::kSeats; ++seat) {
      EXPECT_FALSE(overlap(dealer, g.plate(seat))) << "button at " << button << ", seat " << seat;
      EXPECT_FALSE(overlap(dealer, g.bet(seat))) << "button at " << button << ", seat " << seat;
    }
  }
}

TEST(TableLayout, EachSeatsChipsAndBetLieInFrontOfItsOwnPlate) {
  CrowdedTable g;
  const platform::Control& top = g.table.Shape1;
  const double middle_x = top.left() + top.width() / 2;
  const double middle_y = top.top() + top.height() / 2;
  for (int seat = 1; seat <= omaha::kSeats; ++seat) {
    const Box own = g.plate(seat);
    for (const Box& thing : {g.chips(seat), g.bet(seat)}) {
      const double x = (thing.left + thing.right) / 2;
      const double y = (thing.top + thing.bottom) / 2;
      const double mine = distance_to(x, y, own);
      for (int other = 1; other <= omaha::kSeats; ++other) {
        if (other == seat)
          continue;
        EXPECT_LT(mine, distance_to(x, y, g.plate(other))) << thing.name << " by plate " << other;
      }
      // Nearer the middle of the table than the plate is.
      EXPECT_LT(
          std::hypot(x - middle_x, y - middle_y),
          std::hypot((own.left + own.right) / 2 - middle_x, (own.top + own.bottom) / 2 - middle_y))
          << thing.name;
    }
  }
}

// A focused button's dotted mark neither covers nor touches its caption's ink, at every window
// scale. With a red caption the mark is the only black inside the outer bevel; the ink is where a
// black and a red caption differ.
TEST(TableLayout, AFocusedButtonsMarkKeepsClearOfItsCaption) {
  CrowdedTable g;
  for (platform::Control* button : {&g.table.Command11, &g.table.Command5, &g.table.Command2}) {
    g.app.set_focus(*button);
    for (double scale : {0.7, 1.0, 1.5, 2.0}) {
      button->set_fore_colour(0x0000FF);
      const platform::Bitmap red = offscreen::render(g.table, scale, fonts());
      button->set_fore_colour(0x000000);
      const platform::Bitmap black = offscreen::render(g.table, scale, fonts());
      const auto px = [&](double twips) { return platform::sdl::twips_to_pixels(twips, scale); };
      const int u = std::max(1, static_cast<int>(std::lround(scale))), x0 = px(button->left()),
                y0 = px(button->top()), x1 = x0 + px(button->width()),
                y1 = y0 + px(button->height());
      const auto ink = [&](int x, int y) { return red.pixel(x, y) != black.pixel(x, y); };
      int marks = 0, inks = 0, touching = 0;
      for (int y = y0 + 2 * u; y < y1 - 2 * u; ++y)
        for (int x = x0 + 2 * u; x < x1 - 2 * u; ++x) {
          inks += ink(x, y);
          if (red.pixel(x, y) != 0x000000)
            continue;
          ++marks;
          for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
              touching += ink(x + dx, y + dy);
        }
      EXPECT_TRUE(marks > 0 && inks > 0 && touching == 0)
          << button->caption() << " at scale " << scale << ": " << touching << " touching";
    }
  }
}

// Every caption of a form shows whole, at most a little smaller than its font's exact size, at
// every window scale from the smallest to 3: steps of 0.05 below 1, quarters above.
void expect_captions_whole(const platform::Form& form) {
  for (double scale :
       {0.75, 0.8, 0.85, 0.9, 0.95, 1.0, 1.25, 1.5, 1.75, 2.0, 2.25, 2.5, 2.75, 3.0}) {
    for (const offscreen::CaptionFit& fit : offscreen::fit_captions(form, scale, fonts())) {
      const std::string what = fit.control->name() + " \"" + fit.control->caption() +
                               "\" at scale " + std::to_string(scale);
      EXPECT_TRUE(fit.whole) << what;
      EXPECT_GE(fit.drawn_size, 0.9 * fit.font_size) << what;
    }
  }
}

TEST(TableLayout, EveryCaptionShowsWholeAtEveryScale) {
  CrowdedTable g;
  expect_captions_whole(g.table);
}

TEST(TableLayout, SplashAndSettingsCaptionsShowWholeAtEveryScale) {
  GameHarness g;
  omaha::frmSplash splash(g.app, g.settings_screen);
  expect_captions_whole(splash);
  g.settings_screen.load();
  expect_captions_whole(g.settings_screen);
}

}  // namespace
