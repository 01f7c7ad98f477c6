#pragma once

namespace omaha {

class tables;

// Turns the hole cards of every seat still in the hand face up; folded seats are not touched.
void reveal_live_hands(tables& t);

}  // namespace omaha
