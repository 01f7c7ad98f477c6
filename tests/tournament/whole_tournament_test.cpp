// Whole tournaments from "Ok" to the end of the program, headless on the manual clock, each
// watched event by event by TableAudit.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>

#include "autoplay.h"
#include "table_audit.h"

namespace omaha::testing {
namespace {

// A run from the usual stacks ends long before this many clock steps.
constexpr std::int64_t kStepCap = 200000;
constexpr std::uint64_t kSeeds = 25;

struct Style {
  HumanStyle style;
  const char* name;
};

void PrintTo(const Style& style, std::ostream* out) {
  *out << style.name;
}

class WholeTournament : public ::testing::TestWithParam<Style> {};

TEST_P(WholeTournament, PlaysToTheEndOfTheRunKeepingEveryRule) {
  const HumanStyle style = GetParam().style;
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    GameHarness h(seed);
    TableAudit audit(h.table);
    tables& t = h.table;
    start_from_settings(h);
    int human_sat_out = 0;
    const RunOutcome outcome = play_to_end(h, style, kStepCap, [&] {
      audit.check_at_rest();
      // The request to sit out, made in the first hand, holds from the second deal on.
      if (style == HumanStyle::sit_out && audit.deals() >= 2 && !h.app.ended()) {
        EXPECT_TRUE(t.player(1).sittingout) << "deal " << audit.deals();
        EXPECT_FALSE(t.hole_card(1, 1).visible()) << "deal " << audit.deals();
        ++human_sat_out;
      }
    });

    EXPECT_FALSE(outcome.stalled) << "the game waited with nothing for the human to press";
    ASSERT_TRUE(outcome.ended) << "the run did not end within " << kStepCap << " steps";
    EXPECT_TRUE(audit.clean()) << audit.report();
    EXPECT_EQ(audit.showdowns(), audit.deals()) << "every hand dealt is settled once";
    EXPECT_EQ(outcome.hands, audit.showdowns());
    EXPECT_EQ(t.closer, 1);
    EXPECT_EQ(t.player(1).prize, 0) << "the human is out: nobody wins from 1000 chips";
    EXPECT_EQ(t.Label24.caption(), "Your Finished With  " + std::to_string(1000 - t.players_out) +
                                       " Players Still in Tournament");
    if (style == HumanStyle::sit_out) {
      EXPECT_GT(human_sat_out, 0);
    }
  }
}

// Busted computer seats are taken over by newcomers whose three name words are drawn after
// three reseeds in a row: the words must not come out the same just because no time passed.
TEST(WholeTournamentField, NewcomersDrawTheirThreeNameWordsAfresh) {
  int newcomers = 0;
  int one_word_thrice = 0;
  for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
    GameHarness h(seed);
    tables& t = h.table;
    start_from_settings(h);
    std::array<std::string, kSeats> names;
    for (int seat = 2; seat <= kSeats; ++seat)
      names[static_cast<std::size_t>(seat - 1)] = t.player(seat).caption;
    play_to_end(h, HumanStyle::fold, kStepCap, [&] {
      for (int seat = 2; seat <= kSeats; ++seat) {
        std::string& known = names[static_cast<std::size_t>(seat - 1)];
        if (t.player(seat).caption == known)
          continue;
        known = t.player(seat).caption;
        std::istringstream words(known);
        std::string first, second, third, more;
        ASSERT_TRUE(words >> first >> second >> third) << known;
        EXPECT_FALSE(words >> more) << known;
        ++newcomers;
        one_word_thrice += first == second && second == third ? 1 : 0;
      }
    });
  }
  EXPECT_GT(newcomers, 50);
  EXPECT_LT(one_word_thrice * 20, newcomers);  // one in 625 by chance
}

INSTANTIATE_TEST_SUITE_P(Human, WholeTournament,
                         ::testing::Values(Style{HumanStyle::call_or_check, "CallsOrChecks"},
                                           Style{HumanStyle::fold, "Folds"},
                                           Style{HumanStyle::sit_out, "SitsOut"}),
                         [](const ::testing::TestParamInfo<Style>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace omaha::testing
