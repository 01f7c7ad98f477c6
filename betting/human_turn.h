#pragma once

#include <cstdint>

namespace omaha {

class tables;

// The human's decision turn begins when the "Call" button gets the focus: the clock stops,
// the captions are set and the action panel is offered, or the turn passes on at once for a
// human who has folded, is all in or sits out.
void Command5_GotFocus(tables& t);

// The action buttons losing the focus: the human's light goes out; Raise, Check and Fold also
// switch the turn clock on.
void Command5_LostFocus(tables& t);
void Command6_LostFocus(tables& t);
void Command7_LostFocus(tables& t);
void Command8_LostFocus(tables& t);

// The human's turn is over: the next tick of the clock, switched on here, hands the turn to
// seat 2. Once the hand is settled the clock stays off.
void pass_turn_on(tables& t);

// What the human owes to stay in the round.
std::int64_t call_amount(const tables& t);

}  // namespace omaha
