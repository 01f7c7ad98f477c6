#pragma once

namespace omaha {

class tables;

// Puts the "D" label beside the seat's fourth hole card: 500 twips right of and below its
// top-left corner.
void place_button_label(tables& t, int seat);
// Gives the button to the seat: every seat's `dealer` counted clockwise from it (the holder 1,
// the next seat 2, ...), and the "D" label shown beside it.
void give_button(tables& t, int seat);

}  // namespace omaha
