#include "betting/human_actions.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "betting/betting.h"
#include "betting/chip_payment.h"
#include "betting/human_turn.h"
#include "betting/round_closing.h"
#include "platform/keys.h"
#include "platform/number_text.h"
#include "table/dealing.h"
#include "table/tables.h"
#include "table/tournament_field.h"

namespace omaha {

namespace {

constexpr platform::Colour kSittingOutAsked = 0xFF;
constexpr platform::Colour kPlayingAsked = 0xFFFF;

bool fits_chips(std::int64_t amount) {
  return amount >= std::numeric_limits<std::int32_t>::min() &&
         amount <= std::numeric_limits<std::int32_t>::max();
}

void human_pay_in(tables& t, std::int64_t amount) {
  const std::int32_t paid = pay_into_pot(t, kHuman, amount, round_total::raise_to_seat);
  chips_player_show(t, paid, kHuman);
  bet_panel_hide(t);
}

// When the human's action leaves every other seat folded, the human holds the top place; the
// hand itself is settled at the human's next turn entry.
void mark_last_seat_standing(tables& t) {
  if (!t.gameover && all_others_folded(t, kHuman))
    t.player(kHuman).handrank = kTopPlace;
}

// The end of a Call, Check or Fold: the round may close, the clock restarts for seat 2, and
// while nobody has bet the first-actor rule may make seat 10 the close.
void close_call_check_or_fold(tables& t) {
  end_of_round_test(t, kHuman, round_closer::human);
  mark_last_seat_standing(t);
  pass_turn_on(t);
  first_actor_rule(t, kHuman);
  settle_if_no_betting_left(t, kHuman);
}

// Raise and Bet It: the call plus `raise`, counted as a raise; a raise never closes a round.
void bet_on(tables& t, std::int64_t raise) {
  human_pay_in(t, call_amount(t) + raise);
  pass_turn_on(t);
  raise_bookkeeping(t, kHuman);
  settle_if_no_betting_left(t, kHuman);
}

// The raise typed into the amount box, when it is one: a plain number (digits, at most one
// point) at least the Call and the Raise captions, whose chips fit the 32-bit counts.
// Anything else is ignored without a word and stays in the box.
std::optional<std::int64_t> typed_raise(const tables& t) {
  const std::string& text = t.Text2.text();
  if (text.empty() || !platform::is_plain_amount(text))
    return std::nullopt;
  const double value = platform::Val(text);
  if (value < platform::Val(t.Command5.caption()) || value < platform::Val(t.Command6.caption()))
    return std::nullopt;
  const std::optional<std::int32_t> raise = platform::to_int32(value);
  if (!raise)
    return std::nullopt;
  const std::int64_t bet = call_amount(t) + *raise;
  if (!fits_chips(bet) || !fits_chips(bet + t.player(kHuman).totalbet) || !fits_chips(bet + t.pot))
    return std::nullopt;
  return *raise;
}

}  // namespace

void Command5_Click(tables& t) {
  human_pay_in(t, call_amount(t));
  close_call_check_or_fold(t);
}

void Command6_Click(tables& t) {
  bet_on(t, std::int64_t{t.limits} * 2);
}

void Command7_Click(tables& t) {
  show_stack(t, kHuman);
  bet_panel_hide(t);
  close_call_check_or_fold(t);
}

void Command8_Click(tables& t) {
  show_stack(t, kHuman);
  bet_panel_hide(t);
  set_hole_cards_visible(t, kHuman, false);
  t.player(kHuman).fold = true;
  // Even a Fold that settles the hand leaves the turn with the human, for the clock that the
  // button's LostFocus starts to hand on.
  t.focuser = kHuman;
  close_call_check_or_fold(t);
}

void Command11_Click(tables& t) {
  if (const std::optional<std::int64_t> raise = typed_raise(t))
    bet_on(t, *raise);
}

void Text2_KeyPress(tables& t, int code_point) {
  if (code_point == platform::kKeyEnter)
    Command11_Click(t);
}

void Command3_Click(tables& t) {
  if (t.players_out >= kFinalTable)
    return;  // nobody sits out at the final table, nor while it forms
  if (!t.player(kHuman).sittingout) {
    t.sitter = 1;
    t.Command3.set_back_colour(kSittingOutAsked);
  } else {
    t.sitter = 0;
    t.Command3.set_back_colour(kPlayingAsked);
  }
}

}  // namespace omaha
