#pragma once

namespace omaha {

class tables;

// Draws the fold street `folder` (1, 2 or 3) for a computer seat's turn, from a freshly
// reseeded random source.
void folder_value(tables& t);

// A computer seat decides only while the pre-flop round or a later one is under way, the hand
// is not over, and the seat is in the tournament, not sitting out, not folded and not all in.
bool decision_gate_open(const tables& t, int seat);

// A computer seat's decision by its place `handrank` (raise, call, fold or nothing) and the
// payment that follows it.
void computer_decision(tables& t, int seat);

}  // namespace omaha
