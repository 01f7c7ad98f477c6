#include <cstddef>

#include "showdown/showdown.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The pile lands on a seat's upper bet chips, the highest first; the lowest is never used.
constexpr int kHighestSeatChip = kChipsPerSeat - 1;
constexpr int kTargetChips = kChipsPerSeat - 1;

void move_pile_onto_seat(tables& t, int seat) {
  for (int chip = kFirstPotChip; chip <= kLastMovedPotChip; ++chip) {
    const Control& target =
        t.seat_chip(seat, kHighestSeatChip - (chip - kFirstPotChip) % kTargetChips);
    t.backchips[chip].set_top(target.top());
    t.backchips[chip].set_left(target.left());
  }
}

}  // namespace

void pot_to_winner(tables& t, int one) {
  if (one >= 1 && one <= kSeats)
    move_pile_onto_seat(t, one);

  // Clear the pot from the table.
  for (int chip = kLastMovedPotChip + 1; chip <= kLastPotChip; ++chip)
    t.backchips[chip].set_visible(false);
  for (int chip = kFirstPotChip; chip <= kLastPotChip; ++chip)
    t.backchips[chip].set_visible(false);
  t.potlabel.set_visible(false);

  // Back to the homes recorded at start-up, ready for the next hand.
  for (int chip = kFirstPotChip; chip <= kLastMovedPotChip; ++chip) {
    const auto home = static_cast<std::size_t>(chip - kFirstPotChip);
    t.backchips[chip].set_top(t.pot_chip_top[home]);
    t.backchips[chip].set_left(t.pot_chip_left[home]);
  }
}

}  // namespace omaha
