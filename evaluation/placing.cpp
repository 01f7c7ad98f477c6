// Seat placing and winner count.
#include <algorithm>
#include <cstdint>
#include <limits>

#include "evaluation/hand_value.h"

namespace omaha {

namespace {

// The largest hand number strictly below `above`; 0 when there is none.
std::int16_t next_below(const std::array<std::int16_t, kSeats>& winners, std::int16_t above) {
  std::int16_t best = 0;
  for (const std::int16_t number : winners)
    if (number < above && number > best)
      best = number;
  return best;
}

}  // namespace

void evaluate_ultimate_winner(tables& t, const std::array<std::int16_t, kSeats>& winners) {
  // The first number is the true greatest, so at least one seat always takes the top place.
  std::array<std::int16_t, kRestPlace - kTopPlace> numbers{};
  numbers[0] = *std::ranges::max_element(winners);
  for (std::size_t k = 1; k < numbers.size(); ++k)
    numbers[k] = next_below(winners, numbers[k - 1]);

  // Places 4, 3, 2, then 1: a seat that matches several numbers (only through 0) keeps the
  // best place it matches.
  for (std::size_t k = numbers.size(); k-- > 0;)
    for (int seat = 1; seat <= kSeats; ++seat)
      if (winners[static_cast<std::size_t>(seat - 1)] == numbers[k])
        t.player(seat).handrank = static_cast<std::int16_t>(kTopPlace + k);

  int last_winner = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (winners[static_cast<std::size_t>(seat - 1)] != numbers[0])
      continue;
    if (t.numberofwinners < std::numeric_limits<std::int16_t>::max())
      ++t.numberofwinners;
    last_winner = seat;
  }
  const player_record& shown = t.player(last_winner);
  t.winnerlabel.set_caption(shown.caption + " " + shown.handvalue);

  for (int seat = 1; seat <= kSeats; ++seat)
    if (t.player(seat).handrank == 0)
      t.player(seat).handrank = kRestPlace;
}

}  // namespace omaha
