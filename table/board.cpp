#include "table/board.h"

#include "betting/betting.h"
#include "table/dealing.h"
#include "table/seat_cards.h"
#include "table/tables.h"

namespace omaha {

namespace {

// What sets one street apart from the others.
struct Street {
  int first_card;       // first board card of the street (1..5)
  int cards;            // how many board cards it turns up
  bool tables::*shown;  // the flag that records the street as shown
  int pot_level;        // the pot-pile stage its chips move to
  bool hides_banner;    // the flop takes the players-remaining banner away
};

constexpr Street kFlop{1, 3, &tables::postflop1, 1, true};
constexpr Street kTurn{4, 1, &tables::postflop2, 2, false};
constexpr Street kRiver{5, 1, &tables::postflop3, 3, false};

platform::Control& board_image(const tables& t, int card) {
  return t.Image1[kBoardStart + card - 1];
}

void show_board_card(tables& t, int card) {
  board_image(t, card).set_picture(
      t.PictureClip1.cell(t.deck[static_cast<std::size_t>(kBoardStart + card)]));
}

void hide_every_bet(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    chips_player_hide(t, seat);
}

// Turns the street's cards up, opens a fresh betting round and moves the round's chips onto
// the pot pile. Safe to run again in the same hand: it shows the same cards once more.
void show_street(tables& t, const Street& street) {
  const int last = street.first_card + street.cards - 1;
  for (int card = street.first_card; card <= last; ++card)
    board_image(t, card).set_visible(true);
  for (int card = street.first_card; card <= last; ++card)
    show_board_card(t, card);
  t.*street.shown = true;
  t.raiservalue = 0;
  chips_to_pot(t, street.pot_level);
  hide_every_bet(t);
  if (street.hides_banner)
    t.Label2.set_visible(false);
}

}  // namespace

void show_flop1(tables& t) {
  show_street(t, kFlop);
}

void show_flop2(tables& t) {
  show_street(t, kTurn);
}

void show_flop3(tables& t) {
  show_street(t, kRiver);
}

void clear_table(tables& t) {
  hide_every_bet(t);
  for (int seat = 1; seat <= kSeats; ++seat)
    set_hole_cards_visible(t, seat, true);
  for (int card = 1; card <= kBoardCards; ++card)
    board_image(t, card).set_visible(false);
}

void show_all_cards(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t.player(seat).Active)
      turn_hole_cards_up(t, seat);
  for (int card = 1; card <= kBoardCards; ++card)
    board_image(t, card).set_visible(true);
  for (int card = 1; card <= kBoardCards; ++card)
    show_board_card(t, card);
}

}  // namespace omaha
