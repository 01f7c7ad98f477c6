#pragma once

namespace omaha {

class tables;

// Classifies every seat's seven cards, encodes and places the hands, repeating the placing until
// at least one winner is counted.
void evaluate_player_cards(tables& t);

}  // namespace omaha
