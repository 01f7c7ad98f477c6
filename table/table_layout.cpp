#include "table/table_layout.h"

#include <array>

#include "table/tables.h"

namespace omaha {

namespace {

using platform::Align;
using platform::Colour;
using platform::FocusPolicy;
using platform::ShapeKind;

constexpr float kCardWidth = 420;
constexpr float kCardHeight = 540;
constexpr float kCardStep = 150;  // each hole card sits this far right of the one before
constexpr float kChipWidth = 240;
constexpr float kChipHeight = 168;

// Where a seat sits: its first hole card's top-left corner, whether its name plate (turn light,
// lamp, name and chip count) sits below the cards or above them, and the top-left corner of
// its bet chips, between the cards and the middle of the table.
struct SeatPlace {
  float card_left;
  float card_top;
  bool plate_above;
  float chips_left;
  float chips_top;
};

// Seats 1..10 clockwise from the bottom centre. Seat 1's chips have fixed places of their own.
constexpr std::array<SeatPlace, kSeats> kSeatPlaces{{
    {5100, 6900, false, 4944, 6516},
    {2300, 6050, false, 3300, 5500},
    {1100, 4650, false, 2400, 4450},
    {1100, 2600, false, 2400, 2900},
    {2300, 1250, true, 3300, 2050},
    {5715, 1120, true, 5500, 1900},
    {9130, 1250, true, 8300, 2050},
    {10530, 2600, false, 8900, 2700},
    {10530, 4650, false, 8900, 4400},
    {9130, 6050, false, 8300, 5500},
}};

// The six bet chips of a seat: two little stacks of three.
constexpr std::array<std::array<float, 2>, 6> kChipOffsets{
    {{0, 120}, {250, 120}, {10, 60}, {240, 60}, {0, 0}, {250, 0}}};

// The pot pile below the board: stacks of chips, grown group by group as betting rounds end.
constexpr float kPileLeft = 4950;
constexpr float kPileBottom = 4500;
constexpr int kPileStackHeight = 4;
constexpr float kPileStackStep = 270;
constexpr float kPileChipRise = 55;

constexpr std::array<Colour, 6> kChipColours{0x1A1ACC, 0xC05010, 0x207020,
                                             0x202020, 0xE0E0E0, 0x1080E0};

// The amount box takes a signed 32-bit number with blanks round it.
constexpr std::size_t kAmountLength = 16;

constexpr float kBoardLeft = 4900;
constexpr float kBoardTop = 3300;
constexpr float kBoardStep = 520;

void style_label(Control& label, Colour fore, double size, bool bold, Align align) {
  label.set_back_transparent(true);
  label.set_fore_colour(fore);
  label.set_font(size, bold);
  label.set_alignment(align);
}

void style_chip(Control& chip, Colour colour) {
  chip.set_shape(ShapeKind::Oval);
  chip.set_filled(true);
  chip.set_fill_colour(colour);
  chip.set_border_colour(0x303030);
  chip.set_border_width(1);
  chip.set_visible(false);
}

void style_button(Control& button, const char* caption, Colour back, int tab_index) {
  button.set_caption(caption);
  button.set_back_colour(back);
  button.set_font(8.25, true);
  button.set_tab_index(tab_index);
}

void lay_out_seat(tables& t, int seat) {
  const SeatPlace& place = kSeatPlaces[static_cast<std::size_t>(seat - 1)];
  for (int card = 1; card <= 4; ++card) {
    Control& image = t.hole_card(seat, card);
    image.set_bounds(place.card_left + kCardStep * static_cast<float>(card - 1), place.card_top,
                     kCardWidth, kCardHeight);
    image.set_stretch(true);
    image.set_visible(false);
  }

  // Name plate: a ring with the lamp in it, then the name over the chip count, on a dark plate
  // so that the red captions read well on any room picture.
  const float plate_left = place.card_left - 1100;
  const float plate_top = place.plate_above ? place.card_top - 540 : place.card_top + 600;
  Control& plate = t.seat_plates[seat - 1];
  plate.set_bounds(plate_left - 40, plate_top - 20, 2080, 520);
  plate.set_shape(ShapeKind::RoundedRectangle);
  plate.set_filled(true);
  plate.set_fill_colour(0x101010);
  plate.set_border_colour(0x000060);
  plate.set_border_width(1);
  Control& light = t.turn_light(seat);
  light.set_bounds(plate_left, plate_top, 480, 480);
  light.set_shape(ShapeKind::Circle);
  light.set_filled(true);
  light.set_fill_colour(turn_light_off);
  light.set_border_colour(0x000040);
  light.set_border_width(4);

  Control& lamp = t.seat_lamp(seat);
  lamp.set_bounds(plate_left + 54, plate_top + 174, 372, 132);
  lamp.set_back_colour(turn_light_off);
  lamp.set_focus_policy(FocusPolicy::ProgramOnly);
  lamp.set_tab_index(22 + seat);

  Control& name = t.player_label(seat);
  name.set_bounds(plate_left + 540, plate_top + 20, 1500, 230);
  style_label(name, 0xFF, 9, true, Align::Left);
  name.set_caption("Player");

  Control& count = t.prize_label(seat);
  count.set_bounds(plate_left + 540, plate_top + 250, 1500, 230);
  style_label(count, 0xFF, 9, true, Align::Left);
  count.set_caption("Prize");

  for (int chip = 0; chip < 6; ++chip) {
    Control& disc = t.seat_chip(seat, chip);
    const auto& offset = kChipOffsets[static_cast<std::size_t>(chip)];
    disc.set_bounds(place.chips_left + offset[0], place.chips_top + offset[1], kChipWidth,
                    kChipHeight);
    style_chip(disc, kChipColours[static_cast<std::size_t>(chip)]);
  }
  Control& bet = t.bet_label(seat);
  bet.set_bounds(place.chips_left + 520, place.chips_top + 60, 800, 220);
  style_label(bet, 0xFFFFFF, 8.25, true, Align::Left);
  bet.set_caption("500");
  bet.set_visible(false);
}

void lay_out_pot_pile(tables& t) {
  for (int chip = 60; chip <= 90; ++chip) {
    const int n = chip - 60;
    const int stack = n / kPileStackHeight;
    const int height = n % kPileStackHeight;
    Control& disc = t.backchips[chip];
    disc.set_bounds(kPileLeft + kPileStackStep * static_cast<float>(stack),
                    kPileBottom - kPileChipRise * static_cast<float>(height), kChipWidth,
                    kChipHeight);
    style_chip(disc, kChipColours[static_cast<std::size_t>(stack % 6)]);
  }
  t.potlabel.set_bounds(kPileLeft, kPileBottom + 220, 2200, 240);
  style_label(t.potlabel, 0xFFFFFF, 9, true, Align::Centre);
  t.potlabel.set_caption("500");
  t.potlabel.set_visible(false);
  t.sidepotlabel.set_bounds(kPileLeft, kPileBottom + 470, 2200, 240);
  style_label(t.sidepotlabel, 0xFFFFFF, 9, true, Align::Centre);
  t.sidepotlabel.set_caption("500");
  t.sidepotlabel.set_visible(false);
}

void lay_out_board(tables& t) {
  for (int card = 40; card <= 44; ++card) {
    Control& image = t.Image1[card];
    image.set_bounds(kBoardLeft + kBoardStep * static_cast<float>(card - 40), kBoardTop, kCardWidth,
                     kCardHeight);
    image.set_stretch(true);
    image.set_visible(false);
  }
}

void lay_out_captions(tables& t) {
  t.Shape13.set_bounds(4350, 40, 3600, 400);
  t.Shape13.set_shape(ShapeKind::Rectangle);
  t.Shape13.set_filled(true);
  t.Shape13.set_fill_colour(0x404080);
  t.Shape13.set_border_colour(0x202040);

  t.limitslabel.set_bounds(4350, 50, 3600, 200);
  style_label(t.limitslabel, 0xFFFFFF, 8.25, true, Align::Centre);
  t.limitsdisplay.set_bounds(4350, 230, 3600, 200);
  style_label(t.limitsdisplay, 0xFFFFFF, 8.25, true, Align::Centre);

  t.winnerlabel.set_bounds(9000, 60, 3200, 300);
  t.winnerlabel.set_back_colour(0xFF);
  t.winnerlabel.set_fore_colour(0xFFFF);
  t.winnerlabel.set_font(9, true);
  t.winnerlabel.set_alignment(Align::Centre);
  t.winnerlabel.set_border_style(1);
  t.winnerlabel.set_visible(false);

  t.Label1.set_caption("D");
  t.Label1.set_bounds(0, 0, 240, 240);
  t.Label1.set_back_colour(0xFF);
  t.Label1.set_fore_colour(0xFFFF);
  t.Label1.set_font(9, true);
  t.Label1.set_alignment(Align::Centre);
  t.Label1.set_border_style(1);
  t.Label1.set_visible(false);

  t.Label2.set_bounds(3150, 2550, 6000, 300);
  style_label(t.Label2, 0xFFFFFF, 11, true, Align::Centre);
  t.Label2.set_visible(false);

  t.Label23.set_visible(false);

  t.Label24.set_bounds(3150, 2900, 6000, 340);
  style_label(t.Label24, 0xFFFFFF, 10, true, Align::Centre);
  t.Label24.set_visible(false);
}

void lay_out_buttons(tables& t) {
  style_button(t.Command2, "Exit", 0xFFFF, 0);
  t.Command2.set_bounds(120, 8200, 1100, 420);
  // The focus comes to rest on "Exit" whenever the panel hides: a stray Enter or Space must not
  // end the run there.
  t.Command2.set_keys_need_user_focus(true);
  style_button(t.Command3, "Sit Out", 0x80FFFF, 2);
  t.Command3.set_bounds(1320, 8200, 1100, 420);

  // The action panel.
  t.Shape12.set_bounds(9900, 7176, 2352, 1608);
  t.Shape12.set_shape(ShapeKind::Rectangle);
  t.Shape12.set_border_colour(0xFF);
  t.Shape12.set_border_width(2);
  style_button(t.Command5, "Call", 0x80FFFF, 36);
  // Call taking the focus starts the human's turn: Tab passes it by, so the turn starts once.
  t.Command5.set_tab_stop(false);
  t.Command5.set_bounds(9984, 7296, 1092, 420);
  style_button(t.Command6, "Raise", 0x80FFFF, 37);
  t.Command6.set_bounds(11088, 7296, 1092, 420);
  style_button(t.Command7, "Check", 0x80FFFF, 38);
  t.Command7.set_bounds(9984, 7788, 1092, 420);
  style_button(t.Command8, "Fold", 0x80FFFF, 39);
  t.Command8.set_bounds(11088, 7788, 1092, 420);
  style_button(t.Command11, "Bet It", 0x80FF, 40);
  t.Command11.set_bounds(11556, 8340, 492, 312);
  t.Command11.set_font(7, true);
  t.Text2.set_bounds(10032, 8280, 1356, 384);
  t.Text2.set_tab_index(41);
  t.Text2.set_max_length(kAmountLength);
  t.Text2.set_font(9, true);
  for (Control* c :
       {&t.Shape12, &t.Command5, &t.Command6, &t.Command7, &t.Command8, &t.Command11, &t.Text2})
    c->set_visible(false);

  style_button(t.Command4, "round timer", 0xC0C0C0, 35);
  style_button(t.Command1, "round timer", 0xC0C0C0, 57);
  t.Command4.set_visible(false);
  t.Command1.set_visible(false);
}

}  // namespace

void lay_out_table(tables& t) {
  t.set_caption("Omaha Tournament");
  t.set_client_size(12300, 8800);
  t.set_back_colour(0x000000);
  t.set_key_preview(true);

  t.Shape1.set_bounds(750, 1150, 10800, 5900);
  t.Shape1.set_shape(ShapeKind::Oval);
  t.Shape1.set_filled(true);
  t.Shape1.set_fill_colour(0x8000);
  t.Shape1.set_border_colour(0x80);
  t.Shape1.set_border_width(6);

  for (int seat = 1; seat <= kSeats; ++seat)
    lay_out_seat(t, seat);
  lay_out_board(t);
  lay_out_pot_pile(t);
  lay_out_captions(t);
  lay_out_buttons(t);
}

}  // namespace omaha
