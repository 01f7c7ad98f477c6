#pragma once

namespace omaha {

class tables;

// Puts the "D" label beside the seat's fourth hole card: 500 twips right of and below its
// top-left corner.
void place_button_label(tables& t, int seat);

}  // namespace omaha
