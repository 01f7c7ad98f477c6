#pragma once

namespace omaha {

class tables;

// Every other seat has left the tournament: the human has won it.
bool tournament_won(const tables& t);

// The closing steps of every showdown, in this order.
// Rewrites every seat's chip-count label from its stack.
void update_chip_counts(tables& t);
// The human without chips is out: the status line says how many players are still in, the run
// is over for the human and the next-hand timer will end it.
void test_elimination(tables& t);
// No other seat is left in the tournament: the win is announced and the run will end.
void test_tournament_win(tables& t);
// The tournament goes on: the next-hand timer deals the next hand.
void hand_over(tables& t);

// The status line's win announcement, in its own look; the human's turn shows it too.
void show_tournament_won(tables& t);

}  // namespace omaha
