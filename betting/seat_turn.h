#pragma once

namespace omaha {

class tables;

// A seat's turn begins when its lamp gets the focus: Picture2_GotFocus (seat 1, the human's
// blinds and lamp; the human decides on the "Call" button) to Picture11_GotFocus (seat 10).
// One path for every seat; where the seats differ, `kSeatRules` says how.
void seat_lamp_GotFocus(tables& t, int seat);
// Picture2_LostFocus to Picture11_LostFocus: the seat's turn light goes out.
void seat_lamp_LostFocus(tables& t, int seat);

// The seat's turn light: its ring shape and its lamp.
void light_seat(tables& t, int seat);
void darken_seat(tables& t, int seat);

}  // namespace omaha
