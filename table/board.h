#pragma once

namespace omaha {

class tables;

// The streets: the flop, the turn and the river, each moving the round's bets onto the pot pile.
void show_flop1(tables& t);
void show_flop2(tables& t);
void show_flop3(tables& t);
// Turns every seat's hole cards face up.
void show_all_cards(tables& t);
// Clears the bets and the board before a deal.
void clear_table(tables& t);

}  // namespace omaha
