#include "showdown/reveal.h"

#include "table/dealing.h"
#include "table/tables.h"

namespace omaha {

void reveal_live_hands(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    if (!t.player(seat).fold)
      turn_hole_cards_up(t, seat);
}

}  // namespace omaha
