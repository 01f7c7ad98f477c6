#pragma once

namespace omaha {

class tables;

// The first hand of the run.
void first_game(tables& t);
// Every later hand: the tournament between hands, the resets, the button and the deal.
void new_deal(tables& t);
// Starts the 13-second next-hand timer.
void Command1_Click(tables& t);
// The next-hand timer's tick: the next hand, or the end of the run.
void Timer1_Timer(tables& t);

}  // namespace omaha
