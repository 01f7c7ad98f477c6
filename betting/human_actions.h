#pragma once

namespace omaha {

class tables;

// The human's action panel: "Call", "Raise", "Check", "Fold" and "Bet It" with the amount
// typed into the box (Enter in the box acts as "Bet It").
void Command5_Click(tables& t);
void Command6_Click(tables& t);
void Command7_Click(tables& t);
void Command8_Click(tables& t);
void Command11_Click(tables& t);
void Text2_KeyPress(tables& t, int code_point);

// "Sit Out": asks for the human to sit out from the next deal on, or to play again.
void Command3_Click(tables& t);

}  // namespace omaha
