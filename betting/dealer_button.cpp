// The dealer button: given to a seat, and moved one seat on between hands.
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

void give_button(tables& t, int seat) {
  for (int other = 1; other <= kSeats; ++other)
    t.player(other).dealer = static_cast<std::int16_t>(kButton + (other - seat + kSeats) % kSeats);
  place_button_label(t, seat);
  t.Label1.set_visible(true);
}

void next_dealer(tables& t) {
  int holder = 0;  // the lowest-numbered seat marked as the button counts
  for (int seat = 1; seat <= kSeats && holder == 0; ++seat)
    if (t.player(seat).dealer == kButton)
      holder = seat;

  if (holder != 0) {
    give_button(t, seat_after(holder));
    t.focuser = static_cast<std::int16_t>(holder);
  }
  t.postblinds = false;
}

}  // namespace omaha
