#pragma once

#include <array>

#include "table/tables.h"

namespace omaha {

// Which of the ten seats won the hand, by seat number - 1.
using winner_set = std::array<bool, kSeats>;

// Every folded seat drops to place 10, below any live hand.
void mark_folded_seats(tables& t);

// The winner rule, on the places as they stand: a single seat holding the lowest place wins
// alone; otherwise every seat not at place 10 wins, whatever its place. Winners are placed 1
// and counted afresh in `numberofwinners`. When every seat has folded nobody wins.
winner_set decide_winners(tables& t);

}  // namespace omaha
