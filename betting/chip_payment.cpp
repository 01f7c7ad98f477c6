#include "betting/chip_payment.h"

#include <algorithm>
#include <limits>

#include "platform/number_text.h"
#include "table/tables.h"

namespace omaha {

std::int32_t chip_sum(std::int32_t amount, std::int64_t more) {
  constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
  // |more| is checked before adding so that the 64-bit sum itself cannot overflow.
  more = std::clamp(more, 2 * kLow, 2 * kHigh);
  return static_cast<std::int32_t>(std::clamp(std::int64_t{amount} + more, kLow, kHigh));
}

void show_stack(tables& t, int seat) {
  player_record& p = t.player(seat);
  if (p.prize <= 0) {
    t.prize_label(seat).set_caption("All in");
    p.allin = true;
  } else {
    show_prize(t, seat);
  }
}

std::int32_t pay_into_pot(tables& t, int seat, std::int64_t amount, round_total rule) {
  player_record& p = t.player(seat);
  // The cap at the stack comes first; a stack already at or below 0 then pays nothing.
  const auto bet = static_cast<std::int32_t>(
      std::max<std::int64_t>(0, std::min<std::int64_t>(amount, std::int64_t{p.prize})));
  p.bet = bet;
  p.totalbet = chip_sum(p.totalbet, bet);
  p.prize -= bet;
  show_stack(t, seat);
  if (rule == round_total::set_to_seat || p.totalbet > t.currentbet)
    t.currentbet = p.totalbet;
  t.pot = chip_sum(t.pot, bet);
  t.potlabel.set_caption(platform::Str(std::int64_t{t.pot}));
  return bet;
}

}  // namespace omaha
