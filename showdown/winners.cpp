#include "showdown/winners.h"

#include <cstddef>
#include <cstdint>

namespace omaha {

namespace {

bool lower_than_every_other_seat(const tables& t, int seat) {
  for (int other = 1; other <= kSeats; ++other)
    if (other != seat && t.player(seat).handrank >= t.player(other).handrank)
      return false;
  return true;
}

void place_winner(tables& t, winner_set& winners, int seat) {
  t.player(seat).handrank = kTopPlace;
  ++t.numberofwinners;
  winners[static_cast<std::size_t>(seat - 1)] = true;
}

}  // namespace

void mark_folded_seats(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t.player(seat).fold)
      t.player(seat).handrank = kFoldedAtShowdownPlace;
}

winner_set decide_winners(tables& t) {
  winner_set winners{};
  t.numberofwinners = 0;
  // A sole winner: at most one seat can be lower than all nine others.
  for (int seat = 1; seat <= kSeats; ++seat)
    if (lower_than_every_other_seat(t, seat))
      place_winner(t, winners, seat);
  // Otherwise the live seats share the pot.
  if (t.numberofwinners == 0)
    for (int seat = 1; seat <= kSeats; ++seat)
      if (t.player(seat).handrank != kFoldedAtShowdownPlace)
        place_winner(t, winners, seat);
  return winners;
}

}  // namespace omaha
