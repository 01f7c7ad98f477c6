#include "table/dealing.h"

#include "betting/betting.h"
#include "evaluation/evaluation.h"
#include "screens/settings.h"
#include "table/card_code.h"
#include "table/seat_cards.h"
#include "table/table_startup.h"
#include "table/tables.h"

namespace omaha {

namespace {

// Hole card `card` (1..4) of `seat` comes from this deck position, wherever the button is.
std::int16_t dealt_code(const tables& t, int seat, int card) {
  return t.deck[static_cast<std::size_t>((card - 1) * kSeats + seat)];
}

}  // namespace

void distribute_cards_for_10(tables& t) {
  // Four rounds of one card per seat, always starting with seat 1. The human's cards go face
  // up; the others show the card back chosen on the settings screen.
  for (int card = 1; card <= kHoleCards; ++card) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      const std::int16_t code = dealt_code(t, seat, card);
      hole_card_code(t.player(seat), card) = code;
      const int cell = seat == kHuman ? code : t.settings_screen.backside;
      t.hole_card(seat, card).set_picture(t.PictureClip1.cell(cell));
    }
  }
  for (int card = 1; card <= kHoleCards; ++card) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      player_record& p = t.player(seat);
      hole_card_text(p, card) = convert2card(hole_card_code(p, card));
    }
  }
  // Every seat knows the whole board from the deal on.
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int card = 1; card <= kBoardCards; ++card)
      board_text(t.player(seat), card) =
          convert2card(t.deck[static_cast<std::size_t>(kBoardStart + card)]);
  }

  class_set_to_zero(t);
  t.numberofwinners = 0;
  // The evaluation places every seat and repeats its placing until a winner is counted, so one
  // call does it.
  evaluate_player_cards(t);
  Command4_Click(t);
}

void show_hole_cards(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t.player(seat);
    if (p.Active && !p.sittingout)
      set_hole_cards_visible(t, seat, true);
  }
}

void set_hole_cards_visible(tables& t, int seat, bool visible) {
  for (int card = 1; card <= kHoleCards; ++card)
    t.hole_card(seat, card).set_visible(visible);
}

void turn_hole_cards_up(tables& t, int seat) {
  // The card code is the cell of the card's face on the card sheet.
  for (int card = 1; card <= kHoleCards; ++card)
    t.hole_card(seat, card).set_picture(t.PictureClip1.cell(hole_card_code(t.player(seat), card)));
}

}  // namespace omaha
