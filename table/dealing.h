#pragma once

namespace omaha {

class tables;

// Deals the drawn hand onto the table and evaluates it.
void distribute_cards_for_10(tables& t);
// Shows the hole cards: the human's face up, the others face down.
void show_hole_cards(tables& t);

}  // namespace omaha
