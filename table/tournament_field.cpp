#include "table/tournament_field.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "betting/betting.h"
#include "platform/number_text.h"
#include "table/tables.h"

namespace omaha {

namespace {

constexpr std::int16_t kLateField = 900;  // from here on one entrant goes out per deal

constexpr std::array<const char*, 25> kNameWords{
    "poker",  "heart",      "boulder", "blonde", "chips",      "bad",      "zzzzzz",
    "texas",  "freak",      "mad",     "luck",   "loving",     "player",   "sloppy",
    "winner", "kid",        "bang",    "river",  "riverbelle", "charming", "tarrow",
    "_",      "california", "south",   "smiling"};

// A whole number drawn uniformly from low..high.
int draw_between(platform::RandomSource& random, int low, int high) {
  const double drawn = std::floor(random.Rnd() * (high - low + 1) + low);
  return static_cast<int>(std::clamp(drawn, double(low), double(high)));
}

// One more entrant out; the count stays at the top of its range rather than wrap.
void count_one_out(tables& t) {
  if (t.players_out < std::numeric_limits<std::int16_t>::max())
    ++t.players_out;
}

bool busted(const player_record& p) {
  return p.prize < 1;
}

std::string newcomer_name(tables& t) {
  std::string name = random_name_part(t);
  name += ' ';
  name += random_name_part(t);
  name += ' ';
  name += random_name_part(t);
  return name;
}

// A newcomer takes over each busted computer seat with `stack` chips; at the final-table
// arrival each one also counts an entrant out.
void refill_busted_seats(tables& t, std::int32_t stack, bool final_table_arrival) {
  for (int seat = kFirstComputerSeat; seat <= kSeats; ++seat) {
    player_record& p = t.player(seat);
    if (!busted(p))
      continue;
    p.caption = newcomer_name(t);
    p.prize = stack;
    t.player_label(seat).set_caption(p.caption);
    show_prize(t, seat);
    t.Label24.set_visible(true);
    t.Label24.set_caption("Please Wait Arranging Tables");
    if (final_table_arrival)
      count_one_out(t);
  }
}

// At the final table a busted computer seat leaves for good. It stays busted, so it is counted
// out again at every later deal.
void retire_busted_seats(tables& t) {
  for (int seat = kFirstComputerSeat; seat <= kSeats; ++seat) {
    player_record& p = t.player(seat);
    if (!busted(p))
      continue;
    p.Active = false;
    p.sittingout = true;
    t.player_label(seat).set_visible(false);
    t.prize_label(seat).set_visible(false);
    count_one_out(t);
  }
}

}  // namespace

std::int32_t advance_tournament(tables& t) {
  int knocked_out = 0;
  if (t.players_out < kLateField)
    knocked_out = draw_between(t.app().random(), 3, 7);
  if (t.players_out >= kLateField && t.players_out <= kFinalTable)
    knocked_out = 1;
  t.players_out = static_cast<std::int16_t>(t.players_out + knocked_out);
  t.chip_pool += kStartingStack * knocked_out;
  // The first advance leaves at least three out, so the divisor is never zero.
  return platform::clamp_to_int32(double(t.chip_pool) / double(t.players_out - 2));
}

std::string players_remaining_caption(int players) {
  return "Players " + platform::Str(std::int64_t{players}) + " Remaining in the Tournament";
}

std::string random_name_part(tables& t) {
  t.app().random().Randomize();
  const int word = draw_between(t.app().random(), 1, static_cast<int>(kNameWords.size()));
  return kNameWords[static_cast<std::size_t>(word - 1)];
}

void run_field_rules(tables& t) {
  std::int32_t newcomer_stack = 0;
  if (t.players_out < kFinalTable) {
    newcomer_stack = advance_tournament(t);
    t.Label2.set_visible(true);
    t.Label2.set_caption(players_remaining_caption(kEntrants - t.players_out));
  }
  if (t.players_out == kFinalTable) {
    t.player(kHuman).sittingout = false;
    refill_busted_seats(t, t.chip_pool, true);
  }
  if (t.players_out < kFinalTable)
    refill_busted_seats(t, newcomer_stack, false);
  if (t.players_out > kFinalTable) {
    t.player(kHuman).sittingout = false;
    retire_busted_seats(t);
  }
}

void final_table_ante(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    player_record& p = t.player(seat);
    if (!p.Active)
      continue;
    // A seat pays what it has, never more: a short stack ends at 0, all in.
    const std::int32_t paid = std::min(std::max(p.prize, std::int32_t{0}), t.limits);
    p.prize -= paid;
    if (p.prize < 1)
      p.allin = true;
    t.pot += paid;
    t.currentbet = t.limits;
    chips_player_show(t, paid, seat);
  }
}

}  // namespace omaha
