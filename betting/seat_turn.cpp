#include "betting/seat_turn.h"

#include <cstdint>

#include "betting/betting.h"
#include "betting/chip_payment.h"
#include "betting/computer_decision.h"
#include "betting/dealer_button.h"
#include "betting/round_closing.h"
#include "betting/seat_rules.h"
#include "table/dealing.h"
#include "table/tables.h"
#include "table/tournament_field.h"

namespace omaha {

namespace {

// Blinds are due from seats still in the tournament until the pre-flop round opens; the final
// table (above kFinalTable out) takes antes at the deal instead.
bool blind_due(const tables& t, int seat) {
  return t.player(seat).Active && t.players_out <= kFinalTable && !t.postblinds;
}

void post_blind(tables& t, int seat, std::int64_t amount) {
  const std::int32_t paid = pay_into_pot(t, seat, amount, round_total::set_to_seat);
  chips_player_show(t, paid, seat);
}

// The seat after the button posts the small blind and hands the turn on at once; the next seat
// posts the big blind and keeps the turn (the human's big blind opens the round and hands on).
// True when the turn has been handed on.
bool post_blinds(tables& t, int seat) {
  const seat_rules& rules = rules_of(seat);
  bool handed_on = false;
  if (t.player(seat_before(seat)).dealer == kButton && blind_due(t, seat)) {
    post_blind(t, seat, t.limits);
    Command4_Click(t);
    t.seat_lamp(seat_after(seat)).SetFocus();
    handed_on = true;
  }
  if (t.player(seats_before(seat, 2)).dealer == kButton && blind_due(t, seat)) {
    post_blind(t, seat, std::int64_t{t.limits} * 2);
    if (rules.big_blind_opens_round)
      t.postblinds = true;
    Command4_Click(t);
    if (rules.big_blind_opens_round) {
      t.seat_lamp(seat_after(seat)).SetFocus();
      handed_on = true;
    }
  }
  return handed_on;
}

// A sitting-out seat that holds the button takes the button off the table with its cards.
void hide_sitting_out_button(tables& t, int seat) {
  const player_record& p = t.player(seat);
  if (p.dealer != kButton || !p.sittingout)
    return;
  place_button_label(t, seat);
  t.Label1.set_visible(false);
  set_hole_cards_visible(t, seat, false);
}

// A seat that cannot act passes the turn on at once.
void hand_on(tables& t, int seat) {
  if (rules_of(seat).skip_hands_to_decision) {
    t.Command5.set_visible(true);
    t.Command5.SetFocus();
  } else {
    t.seat_lamp(seat_after(seat)).SetFocus();
  }
}

// The rest of a computer seat's turn, after its blinds and light. It never ends early: whatever
// happens on the way, the turn ends by recording the seat and switching the clock on. A seat
// that went all in on its small blind has already handed the turn on: seat 10 must not start the
// human's decision as well while the human's lamp posts the big blind.
void computer_turn(tables& t, int seat, bool handed_on) {
  player_record& p = t.player(seat);
  if (!p.Active || p.sittingout)
    p.fold = true;
  if (p.fold || p.allin) {
    end_of_round_test(t, seat, round_closer::computer_skip);
    if (!handed_on)
      hand_on(t, seat);
  }
  if (decision_gate_open(t, seat)) {
    computer_decision(t, seat);
    end_of_round_test(t, seat, round_closer::computer_decision);
  }
  first_actor_rule(t, seat);
  settle_if_no_betting_left(t, seat);
  t.focuser = static_cast<std::int16_t>(seat);
  Command4_Click(t);
}

}  // namespace

void light_seat(tables& t, int seat) {
  t.turn_light(seat).set_fill_colour(turn_light_on);
  t.seat_lamp(seat).set_back_colour(turn_light_on);
}

void darken_seat(tables& t, int seat) {
  t.turn_light(seat).set_fill_colour(turn_light_off);
  t.seat_lamp(seat).set_back_colour(turn_light_off);
}

void seat_lamp_GotFocus(tables& t, int seat) {
  const seat_rules& rules = rules_of(seat);
  if (rules.decides) {
    folder_value(t);
    if (rules.hides_status_line && !t.gameover)
      t.Label24.set_visible(false);
    all_others_folded_test(t, seat);
  }
  const bool handed_on = post_blinds(t, seat);
  if (!rules.lights_only_when_playing || !t.player(seat).sittingout) {
    light_seat(t, seat);
    if (rules.puts_out_human_light)
      darken_seat(t, kHuman);
  }
  hide_sitting_out_button(t, seat);
  if (rules.decides)
    computer_turn(t, seat, handed_on);
}

void seat_lamp_LostFocus(tables& t, int seat) {
  darken_seat(t, seat);
  if (rules_of(seat).hides_panel_when_dark)
    bet_panel_hide(t);
}

}  // namespace omaha
