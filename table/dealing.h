#pragma once

namespace omaha {

class tables;

// Deals the drawn hand onto the table and evaluates it.
void distribute_cards_for_10(tables& t);
// Shows the hole cards: the human's face up, the others face down.
void show_hole_cards(tables& t);
// Shows or hides the hole-card images of one seat.
void set_hole_cards_visible(tables& t, int seat, bool visible);
// Turns the hole cards of one seat face up.
void turn_hole_cards_up(tables& t, int seat);

}  // namespace omaha
