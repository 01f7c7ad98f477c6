#include "betting/human_turn.h"

#include <string>

#include "betting/betting.h"
#include "betting/round_closing.h"
#include "betting/seat_rules.h"
#include "betting/seat_turn.h"
#include "platform/number_text.h"
#include "showdown/tournament_end.h"
#include "table/tables.h"

namespace omaha {

namespace {

// Every other seat is out of the tournament: the human has won it. The program ends at the
// next-hand timer's tick after the hand is settled.
void tournament_won_test(tables& t) {
  if (!tournament_won(t))
    return;
  bet_panel_hide(t);
  t.Command2.SetFocus();
  t.roundtimer.set_enabled(false);
  t.Timer1.set_enabled(false);
  show_tournament_won(t);
  t.closer = 1;
}

// The Call caption is the amount owed with its leading blank; the Raise caption adds twice the
// limit and is written without one.
void set_captions(tables& t) {
  t.Command5.set_caption(platform::Str(call_amount(t)));
  const double raise = platform::Val(t.Command5.caption()) + 2.0 * t.limits;
  t.Command6.set_caption(std::to_string(static_cast<std::int64_t>(raise)));
}

// Call, or Check when nothing is owed. A hidden Call keeps the focus, unseen, so Enter checks
// nothing: the human clicks Check or moves to it with Tab.
void offer_action_panel(tables& t) {
  light_seat(t, kHuman);
  bet_panel_show(t);
  const bool owes = platform::Val(t.Command5.caption()) > 0;
  t.Command7.set_visible(!owes);
  t.Command5.set_visible(owes);
}

// A human who cannot act hands the turn on.
void pass_on(tables& t) {
  end_of_round_test(t, kHuman, round_closer::human);
  bet_panel_hide(t);
  pass_turn_on(t);
  settle_if_no_betting_left(t, kHuman);
}

}  // namespace

void pass_turn_on(tables& t) {
  if (!t.gameover) {
    t.focuser = kHuman;
    t.roundtimer.set_enabled(true);
  }
}

std::int64_t call_amount(const tables& t) {
  return std::int64_t{t.currentbet} - t.player(kHuman).totalbet;
}

void Command5_GotFocus(tables& t) {
  t.roundtimer.set_enabled(false);  // the human has all the time needed
  tournament_won_test(t);
  all_others_folded_test(t, kHuman);
  set_captions(t);
  if (!t.postblinds)
    bet_panel_hide(t);
  player_record& human = t.player(kHuman);
  if (!human.fold && !human.sittingout && !t.gameover)
    offer_action_panel(t);
  if (!human.Active || human.sittingout)
    human.fold = true;
  if (human.fold || human.allin)
    pass_on(t);
  // Seat 10 shows "Call" before it gives the turn on, even after the showdown: a hand that is
  // over leaves no lone button behind.
  if (t.gameover)
    t.Command5.set_visible(false);
}

void Command5_LostFocus(tables& t) {
  darken_seat(t, kHuman);
}

void Command6_LostFocus(tables& t) {
  darken_seat(t, kHuman);
  Command4_Click(t);
}

void Command7_LostFocus(tables& t) {
  Command6_LostFocus(t);
}

void Command8_LostFocus(tables& t) {
  Command6_LostFocus(t);
}

void bet_panel_hide(tables& t) {
  for (Control* c :
       {&t.Command5, &t.Command6, &t.Command7, &t.Command8, &t.Command11, &t.Text2, &t.Shape12})
    c->set_visible(false);
  t.Text2.set_text("");
}

void bet_panel_show(tables& t) {
  for (Control* c :
       {&t.Command5, &t.Command6, &t.Command7, &t.Command8, &t.Command11, &t.Text2, &t.Shape12})
    c->set_visible(true);
}

}  // namespace omaha
