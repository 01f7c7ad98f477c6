// The dealer button moves one seat on between hands.
#include "betting/dealer_button.h"

#include "betting/betting.h"
#include "betting/seat_rules.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The button label sits this far right of and below the top-left corner of the button seat's
// fourth hole card.
constexpr float kButtonOffset = 500;

}  // namespace

void place_button_label(tables& t, int seat) {
  const Control& fourth_card = t.hole_card(seat, kHoleCards);
  t.Label1.set_top(fourth_card.top() + kButtonOffset);
  t.Label1.set_left(fourth_card.left() + kButtonOffset);
}

void next_dealer(tables& t) {
  int holder = 0;  // the lowest-numbered seat marked as the button counts
  for (int seat = 1; seat <= kSeats && holder == 0; ++seat)
    if (t.player(seat).dealer == 1)
      holder = seat;

  if (holder != 0) {
    const int button = seat_after(holder);
    for (int seat = 1; seat <= kSeats; ++seat)
      t.player(seat).dealer = static_cast<std::int16_t>(1 + (seat - button + kSeats) % kSeats);
    place_button_label(t, button);
    t.Label1.set_visible(true);
    t.focuser = static_cast<std::int16_t>(holder);
  }
  t.postblinds = false;
}

}  // namespace omaha
