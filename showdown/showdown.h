#pragma once

namespace omaha {

class tables;

// Settles the hand: winners, the pot split, the reveal, elimination or the tournament win.
// A hand is settled once: a call while `gameover` is already set does nothing.
void evaluate_winner(tables& t);
// Carries the pot pile over to winning seat `one` and puts the pile back for the next hand.
void pot_to_winner(tables& t, int one);

}  // namespace omaha
