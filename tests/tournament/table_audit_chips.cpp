// The audit's chip ledger at the two moments chips may appear or leave the table: the showdown
// and the next deal.
#include <algorithm>
#include <optional>
#include <sstream>
#include <string>

#include "audit_helpers.h"
#include "table/tournament_field.h"
#include "table_audit.h"

namespace omaha::testing {

using audit::at;
using audit::nearest_even;
using audit::sum_of;

void TableAudit::check_settlement(const Snapshot& now) {
  ++showdowns_;
  ++showdowns_this_hand_;
  const int winners = t_.numberofwinners;
  int counted = 0;
  bool live_loser = false;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t_.player(seat);
    counted += p.handrank == 1 ? 1 : 0;
    if (p.fold && p.handrank != 10)
      fail("folded seat " + std::to_string(seat) + " keeps place " + std::to_string(p.handrank));
    live_loser = live_loser || (!p.fold && p.handrank != 1);
  }
  if (counted != winners)
    fail(std::to_string(counted) + " seats placed 1 for " + std::to_string(winners) + " winners");
  if (winners > 1 && live_loser)
    fail("a shared pot left out a live seat");

  // In the event that ends the betting, the seat whose turn it is may pay before the showdown.
  const std::int64_t paid = std::int64_t{now.pot} - before_.pot;
  if (paid < 0) {
    fail("the showdown took chips out of the pot");
    return;
  }
  const double share = winners > 0 ? double(now.pot) / winners : 0.0;
  auto pays_the_rule = [&](int payer) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      std::int64_t found = before_.prize[at(seat)];
      if (seat == payer)
        found -= paid;
      const bool winner = t_.player(seat).handrank == 1 && winners > 0;
      const std::int64_t expected = winner ? nearest_even(double(found) + share) : found;
      if (now.prize[at(seat)] != expected)
        return false;
    }
    return true;
  };
  bool matched = paid == 0 && pays_the_rule(0);
  for (int payer = 1; payer <= kSeats && paid > 0 && !matched; ++payer)
    matched = pays_the_rule(payer);
  if (!matched) {
    std::ostringstream out;
    out << "the showdown did not pay stack + pot / " << winners << " once (pot " << now.pot
        << ", paid in the same turn " << paid << "); stacks before";
    for (std::int32_t prize : before_.prize)
      out << ' ' << prize;
    out << ", after";
    for (std::int32_t prize : now.prize)
      out << ' ' << prize;
    fail(out.str());
  }
}

void TableAudit::check_between_hands(const Snapshot& now) {
  if (!before_.gameover)
    fail("the next-hand timer ticked during a hand");
  if (showdowns_this_hand_ != 1)
    fail("the hand was settled " + std::to_string(showdowns_this_hand_) + " times");
  showdowns_this_hand_ = 0;
  hand_ticks_ = 0;
  ++deals_;

  const std::int64_t limits = t_.limits;
  const bool final_table = t_.players_out > kFinalTable;
  std::optional<std::int64_t> newcomer_stack;
  std::int64_t antes = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t_.player(seat);
    const std::int64_t was = before_.prize[at(seat)];
    const std::int64_t is = now.prize[at(seat)];
    const bool antes_now = final_table && p.Active;
    std::int64_t base = was;
    if (seat == 1 && p.sittingout && before_.dealer[at(1)] == 1 && p.Active)
      base -= std::min(2 * limits, std::max<std::int64_t>(was, 0));  // the sit-out charge
    if (seat > 1 && was < 1 && is >= 1) {
      base = antes_now ? is + limits : is;  // a newcomer, who antes at once at the final table
      if (newcomer_stack && *newcomer_stack != base)
        fail("newcomers of one deal brought different stacks");
      newcomer_stack = base;
    }
    const std::int64_t ante = base - is;
    const std::int64_t due = antes_now ? std::min(limits, std::max<std::int64_t>(base, 0)) : 0;
    if (ante != due)
      fail("seat " + std::to_string(seat) + " went from " + std::to_string(was) + " to " +
           std::to_string(is) + " between hands");
    antes += ante;
  }
  if (newcomer_stack) {
    const std::int64_t pool = t_.chip_pool;
    const bool field_stack =
        t_.players_out < kFinalTable &&
        *newcomer_stack == nearest_even(double(pool) / double(t_.players_out - 2));
    if (*newcomer_stack != pool && !field_stack)
      fail("a newcomer brought " + std::to_string(*newcomer_stack) + " chips");
  }
  if (now.pot != antes)
    fail("the new hand's pot holds " + std::to_string(now.pot) + " beside antes of " +
         std::to_string(antes));
  chips_ = sum_of(now.prize) + now.pot;
}

}  // namespace omaha::testing
