#include "betting/computer_decision.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "betting/betting.h"
#include "betting/chip_payment.h"
#include "betting/round_closing.h"
#include "betting/seat_rules.h"
#include "platform/number_text.h"
#include "table/dealing.h"
#include "table/tables.h"

namespace omaha {

namespace {

bool another_seat_can_act(const tables& t, int seat) {
  for (int other = 1; other <= kSeats; ++other) {
    const player_record& p = t.player(other);
    if (other != seat && !p.fold && !p.allin)
      return true;
  }
  return false;
}

// The seat's place folds it on the street `folder` names once that street is shown.
bool folds_now(const tables& t, std::int16_t place) {
  if (place >= kRestPlace)
    return true;
  if (place <= kTopPlace)
    return false;
  return (t.folder == 1 && t.postflop1) || (t.folder == 2 && t.postflop2) ||
         (t.folder == 3 && t.postflop3);
}

void pay(tables& t, int seat, std::int64_t amount) {
  const std::int32_t paid = pay_into_pot(t, seat, amount, round_total::raise_to_seat);
  if (paid != 0)
    chips_player_show(t, paid, seat);
}

// A raise of the stack divided by `divisor` on top of the call; or, when no other seat can
// act, the seat's own way of going on alone.
void raise_or_go_alone(tables& t, int seat, std::int16_t divisor, std::int64_t to_call) {
  if (!another_seat_can_act(t, seat)) {
    // Seats 2 to 4 call; the others put in nothing. Neither counts as a raise.
    pay(t, seat, rules_of(seat).calls_when_alone ? to_call : 0);
    return;
  }
  const double amount = platform::round_half_even(
      static_cast<double>(t.player(seat).prize) / divisor + static_cast<double>(to_call));
  raise_bookkeeping(t, seat);
  // The payment is capped at the stack, so only an amount within reach is converted.
  const double stack = static_cast<double>(t.player(seat).prize);
  pay(t, seat, static_cast<std::int64_t>(std::fmin(amount, stack)));
}

void fold(tables& t, int seat) {
  t.player(seat).fold = true;
  set_hole_cards_visible(t, seat, false);
}

}  // namespace

void folder_value(tables& t) {
  t.app().random().Randomize();
  // A single-precision draw as the game has always made it; a double just below 1 must not
  // round up to 1 and give a fourth street.
  float r = static_cast<float>(t.app().random().Rnd());
  if (r >= 1.0f)
    r = std::nextafter(1.0f, 0.0f);
  const auto street = static_cast<std::int16_t>(std::floor(r * 3.0f + 1.0f));
  t.folder = std::clamp<std::int16_t>(street, 1, 3);
}

bool decision_gate_open(const tables& t, int seat) {
  const player_record& p = t.player(seat);
  return t.postblinds && !t.gameover && p.Active && !p.sittingout && !p.fold && !p.allin;
}

void computer_decision(tables& t, int seat) {
  const player_record& p = t.player(seat);
  const seat_rules& rules = rules_of(seat);
  const std::int64_t to_call = std::int64_t{t.currentbet} - p.totalbet;
  const std::int16_t place = p.handrank;

  if (place == kTopPlace) {
    raise_or_go_alone(t, seat, rules.divisor_top, to_call);
  } else if (place > kTopPlace && place < kRestPlace && !t.postflop3 && t.folder >= 1 &&
             t.folder <= 3) {
    raise_or_go_alone(t, seat, rules.divisor_placed, to_call);
  } else if (folds_now(t, place)) {
    fold(t, seat);
  }
  // A place of 0 or below (never placed) does nothing and stays in the hand.
}

}  // namespace omaha
