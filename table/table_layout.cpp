#include "table/table_layout.h"

#include <array>

#include "screens/settings.h"
#include "table/seat_cards.h"
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

struct Spot {
  float left;
  float top;
};

// Where a seat's things sit: its name plate (turn light, lamp, name and chip count) at the
// table's edge, its hole cards in front of it, and its bet chips and bet label between the
// plate and the middle of the table, nearer its own plate than any other. The dealer button
// sits below and right of the fourth card, so each plate keeps clear of that spot. A bet label
// left of its chips is aligned to the right, towards them.
struct SeatPlace {
  Spot plate;
  Spot cards;  // the first hole card's top-left corner
  Spot chips;  // the top-left corner of the two stacks
  Spot bet;
  Align bet_align;
};

// Seats 1..10 clockwise from the bottom centre. Seat 1's chips are put in fixed places of their
// own whenever they are shown.
constexpr std::array<SeatPlace, kSeats> kSeatPlaces{{
    {{3850, 7520}, {5400, 6900}, {4944, 6516}, {5440, 6560}, Align::Left},
    {{1000, 7200}, {2000, 6400}, {2950, 6450}, {2950, 6200}, Align::Left},
    {{40, 4590}, {2600, 4700}, {2650, 4380}, {1700, 4330}, Align::Right},
    {{40, 1890}, {2600, 2000}, {2650, 2570}, {1700, 2680}, Align::Right},
    {{1500, 400}, {2400, 1200}, {3700, 1450}, {3700, 1760}, Align::Left},
    {{4910, 480}, {6000, 1300}, {5800, 1950}, {6340, 2080}, Align::Left},
    {{8320, 540}, {8700, 1340}, {8150, 1450}, {7840, 1760}, Align::Right},
    {{9780, 2120}, {9850, 2940}, {9300, 3020}, {9300, 3520}, Align::Left},
    {{9780, 4880}, {9850, 4100}, {9300, 4200}, {8400, 4230}, Align::Right},
    {{7380, 7380}, {8000, 6600}, {7400, 6250}, {7940, 6250}, Align::Left},
}};

// The name plate: a ring holding the lamp, and right of it the name on up to two lines over
// the chip count. The name's box holds two lines of the widest names a seat can get (twenty
// wide letters, three long name words) at every window scale.
constexpr float kPlateWidth = 2480;
constexpr float kPlateHeight = 760;
constexpr Spot kLightOffset{40, 100};
// The lamp sits in the middle of the ring and the two are lit together as one light: the ring's
// inside, within its border of 4 pixels, holds the lamp's corners with room to spare for
// rounding to whole pixels at every window scale.
constexpr float kLampWidth = 372;
constexpr float kLampHeight = 132;
constexpr float kLightSize = 560;
constexpr int kLightBorder = 4;  // pixels at scale 1
constexpr Spot kLampInLight{(kLightSize - kLampWidth) / 2, (kLightSize - kLampHeight) / 2};
constexpr Spot kNameOffset{640, 30};
constexpr float kCaptionWidth = 1800;
constexpr float kNameHeight = 470;
constexpr Spot kCountOffset{640, 500};
constexpr float kCountHeight = 230;
constexpr float kBetWidth = 860;
constexpr float kBetHeight = 230;

// The six bet chips of a seat: two little stacks of three.
constexpr std::array<std::array<float, 2>, kChipsPerSeat> kChipOffsets{
    {{0, 120}, {250, 120}, {10, 60}, {240, 60}, {0, 0}, {250, 0}}};

// The pot pile below the board: stacks of chips, grown group by group as betting rounds end,
// with the pot label under it, both centred on the table.
constexpr float kPileLeft = 5085;
constexpr float kPileBottom = 4800;
constexpr float kPotLabelLeft = 5450;
constexpr float kPotLabelWidth = 1400;
constexpr int kPileStackHeight = 4;
constexpr float kPileStackStep = 270;
constexpr float kPileChipRise = 55;

constexpr std::array<Colour, kChipsPerSeat> kChipColours{0x1A1ACC, 0xC05010, 0x207020,
                                                         0x202020, 0xE0E0E0, 0x1080E0};

// The amount box takes a signed 32-bit number with blanks round it.
constexpr std::size_t kAmountLength = 16;

constexpr float kBoardLeft = 4900;
constexpr float kBoardTop = 3600;
constexpr float kBoardStep = 520;

void style_label(Control& label, Colour fore, double size, bool bold, Align align) {
  label.set_back_transparent(true);
  label.set_fore_colour(fore);
  label.set_font(size, bold);
  label.set_alignment(align);
}

// Yellow bold text on red in a border, hidden until shown: the result and the dealer button.
void style_red_box(Control& label) {
  label.set_back_colour(0xFF);
  label.set_fore_colour(0xFFFF);
  label.set_font(9, true);
  label.set_alignment(Align::Centre);
  label.set_border_style(1);
  label.set_visible(false);
}

void style_chip(Control& chip, Colour colour) {
  chip.set_shape(ShapeKind::Oval);
  chip.set_filled(true);
  chip.set_fill_colour(colour);
  chip.set_border_colour(0x303030);
  chip.set_border_width(1);
  chip.set_visible(false);
}

// The face of the action buttons and of "Sit Out".
constexpr Colour kButtonFace = 0x80FFFF;

void style_button(Control& button, const char* caption, Colour back, int tab_index) {
  button.set_caption(caption);
  button.set_back_colour(back);
  button.set_font(8.25, true);
  button.set_tab_index(tab_index);
}

void lay_out_seat(tables& t, int seat) {
  const SeatPlace& place = kSeatPlaces[static_cast<std::size_t>(seat - 1)];
  for (int card = 1; card <= kHoleCards; ++card) {
    Control& image = t.hole_card(seat, card);
    image.set_bounds(place.cards.left + kCardStep * static_cast<float>(card - 1), place.cards.top,
                     kCardWidth, kCardHeight);
    image.set_stretch(true);
    image.set_visible(false);
  }

  // On a dark plate the red captions read well on any room picture.
  const Spot& at = place.plate;
  Control& plate = t.seat_plates[seat - 1];
  plate.set_bounds(at.left, at.top, kPlateWidth, kPlateHeight);
  plate.set_shape(ShapeKind::RoundedRectangle);
  plate.set_filled(true);
  plate.set_fill_colour(0x101010);
  plate.set_border_colour(0x000060);
  plate.set_border_width(1);
  Control& light = t.turn_light(seat);
  const Spot light_at{at.left + kLightOffset.left, at.top + kLightOffset.top};
  light.set_bounds(light_at.left, light_at.top, kLightSize, kLightSize);
  light.set_shape(ShapeKind::Circle);
  light.set_filled(true);
  light.set_fill_colour(turn_light_off);
  light.set_border_colour(0x000040);
  light.set_border_width(kLightBorder);

  Control& lamp = t.seat_lamp(seat);
  lamp.set_bounds(light_at.left + kLampInLight.left, light_at.top + kLampInLight.top, kLampWidth,
                  kLampHeight);
  lamp.set_back_colour(turn_light_off);
  lamp.set_focus_policy(FocusPolicy::ProgramOnly);
  lamp.set_tab_index(22 + seat);

  Control& name = t.player_label(seat);
  name.set_bounds(at.left + kNameOffset.left, at.top + kNameOffset.top, kCaptionWidth, kNameHeight);
  style_label(name, 0xFF, 9, true, Align::Left);
  name.set_caption("Player");

  Control& count = t.prize_label(seat);
  count.set_bounds(at.left + kCountOffset.left, at.top + kCountOffset.top, kCaptionWidth,
                   kCountHeight);
  style_label(count, 0xFF, 9, true, Align::Left);
  count.set_caption("Prize");

  for (std::size_t chip = 0; chip < kChipOffsets.size(); ++chip) {
    Control& disc = t.seat_chip(seat, static_cast<int>(chip));
    const auto& offset = kChipOffsets[chip];
    disc.set_bounds(place.chips.left + offset[0], place.chips.top + offset[1], kChipWidth,
                    kChipHeight);
    style_chip(disc, kChipColours[chip]);
  }
  Control& bet = t.bet_label(seat);
  bet.set_bounds(place.bet.left, place.bet.top, kBetWidth, kBetHeight);
  style_label(bet, 0xFFFFFF, 8.25, true, place.bet_align);
  bet.set_caption("500");
  bet.set_visible(false);
}

void lay_out_pot_pile(tables& t) {
  for (int chip = kFirstPotChip; chip <= kLastPotChip; ++chip) {
    const int n = chip - kFirstPotChip;
    const int stack = n / kPileStackHeight;
    const int height = n % kPileStackHeight;
    Control& disc = t.backchips[chip];
    disc.set_bounds(kPileLeft + kPileStackStep * static_cast<float>(stack),
                    kPileBottom - kPileChipRise * static_cast<float>(height), kChipWidth,
                    kChipHeight);
    style_chip(disc, kChipColours[static_cast<std::size_t>(stack) % kChipColours.size()]);
  }
  t.potlabel.set_bounds(kPotLabelLeft, kPileBottom + 220, kPotLabelWidth, 240);
  style_label(t.potlabel, 0xFFFFFF, 9, true, Align::Centre);
  t.potlabel.set_caption("500");
  t.potlabel.set_visible(false);
  t.sidepotlabel.set_bounds(kPotLabelLeft, kPileBottom + 470, kPotLabelWidth, 240);
  style_label(t.sidepotlabel, 0xFFFFFF, 9, true, Align::Centre);
  t.sidepotlabel.set_caption("500");
  t.sidepotlabel.set_visible(false);
}

void lay_out_board(tables& t) {
  for (int card = 0; card < kBoardCards; ++card) {
    Control& image = t.Image1[kBoardStart + card];
    image.set_bounds(kBoardLeft + kBoardStep * static_cast<float>(card), kBoardTop, kCardWidth,
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

  // Two lines: the winner's name and hand.
  t.winnerlabel.set_bounds(8500, 30, 3740, 500);
  style_red_box(t.winnerlabel);

  t.Label1.set_caption("D");
  t.Label1.set_bounds(0, 0, 270, 270);
  style_red_box(t.Label1);

  // The banner and the status line above the board; the status line holds two lines of its
  // largest text, the end-of-tournament message.
  t.Label2.set_bounds(3800, 2550, 4700, 300);
  style_label(t.Label2, 0xFFFFFF, 11, true, Align::Centre);
  t.Label2.set_visible(false);

  t.Label23.set_visible(false);

  t.Label24.set_bounds(3750, 2880, 4800, 680);
  style_label(t.Label24, 0xFFFFFF, 10, true, Align::Centre);
  t.Label24.set_visible(false);
}

void lay_out_buttons(tables& t) {
  style_button(t.Command2, "Exit", 0xFFFF, 0);
  t.Command2.set_bounds(120, 8200, 1100, 420);
  // The game parks the focus on "Exit" once a hand is over: a stray Enter or Space must not end
  // the run there.
  t.Command2.set_keys_need_user_focus(true);
  style_button(t.Command3, "Sit Out", kButtonFace, 2);
  t.Command3.set_bounds(1320, 8200, 1100, 420);

  // The action panel.
  t.Shape12.set_bounds(9900, 7176, 2352, 1608);
  t.Shape12.set_shape(ShapeKind::Rectangle);
  t.Shape12.set_border_colour(0xFF);
  t.Shape12.set_border_width(2);
  style_button(t.Command5, "Call", kButtonFace, 36);
  t.Command5.set_bounds(9984, 7296, 1092, 420);
  style_button(t.Command6, "Raise", kButtonFace, 37);
  t.Command6.set_bounds(11088, 7296, 1092, 420);
  style_button(t.Command7, "Check", kButtonFace, 38);
  t.Command7.set_bounds(9984, 7788, 1092, 420);
  style_button(t.Command8, "Fold", kButtonFace, 39);
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
  t.Shape1.set_fill_colour(static_cast<Colour>(kDefaultTableTop));
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
