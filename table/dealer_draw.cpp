#include "table/dealer_draw.h"

#include "betting/dealer_button.h"
#include "table/card_code.h"
#include "table/deck.h"
#include "table/tables.h"

namespace omaha {

namespace {

bool beats_every_other_seat(const tables& t, int seat) {
  for (int other = 1; other <= kSeats; ++other) {
    if (other != seat && t.player(seat).cardone <= t.player(other).cardone)
      return false;
  }
  return true;
}

}  // namespace

void toss(tables& t) {
  dealfirst(t);
  for (int seat = 1; seat <= kSeats; ++seat) {
    t.player(seat).cardone = t.deck[static_cast<std::size_t>(seat)];
    t.hole_card(seat, 1).set_picture(t.PictureClip1.cell(t.player(seat).cardone));
  }
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).cardtext1 = convert2card(t.player(seat).cardone);

  for (int winner = 1; winner <= kSeats; ++winner) {
    if (!beats_every_other_seat(t, winner))
      continue;
    t.player(winner).tosswinner = true;
    give_button(t, winner);
  }
  t.Label1.set_visible(true);
  t.tossdone = 1;
}

}  // namespace omaha
