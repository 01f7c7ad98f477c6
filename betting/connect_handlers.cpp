// Wires the betting's handlers onto the table's controls and the turn clock.
#include "betting/betting.h"
#include "betting/human_actions.h"
#include "betting/human_turn.h"
#include "betting/seat_turn.h"
#include "betting/turn_clock.h"
#include "table/tables.h"

namespace omaha {

void connect_betting_handlers(tables& t) {
  t.roundtimer.on_tick = [&t] { roundtimer_Timer(t); };
  t.Command4.on_click = [&t] { Command4_Click(t); };

  for (int seat = 1; seat <= kSeats; ++seat) {
    t.seat_lamp(seat).on_got_focus = [&t, seat] { seat_lamp_GotFocus(t, seat); };
    t.seat_lamp(seat).on_lost_focus = [&t, seat] { seat_lamp_LostFocus(t, seat); };
  }

  t.Command5.on_got_focus = [&t] { Command5_GotFocus(t); };
  t.Command5.on_lost_focus = [&t] { Command5_LostFocus(t); };
  t.Command6.on_lost_focus = [&t] { Command6_LostFocus(t); };
  t.Command7.on_lost_focus = [&t] { Command7_LostFocus(t); };
  t.Command8.on_lost_focus = [&t] { Command8_LostFocus(t); };

  t.Command5.on_click = [&t] { Command5_Click(t); };
  t.Command6.on_click = [&t] { Command6_Click(t); };
  t.Command7.on_click = [&t] { Command7_Click(t); };
  t.Command8.on_click = [&t] { Command8_Click(t); };
  t.Command11.on_click = [&t] { Command11_Click(t); };
  t.Text2.on_key_press = [&t](int& code_point) { Text2_KeyPress(t, code_point); };
  t.Command3.on_click = [&t] { Command3_Click(t); };
}

}  // namespace omaha
