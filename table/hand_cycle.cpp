#include "table/hand_cycle.h"

#include <algorithm>
#include <cstdint>

#include "betting/betting.h"
#include "betting/chip_payment.h"
#include "evaluation/evaluation.h"
#include "table/board.h"
#include "table/dealer_draw.h"
#include "table/dealing.h"
#include "table/deck.h"
#include "table/seat_cards.h"
#include "table/tables.h"
#include "table/tournament_field.h"

namespace omaha {

namespace {

// The human's request to sit out, made during the last hand, takes effect now.
void apply_sit_out_request(tables& t) {
  if (t.sitter == 1) {
    t.player(kHuman).sittingout = true;
    set_hole_cards_visible(t, kHuman, false);
  } else if (t.sitter == 0) {
    t.player(kHuman).sittingout = false;
    set_hole_cards_visible(t, kHuman, true);
  }
}

// Seats that have left the tournament sit out folded, their cards hidden.
void fold_seats_out_of_play(tables& t) {
  for (int seat = kFirstComputerSeat; seat <= kSeats; ++seat) {
    player_record& p = t.player(seat);
    if (p.Active)
      continue;
    p.sittingout = true;
    p.fold = true;
    set_hole_cards_visible(t, seat, false);
  }
}

// A sitting-out human who held the button pays twice the limit. The chips go to no pot, and
// the human never pays more than the stack holds.
void charge_sitting_out_button(tables& t) {
  player_record& human = t.player(kHuman);
  if (!human.sittingout || human.dealer != kButton || !human.Active)
    return;
  const std::int64_t charge =
      std::min<std::int64_t>(2 * std::int64_t{t.limits}, std::max(human.prize, 0));
  human.prize = static_cast<std::int32_t>(human.prize - charge);
  show_stack(t, kHuman);
}

// The last hand's result label, the pot, every seat's bets, the betting-round flags, the
// board's progress and the winners' count back to where a hand starts; the action panel hidden
// and the next-hand timer off.
void reset_hand(tables& t) {
  t.winnerlabel.set_caption(" ");
  t.winnerlabel.set_visible(false);
  t.numberofwinners = 0;
  t.raiservalue = 0;
  zero_total_bets(t);
  t.pot = 0;
  t.sidepot = 0;
  t.flopshower = 0;
  t.flopshower1 = 0;
  t.flopshower2 = 0;
  t.flopshower3 = 0;
  t.folder = 0;
  t.raiser = false;
  t.gameover = false;
  t.postblinds = false;
  t.postflop1 = false;
  t.postflop2 = false;
  t.postflop3 = false;
  bet_panel_hide(t);
  t.Timer1.set_enabled(false);
}

// Deals the hand, places every seat, shows the cards and opens the betting with the blinds.
void deal_and_open_betting(tables& t) {
  distribute_cards_for_10(t);
  evaluate_player_cards(t);
  show_hole_cards(t);
  blinds_bet(t);
  Command4_Click(t);
}

// After the button moves, it passes on over seats that have left the tournament. From seat 10
// the mark goes to seat 1, so the move starts there and the button lands on seat 2.
void sweep_button_past_empty_seats(tables& t) {
  for (int seat = kFirstComputerSeat; seat <= kSeats; ++seat) {
    if (t.player(seat).Active || t.player(seat).dealer != kButton)
      continue;
    t.player(seat % kSeats + 1).dealer = kButton;
    next_dealer(t);
  }
}

}  // namespace

// The dealer draw takes the first hand's own deck, so it comes after the cards are drawn.
void first_game(tables& t) {
  reset_hand(t);
  clear_table(t);
  dealfirst(t);
  if (t.tossdone == 0)
    toss(t);
  deal_and_open_betting(t);
}

void new_deal(tables& t) {
  t.app().mark_changed();
  run_field_rules(t);
  for (int seat = 1; seat <= kSeats; ++seat)
    show_prize(t, seat);
  remove_folds(t);
  if (t.players_out < kFinalTable)
    apply_sit_out_request(t);
  fold_seats_out_of_play(t);
  charge_sitting_out_button(t);
  reset_hand(t);
  dealfirst(t);
  next_dealer(t);
  sweep_button_past_empty_seats(t);
  if (t.players_out > kFinalTable)
    final_table_ante(t);
  deal_and_open_betting(t);
}

void Command1_Click(tables& t) {
  t.Timer1.set_enabled(true);
}

void Timer1_Timer(tables& t) {
  if (t.closer == 1) {
    // The tournament is over for the human: the run ends.
    t.app().End();
    return;
  }
  if (t.closer == 0) {
    clear_table(t);
    bet_panel_hide(t);
    new_deal(t);
  }
}

}  // namespace omaha
