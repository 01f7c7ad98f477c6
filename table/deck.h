#pragma once

namespace omaha {

class tables;

// Draws the hand's distinct cards into the deck: the hole cards of every seat, then the board.
void dealfirst(tables& t);

}  // namespace omaha
