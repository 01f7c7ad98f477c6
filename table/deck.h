#pragma once

namespace omaha {

class tables;

// Draws the hand's 45 distinct cards into the deck and the seat records.
void dealfirst(tables& t);

}  // namespace omaha
