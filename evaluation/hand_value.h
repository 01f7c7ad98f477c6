#pragma once

#include <array>
#include <cstdint>

#include "table/tables.h"

namespace omaha {

// The hand value encoder: from a seat's ten category texts, the text of its best category
// (`handvalue`) and one number that orders all hands (`handnumber`, 100 x category + sub-rank).
// A seat whose texts hold no category word keeps what it held.
void encode_hand_value(player_record& seat);
// Seats 1 to 5, then seats 6 to 10.
void evaluate_hand_value1(tables& t);
void evaluate_hand_value(tables& t);

// Places the seats by their hand numbers (`winners`, seat 1 first): 1 for the best, 2 to 4 for
// the next three distinct numbers, 5 for the rest; counts the seats at place 1 in
// `numberofwinners` and shows the last of them, in seat order, in `winnerlabel`.
void evaluate_ultimate_winner(tables& t, const std::array<std::int16_t, kSeats>& winners);

}  // namespace omaha
