#include "table_audit.h"

#include <algorithm>
#include <sstream>

#include "audit_helpers.h"
#include "table/tournament_field.h"

namespace omaha::testing {

using audit::at;
using audit::sum_of;

namespace {

constexpr std::size_t kMaxFailures = 40;
// Hands take a few dozen turns; one that goes on this long has no way to end.
constexpr int kMaxHandTicks = 400;

// Places a seat can hold during a hand: those of the deal, 7 for a seat folded when another
// seat is left alone, 10 for a folded seat at the showdown.
bool valid_place(std::int16_t place) {
  return (place >= 1 && place <= 5) || place == 7 || place == 10;
}

bool is_end_message(const std::string& caption) {
  return caption.starts_with("Your Finished With ") ||
         caption == "Congratulations You Won The Tournament";
}

}  // namespace

TableAudit::TableAudit(tables& t) : t_(t) {
  install_event_probe(
      t, [this] { before_event(); }, [this](EventKind kind) { after_event(kind); });
}

std::string TableAudit::report() const {
  std::ostringstream out;
  for (const std::string& failure : failures_)
    out << failure << '\n';
  if (failures_dropped_ > 0)
    out << "... and " << failures_dropped_ << " more\n";
  return out.str();
}

void TableAudit::rebase() {
  before_ = take();
  chips_ = sum_of(before_.prize) + before_.pot;
}

TableAudit::Snapshot TableAudit::take() const {
  Snapshot s;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t_.player(seat);
    s.prize[at(seat)] = p.prize;
    s.dealer[at(seat)] = p.dealer;
    s.caption[at(seat)] = p.caption;
  }
  s.pot = t_.pot;
  s.gameover = t_.gameover;
  s.closer = t_.closer;
  s.players_out = t_.players_out;
  return s;
}

void TableAudit::fail(std::string what) {
  if (failures_.size() >= kMaxFailures) {
    ++failures_dropped_;
    return;
  }
  std::ostringstream out;
  out << "deal " << deals_ << " at " << t_.app().now() << " ms: " << what;
  failures_.push_back(out.str());
}

void TableAudit::start() {
  started_ = true;
  deals_ = 1;
  rebase();
  check_deal();
  check_always(before_);
}

void TableAudit::before_event() {
  if (!started_ && t_.loaded() && t_.tossdone == 1)
    start();
  before_ = take();
}

void TableAudit::after_event(EventKind kind) {
  if (!started_)
    return;
  const Snapshot now = take();
  if (kind == EventKind::turn_tick && !before_.gameover) {
    ++hand_ticks_;
    longest_hand_ticks_ = std::max(longest_hand_ticks_, hand_ticks_);
    if (hand_ticks_ == kMaxHandTicks)
      fail("the hand has gone round the table for " + std::to_string(kMaxHandTicks) + " turns");
  }
  if (t_.app().ended()) {
    if (kind == EventKind::next_hand_tick && before_.closer != 1)
      fail("the next-hand tick ended the program with closer 0");
    if (kind != EventKind::next_hand_tick && kind != EventKind::exit_request)
      fail("the program ended outside a next-hand tick and Exit");
    return;
  }
  if (kind == EventKind::next_hand_tick) {
    if (before_.closer == 1) {
      fail("the next-hand tick with closer 1 did not end the program");
    } else {
      check_between_hands(now);
      check_deal();
    }
  } else if (!before_.gameover && now.gameover) {
    check_settlement(now);
  } else if (before_.gameover && now.gameover) {
    if (now.prize != before_.prize || now.pot != before_.pot)
      fail("chips moved after the showdown");
  } else if (before_.gameover && !now.gameover) {
    fail("the hand went on after its showdown without a deal");
  } else {
    check_betting(now);
  }
  check_always(now);
}

void TableAudit::check_always(const Snapshot& now) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (now.prize[at(seat)] < 0)
      fail("seat " + std::to_string(seat) + " has a negative stack");
    if (!valid_place(t_.player(seat).handrank))
      fail("seat " + std::to_string(seat) + " has place " +
           std::to_string(t_.player(seat).handrank));
  }
  if (now.pot < 0)
    fail("the pot is negative");
  if (t_.Timer1.enabled() != now.gameover)
    fail(now.gameover ? "the next-hand timer is off after the showdown"
                      : "the next-hand timer runs during a hand");
  if (now.players_out < before_.players_out)
    fail("players_out went down");
  final_table_reached_ = final_table_reached_ || now.players_out > kFinalTable;
  if (before_.closer == 1 && now.closer != 1)
    fail("closer went back from 1");
  if (now.closer == 1) {
    if (!now.gameover)
      fail("closer is 1 outside a showdown");
    if (!t_.Label24.visible() || !is_end_message(t_.Label24.caption()))
      fail("the status line lost the end message: '" + t_.Label24.caption() + "'");
    if (closer_set_at_ < 0)
      closer_set_at_ = t_.app().now();
    else if (t_.app().now() > closer_set_at_ + kNextHandDelay)
      fail("the program did not end 13 s after the tournament ended for the human");
  }
}

void TableAudit::check_betting(const Snapshot& now) {
  if (sum_of(now.prize) + now.pot != chips_) {
    fail("the betting changed the chips at the table from " + std::to_string(chips_) + " to " +
         std::to_string(sum_of(now.prize) + now.pot));
    chips_ = sum_of(now.prize) + now.pot;
  }
  // Chips only go into the pot while the hand is played.
  for (int seat = 1; seat <= kSeats; ++seat)
    if (now.prize[at(seat)] > before_.prize[at(seat)])
      fail("seat " + std::to_string(seat) + " took chips back during the betting");
}

}  // namespace omaha::testing
