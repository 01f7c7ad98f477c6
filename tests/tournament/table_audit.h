#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "event_probe.h"
#include "table/tables.h"

namespace omaha::testing {

// Watches a whole run event by event and records every broken rule of the table:
// - chips: within a hand's betting the stacks plus the pot never change and no stack grows; the
//   hand ends within a bounded number of turns; the showdown pays each
//   winner stack + pot / winners (rounded half to even) once, from the stacks it found; between
//   hands only newcomers, the final-table ante and the sit-out charge on the button move chips;
//   no stack or pot is ever negative;
// - every deal: 45 distinct cards in 1..52, the hole cards taken from the deck and shown for
//   every seat dealt in, every seat's `dealer` a rotation of 1..10, every place 1..5 with at
//   least one seat placed 1;
// - places stay within 1..10 during the hand;
// - the next-hand timer runs exactly from the showdown to the next deal, and the program ends
//   exactly at a tick of it with `closer` at 1 (or when the user exits); `closer` never goes
//   back to 0 and the status line keeps the end message.
// The checks start at the first event after the table has been dealt its first hand.
class TableAudit {
 public:
  explicit TableAudit(tables& t);
  TableAudit(const TableAudit&) = delete;
  TableAudit& operator=(const TableAudit&) = delete;

  const std::vector<std::string>& failures() const { return failures_; }
  bool clean() const { return failures_.empty(); }
  // Everything recorded, one failure a line.
  std::string report() const;

  int deals() const { return deals_; }  // the first deal included
  int showdowns() const { return showdowns_; }
  bool final_table_reached() const { return final_table_reached_; }
  // The most turn-clock ticks any hand took from its deal to its showdown.
  int longest_hand_ticks() const { return longest_hand_ticks_; }
  // The chips at the table now: stacks plus pot, as the ledger expects them during betting.
  std::int64_t chips_in_play() const { return chips_; }
  // The test changed the table between two events: take its state as the new starting point.
  void rebase();
  // Checks what must hold whenever the queue has run dry: a hand that is over offers the human
  // nothing to press, and a hand under way offers Call only when something is owed and Check
  // only when nothing is.
  void check_at_rest();

 private:
  struct Snapshot {
    std::array<std::int32_t, kSeats> prize{};
    std::array<std::int16_t, kSeats> dealer{};
    std::array<std::string, kSeats> caption{};
    std::int32_t pot = 0;
    bool gameover = false;
    std::int16_t closer = 0;
    std::int16_t players_out = 0;
  };

  Snapshot take() const;
  void before_event();
  void after_event(EventKind kind);
  void start();
  void check_always(const Snapshot& now);
  void check_betting(const Snapshot& now);
  void check_deal();
  void check_between_hands(const Snapshot& now);
  void check_settlement(const Snapshot& now);
  void fail(std::string what);

  tables& t_;
  bool started_ = false;
  Snapshot before_;
  std::int64_t chips_ = 0;
  int deals_ = 0;
  int showdowns_ = 0;
  int showdowns_this_hand_ = 0;
  int hand_ticks_ = 0;
  int longest_hand_ticks_ = 0;
  bool final_table_reached_ = false;
  std::int64_t closer_set_at_ = -1;  // clock time at which `closer` became 1
  std::vector<std::string> failures_;
  std::size_t failures_dropped_ = 0;
};

}  // namespace omaha::testing
