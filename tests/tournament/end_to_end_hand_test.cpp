// One whole hand as a player sees it: "Ok" on the settings screen, the deal, the betting on the
// two-second clock with a human who checks or calls, and the showdown, driven only through the
// real event queue and the manual clock.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

#include "autoplay.h"
#include "platform/number_text.h"
#include "table/tournament_field.h"
#include "table_audit.h"

namespace omaha::testing {
namespace {

constexpr std::uint64_t kSeeds = 24;
constexpr std::int64_t kStartingChips = std::int64_t{kSeats} * kStartingStack;

std::int64_t stacks(const tables& t) {
  std::int64_t sum = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    sum += t.player(seat).prize;
  return sum;
}

int winners_shown(const tables& t, const std::string& caption) {
  int found = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t.player(seat);
    if (p.handrank == 1 && caption == p.caption + " " + p.handvalue)
      ++found;
  }
  return found;
}

TEST(EndToEndHand, OkThenOneHandToTheShowdownKeepsAndPaysEveryChip) {
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    GameHarness h(seed);
    TableAudit audit(h.table);  // exact shares and conservation, event by event
    tables& t = h.table;
    start_from_settings(h);

    ASSERT_TRUE(t.visible());
    ASSERT_FALSE(h.settings_screen.visible());
    EXPECT_TRUE(t.Label1.visible()) << "the dealer button";
    // The blinds are in as soon as the first turns have run: small blind, then twice it.
    EXPECT_GE(t.pot, 3 * t.limits);
    EXPECT_EQ(stacks(t) + t.pot, kStartingChips);

    int human_turns = 0;
    for (int step = 0; step < 2400 && !t.gameover; ++step) {  // twenty minutes of play
      if (human_moves(h, HumanStyle::call_or_check))
        ++human_turns;
      else
        h.app.advance_by(500);
      if (!t.gameover) {
        ASSERT_EQ(stacks(t) + t.pot, kStartingChips) << "step " << step;
      }
    }
    ASSERT_TRUE(t.gameover) << "the hand never reached its showdown";
    EXPECT_GT(human_turns, 0);

    // The showdown: every folded seat last, the winners placed 1 and paid pot / winners each,
    // the only difference in the table's chips being each winner's rounding to whole chips.
    const int winners = t.numberofwinners;
    ASSERT_GE(winners, 1);
    const double share = double(t.pot) / winners;
    EXPECT_LE(std::abs(double(stacks(t) - (kStartingChips - t.pot)) - winners * share),
              winners * 0.5);
    EXPECT_TRUE(t.winnerlabel.visible());
    EXPECT_EQ(winners_shown(t, t.winnerlabel.caption()), 1) << t.winnerlabel.caption();
    for (int seat = 1; seat <= kSeats; ++seat)
      EXPECT_EQ(t.prize_label(seat).caption(), platform::Str(std::int64_t{t.player(seat).prize}));
    EXPECT_TRUE(t.Timer1.enabled());
    EXPECT_EQ(audit.showdowns(), 1);
    EXPECT_TRUE(audit.clean()) << audit.report();

    // Thirteen seconds later the next hand is dealt from an empty pot, the button one seat on.
    const std::int16_t human_place_before = t.player(1).dealer;
    h.app.advance_by(13000);
    if (t.closer == 0) {
      EXPECT_FALSE(t.gameover);
      EXPECT_EQ(audit.deals(), 2);
      EXPECT_EQ(t.player(1).dealer, (human_place_before + kSeats - 2) % kSeats + 1);
    } else {
      EXPECT_TRUE(h.app.ended());
    }
    EXPECT_TRUE(audit.clean()) << audit.report();
  }
}

}  // namespace
}  // namespace omaha::testing
