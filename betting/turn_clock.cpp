// The turn clock: every tick hands the turn to the seat after the one whose turn just ended.
#include "betting/turn_clock.h"

#include "betting/betting.h"
#include "betting/limit_ladder.h"
#include "betting/seat_rules.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The human becomes the river's closing seat, and takes the turn at once, on the first tick at
// which a street is open and nothing has been bet in it. It fires at most once per hand.
void clock_rule(tables& t) {
  const bool street_open = t.postblinds || t.postflop1 || t.postflop2 || t.postflop3;
  if (t.flopshower3 == 0 && t.currentbet == 0 && t.raiservalue == 0 && street_open) {
    t.flopshower3 = 1;
    t.focuser = kSeats;
  }
}

void hand_over_turn(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (t.focuser != seat)
      continue;
    if (!t.postflop1 && !t.postflop2 && !t.postflop3)
      t.postblinds = true;
    if (seat < kSeats) {
      t.seat_lamp(seat + 1).SetFocus();
    } else if (!t.gameover) {
      // After seat 10 the human decides, on the "Call" button.
      t.Command5.set_visible(true);
      t.Command5.SetFocus();
    }
  }
}

}  // namespace

void Command4_Click(tables& t) {
  t.roundtimer.set_enabled(true);
}

void roundtimer_Timer(tables& t) {
  clock_rule(t);
  hand_over_turn(t);
  if (t.gameover) {
    t.Command2.SetFocus();
    bet_panel_hide(t);
  }
  limit_countdown(t);
}

void blinds_bet(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t.player(seat).dealer == kButton)
      t.seat_lamp(seat_after(seat)).SetFocus();
}

}  // namespace omaha
