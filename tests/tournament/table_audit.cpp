#include "table_audit.h"

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <numeric>
#include <optional>
#include <sstream>

namespace omaha::testing {

namespace {

constexpr std::size_t kMaxFailures = 40;
constexpr int kDeckSize = 45;
constexpr std::int16_t kFinalTable = 990;
constexpr std::int64_t kNextHandDelay = 13000;
// Hands take a few dozen turns; one that goes on this long has no way to end.
constexpr int kMaxHandTicks = 400;

std::size_t at(int seat) {
  return static_cast<std::size_t>(seat - 1);
}

template <typename Array>
std::int64_t sum_of(const Array& values) {
  return std::accumulate(values.begin(), values.end(), std::int64_t{0});
}

// Nearest whole number, an exact half to the even neighbour: the default rounding mode.
std::int64_t nearest_even(double x) {
  std::fesetround(FE_TONEAREST);
  return static_cast<std::int64_t>(std::nearbyint(x));
}

bool placed_by_the_deal(std::int16_t place) {
  return place >= 1 && place <= 5;
}

// Places a seat can hold during a hand: those of the deal, 7 for a seat folded when another
// seat is left alone, 10 for a folded seat at the showdown.
bool valid_place(std::int16_t place) {
  return placed_by_the_deal(place) || place == 7 || place == 10;
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

void TableAudit::check_at_rest() {
  if (!started_ || t_.app().ended())
    return;
  const std::array<const Control*, 6> panel{&t_.Command5, &t_.Command6,  &t_.Command7,
                                            &t_.Command8, &t_.Command11, &t_.Text2};
  if (t_.gameover) {
    for (const Control* control : panel)
      if (control->visible())
        fail(control->name() + " is showing after the showdown");
    return;
  }
  // The board shows exactly the streets opened so far; folded hands are put away.
  const std::array<bool, 5> street_of_card{t_.postflop1, t_.postflop1, t_.postflop1, t_.postflop2,
                                           t_.postflop3};
  for (int card = 0; card < 5; ++card)
    if (t_.Image1[40 + card].visible() != street_of_card[static_cast<std::size_t>(card)])
      fail("board card " + std::to_string(card + 1) + " does not match the streets shown");
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t_.player(seat).fold && t_.hole_card(seat, 1).visible())
      fail("seat " + std::to_string(seat) + " has folded but shows its cards");
  // The button sits beside the fourth card of the seat that holds it.
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t_.player(seat).dealer == 1 && t_.Label1.visible() &&
        (t_.Label1.left() != t_.hole_card(seat, 4).left() + 500 ||
         t_.Label1.top() != t_.hole_card(seat, 4).top() + 500))
      fail("the button is not beside seat " + std::to_string(seat));

  if (!t_.Command8.visible())
    return;  // not the human's turn
  const bool owes = std::int64_t{t_.currentbet} - t_.player(1).totalbet > 0;
  if (t_.Command5.visible() != owes || t_.Command7.visible() == owes)
    fail(std::string("the panel offers ") + (t_.Command5.visible() ? "Call" : "") +
         (t_.Command7.visible() ? "Check" : "") + " when " + (owes ? "" : "nothing ") +
         "is owed");
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

void TableAudit::check_deal() {
  std::array<bool, 53> seen{};
  for (int position = 1; position <= kDeckSize; ++position) {
    const std::int16_t code = t_.deck[static_cast<std::size_t>(position)];
    if (code < 1 || code > 52) {
      fail("deck position " + std::to_string(position) + " holds card " + std::to_string(code));
      continue;
    }
    if (seen[static_cast<std::size_t>(code)])
      fail("card " + std::to_string(code) + " dealt twice");
    seen[static_cast<std::size_t>(code)] = true;
  }
  int button = 0;
  int placed_first = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t_.player(seat);
    const std::array<std::int16_t, 4> hole{p.cardone, p.cardtwo, p.cardthree, p.cardfour};
    for (int card = 0; card < 4; ++card)
      if (hole[static_cast<std::size_t>(card)] !=
          t_.deck[static_cast<std::size_t>(card * kSeats + seat)])
        fail("seat " + std::to_string(seat) + " does not hold the cards dealt to it");
    if (p.dealer == 1)
      button = seat;
    if (!placed_by_the_deal(p.handrank))
      fail("seat " + std::to_string(seat) + " dealt place " + std::to_string(p.handrank));
    placed_first += p.handrank == 1 ? 1 : 0;
    if (!p.Active && !(p.fold && p.sittingout))
      fail("seat " + std::to_string(seat) + " has left but is dealt in");
    const bool dealt_in = p.Active && !p.sittingout;
    for (int card = 1; card <= 4; ++card)
      if (t_.hole_card(seat, card).visible() != dealt_in) {
        fail("seat " + std::to_string(seat) + (dealt_in ? " has hidden cards" : " shows cards"));
        break;
      }
  }
  if (placed_first == 0)
    fail("no seat placed first at the deal");
  for (int seat = 1; seat <= kSeats; ++seat)
    if (button == 0 || t_.player(seat).dealer != (seat - button + kSeats) % kSeats + 1) {
      fail("the seats' dealer marks are not a rotation of 1..10");
      break;
    }
  if (t_.gameover)
    fail("a hand dealt already over");
}

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
