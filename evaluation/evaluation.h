#pragma once

namespace omaha {

class tables;

// Classifies every seat's seven cards, encodes and places the hands, and repeats until at
// least one winner is counted.
void evaluate_player_cards(tables& t);

}  // namespace omaha
