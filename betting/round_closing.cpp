#include "betting/round_closing.h"

#include <array>
#include <cstddef>
#include <cstdint>

#include "betting/betting.h"
#include "betting/seat_rules.h"
#include "showdown/showdown.h"
#include "table/board.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The four betting rounds: the flag that is True while the round or a later one is under way,
// and the seat whose turn closes the round.
struct betting_round {
  bool tables::*open;
  std::int16_t tables::*closing;
};
constexpr std::array<betting_round, 4> kRounds{{
    {&tables::postblinds, &tables::flopshower},
    {&tables::postflop1, &tables::flopshower1},
    {&tables::postflop2, &tables::flopshower2},
    {&tables::postflop3, &tables::flopshower3},
}};
constexpr std::size_t kRiver = 3;

// What the end of the pre-flop, flop and turn rounds shows.
using street_opening = void (*)(tables&);
constexpr std::array<street_opening, 3> kNextStreet{show_flop1, show_flop2, show_flop3};

constexpr std::int16_t kRaisesThatMoveTheClose = 4;

void close_the_river(tables& t, round_closer who) {
  zero_total_bets(t);
  t.roundtimer.set_enabled(false);
  if (who != round_closer::computer_decision)
    bet_panel_hide(t);
  evaluate_winner(t);
}

}  // namespace

void raise_bookkeeping(tables& t, int seat) {
  if (t.gameover)
    return;
  t.raiser = true;
  if (t.raiservalue >= kRaisesThatMoveTheClose)
    return;
  for (const betting_round& round : kRounds) {
    if (t.*round.open) {
      ++t.raiservalue;
      t.*round.closing = static_cast<std::int16_t>(seat_before(seat));
    }
  }
}

void first_actor_rule(tables& t, int seat) {
  if (t.gameover || t.raiser)
    return;
  for (const betting_round& round : kRounds)
    if (t.*round.open && t.player(seats_before(seat, 3)).dealer == kButton)
      t.*round.closing = static_cast<std::int16_t>(seat_before(seat));
}

void end_of_round_test(tables& t, int seat, round_closer who) {
  if (t.gameover)
    return;
  // Each test reads its flag afresh, so one pass may open a street and close it at once.
  for (std::size_t r = 0; r < kRiver; ++r) {
    if (t.*kRounds[r].closing == seat && t.*kRounds[r].open) {
      if (who == round_closer::human && r > 0)
        bet_panel_hide(t);
      kNextStreet[r](t);
      zero_total_bets(t);
    }
  }
  if (t.*kRounds[kRiver].closing == seat && t.*kRounds[kRiver].open)
    close_the_river(t, who);
}

bool all_others_folded(const tables& t, int seat) {
  for (int other = 1; other <= kSeats; ++other)
    if (other != seat && !t.player(other).fold)
      return false;
  return true;
}

void all_others_folded_test(tables& t, int seat) {
  if (t.gameover || !all_others_folded(t, seat))
    return;
  t.player(seat).handrank = kTopPlace;
  for (int other = 1; other <= kSeats; ++other)
    if (other != seat)
      t.player(other).handrank = kFoldedToOnePlace;
  zero_total_bets(t);
  const bool human = !rules_of(seat).decides;
  if (human)
    bet_panel_hide(t);
  t.roundtimer.set_enabled(false);
  if (human) {
    t.Command2.SetFocus();
    bet_panel_hide(t);
  }
  evaluate_winner(t);
}

void settle_if_no_betting_left(tables& t, int seat) {
  if (t.gameover)
    return;
  bool someone_all_in = false;
  for (int other = 1; other <= kSeats; ++other) {
    if (other == seat)
      continue;
    const player_record& p = t.player(other);
    if (!p.fold && !p.allin)
      return;  // that seat can still bet
    someone_all_in = someone_all_in || (p.allin && !p.fold);
  }
  if (!someone_all_in)
    return;
  for (std::size_t r = 0; r < kRiver; ++r) {
    if (!(t.*kRounds[r + 1].open)) {
      kNextStreet[r](t);
      zero_total_bets(t);
    }
  }
  t.roundtimer.set_enabled(false);
  evaluate_winner(t);
}

}  // namespace omaha
