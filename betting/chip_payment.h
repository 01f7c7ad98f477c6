#pragma once

#include <cstdint>

namespace omaha {

class tables;

// A chip amount plus another, held in the 32-bit range (clamped, never wrapped).
std::int32_t chip_sum(std::int32_t amount, std::int64_t more);

// How a payment moves the round's `currentbet`.
enum class round_total {
  raise_to_seat,  // an action: `currentbet` grows to the seat's total when that is above it
  set_to_seat,    // a blind: `currentbet` becomes the seat's total, also when that is below it
};

// Moves `amount` from the seat's stack into the pot: capped at the stack, never below 0 (no
// seat takes chips back from the pot). Writes `bet`, `totalbet`, `prize`, the chip-count label
// ("All in" when the stack is gone), `currentbet`, `pot` and the pot label. Returns the chips
// paid; the chips on the table are the caller's.
std::int32_t pay_into_pot(tables& t, int seat, std::int64_t amount, round_total rule);

// The chip-count label of a seat: its stack, or "All in" (and the seat marked all in) when
// nothing is left.
void show_stack(tables& t, int seat);

}  // namespace omaha
