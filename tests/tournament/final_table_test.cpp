// The end of the tournament: the field closing in on the final table, the final table's antes
// and retirements, and both endings of the run, played on from a field set up between two hands.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "autoplay.h"
#include "platform/number_text.h"
#include "table_audit.h"

namespace omaha::testing {
namespace {

constexpr std::int64_t kStepCap = 400000;
constexpr std::uint64_t kSeeds = 6;

// Plays the first hand to its showdown, so the test can set up the field before the next deal.
void play_first_hand(GameHarness& h) {
  for (int step = 0; step < 2000 && !h.table.gameover; ++step) {
    if (const auto due = h.app.next_due())
      h.app.advance_to(*due);
    human_moves(h, HumanStyle::call_or_check);
  }
  ASSERT_TRUE(h.table.gameover);
  ASSERT_EQ(h.table.closer, 0) << "the human went out in the first hand";
}

void set_stack(tables& t, int seat, std::int32_t chips) {
  t.player(seat).prize = chips;
  t.prize_label(seat).set_caption(platform::Str(std::int64_t{chips}));
}

int computer_seats_in_play(const tables& t) {
  int count = 0;
  for (int seat = 2; seat <= kSeats; ++seat)
    count += t.player(seat).Active ? 1 : 0;
  return count;
}

// Five entrants short of the final table, the human deep-stacked: the field closes in one by
// one, waits at 990 until a seat at the table busts, fills the busted seats with the whole pool
// and plays the final table with antes until the human, who calls everything, goes out.
TEST(FinalTable, FieldClosesInAndTheHumanGoesOutAtTheFinalTable) {
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    GameHarness h(seed);
    TableAudit audit(h.table);
    tables& t = h.table;
    start_from_settings(h);
    play_first_hand(h);
    t.players_out = 985;
    t.chip_pool = 985000;
    set_stack(t, 1, 30000);
    audit.rebase();

    // The field at each deal, and the newcomers of the deal that opens the final table.
    std::vector<int> field_at_deal;
    int arrivals = -1;
    int newcomers_with_pool = 0;
    const RunOutcome outcome = play_to_end(h, HumanStyle::call_or_check, kStepCap, [&] {
      audit.check_at_rest();
      if (h.app.ended() || audit.deals() == static_cast<int>(field_at_deal.size()) + 1)
        return;
      field_at_deal.push_back(t.players_out);
      if (arrivals < 0 && t.players_out > 990) {
        arrivals = t.players_out - 990;
        for (int seat = 2; seat <= kSeats; ++seat)
          newcomers_with_pool += t.player(seat).prize == t.chip_pool - t.limits ? 1 : 0;
      }
    });

    ASSERT_TRUE(outcome.ended) << (outcome.stalled ? "stalled" : "step cap reached");
    EXPECT_TRUE(audit.clean()) << audit.report();
    EXPECT_TRUE(audit.final_table_reached());
    // One out per deal up to 990, then the field waits for a bust at the table.
    ASSERT_GE(field_at_deal.size(), 5u);
    for (std::size_t deal = 0; deal < 5; ++deal)
      EXPECT_EQ(field_at_deal[deal], std::min(986 + static_cast<int>(deal), 990) +
                                         (field_at_deal[deal] > 990 ? arrivals : 0));
    EXPECT_EQ(t.chip_pool, 990000);
    EXPECT_GT(arrivals, 0);
    EXPECT_EQ(newcomers_with_pool, arrivals) << "every newcomer brings the whole pool";
    EXPECT_EQ(t.player(1).prize, 0);
    EXPECT_EQ(t.Label24.caption(), "Your Finished With  " +
                                       std::to_string(computer_seats_in_play(t)) +
                                       " Players Still in Tournament");
  }
}

// A standing request to sit out holds deal after deal until the field reaches 990; from there
// the human is dealt in at every deal and plays the final table.
TEST(FinalTable, SittingOutEndsWhenTheFieldReachesNineHundredNinety) {
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    GameHarness h(seed);
    TableAudit audit(h.table);
    tables& t = h.table;
    start_from_settings(h);
    play_first_hand(h);
    t.players_out = 985;
    t.chip_pool = 985000;
    set_stack(t, 1, 30000);
    audit.rebase();
    h.app.click(t.Command3);  // from the next deal on
    ASSERT_EQ(t.sitter, 1);

    int deals_sat_out = 0;
    int deals_dealt_in = 0;
    int deals_seen = audit.deals();
    const RunOutcome outcome = play_to_end(h, HumanStyle::sit_out, kStepCap, [&] {
      audit.check_at_rest();
      if (h.app.ended() || audit.deals() == deals_seen)
        return;
      deals_seen = audit.deals();
      if (t.players_out < 990) {
        EXPECT_TRUE(t.player(1).sittingout) << "deal " << deals_seen;
        ++deals_sat_out;
      } else {
        EXPECT_FALSE(t.player(1).sittingout) << "deal " << deals_seen;
        ++deals_dealt_in;
      }
    });

    ASSERT_TRUE(outcome.ended) << (outcome.stalled ? "stalled" : "step cap reached");
    EXPECT_TRUE(audit.clean()) << audit.report();
    EXPECT_EQ(deals_sat_out, 4);  // 986 to 989 out
    EXPECT_GT(deals_dealt_in, 0);
    EXPECT_EQ(t.sitter, 1) << "the request is never taken back, only no longer applied";
  }
}

// At the final table with nine short stacks: the antes and the human's calls bust them one by
// one, each busted seat leaves at the next deal, and the human is the last one in.
TEST(FinalTable, TheHumanWinsTheTournament) {
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    GameHarness h(seed);
    TableAudit audit(h.table);
    tables& t = h.table;
    start_from_settings(h);
    play_first_hand(h);
    t.players_out = 995;
    t.chip_pool = 995000;
    set_stack(t, 1, 50000);
    for (int seat = 2; seat <= kSeats; ++seat)
      set_stack(t, seat, 15 * seat);
    audit.rebase();

    int fewest_in_play = kSeats - 1;
    const RunOutcome outcome = play_to_end(h, HumanStyle::call_or_check, kStepCap, [&] {
      audit.check_at_rest();
      const int in_play = computer_seats_in_play(t);
      EXPECT_LE(in_play, fewest_in_play) << "a seat that left came back";
      fewest_in_play = in_play;
    });

    ASSERT_TRUE(outcome.ended) << (outcome.stalled ? "stalled" : "step cap reached");
    EXPECT_TRUE(audit.clean()) << audit.report();
    EXPECT_EQ(computer_seats_in_play(t), 0);
    EXPECT_EQ(t.closer, 1);
    EXPECT_EQ(t.Label24.caption(), "Congratulations You Won The Tournament");
    EXPECT_EQ(t.Label24.back_colour(), 0xFFu);
    EXPECT_EQ(t.Label24.fore_colour(), 0xFFFFu);
    // Each seat that left counts out again at every later deal.
    EXPECT_GT(t.players_out, 995 + 9);
  }
}

}  // namespace
}  // namespace omaha::testing
