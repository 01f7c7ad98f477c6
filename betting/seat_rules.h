#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "table/tables.h"

namespace omaha {

// How one seat's turn differs from the others'. Every seat's turn runs the same steps; these
// few values are where the ten seats part.
struct seat_rules {
  bool decides = true;                    // a computer seat; the human decides on "Call"
  std::int16_t divisor_top = 0;           // a computer raise: stack / this, when placed 1
  std::int16_t divisor_placed = 0;        // ... when placed 2 to 4
  bool calls_when_alone = false;          // no other seat can act: calls, else puts in nothing
  bool hides_status_line = false;         // seat 3 hides the status line at every turn
  bool puts_out_human_light = false;      // seat 2 puts out the human's light as it lights up
  bool big_blind_opens_round = false;     // the human's big blind opens the round, hands on
  bool lights_only_when_playing = false;  // the human's light stays dark while sitting out
  bool skip_hands_to_decision = false;    // seat 10's skip path hands to the human's "Call"
  bool hides_panel_when_dark = false;     // the human's lamp hides the panel as it goes dark
};

inline constexpr std::array<seat_rules, kSeats> kSeatRules{{
    {.decides = false,
     .divisor_top = 0,
     .divisor_placed = 0,
     .big_blind_opens_round = true,
     .lights_only_when_playing = true,
     .hides_panel_when_dark = true},  // 1, the human
    {.divisor_top = 10,
     .divisor_placed = 20,
     .calls_when_alone = true,
     .puts_out_human_light = true},  // 2
    {.divisor_top = 10,
     .divisor_placed = 25,
     .calls_when_alone = true,
     .hides_status_line = true},                                                // 3
    {.divisor_top = 10, .divisor_placed = 20, .calls_when_alone = true},        // 4
    {.divisor_top = 20, .divisor_placed = 25},                                  // 5
    {.divisor_top = 10, .divisor_placed = 20},                                  // 6
    {.divisor_top = 25, .divisor_placed = 40},                                  // 7
    {.divisor_top = 10, .divisor_placed = 20},                                  // 8
    {.divisor_top = 10, .divisor_placed = 25},                                  // 9
    {.divisor_top = 10, .divisor_placed = 10, .skip_hands_to_decision = true},  // 10
}};

inline const seat_rules& rules_of(int seat) {
  return kSeatRules.at(static_cast<std::size_t>(seat - 1));
}

// Seat arithmetic round the table: seat 10 is followed by seat 1.
constexpr int seat_after(int seat) {
  return seat == kSeats ? 1 : seat + 1;
}
constexpr int seat_before(int seat) {
  return seat == 1 ? kSeats : seat - 1;
}
constexpr int seats_before(int seat, int count) {
  return ((seat - 1 - count) % kSeats + kSeats) % kSeats + 1;
}

}  // namespace omaha
