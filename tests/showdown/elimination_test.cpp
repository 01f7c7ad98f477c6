#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "showdown/showdown.h"
#include "showdown_table.h"

namespace omaha::testing {
namespace {

class TournamentEnd : public ShowdownTable {
 protected:
  // The human loses the hand (folded) with `stack` chips; `others_active` of seats 2 to 10
  // stay in the tournament, counted from seat 2.
  void lose_hand(std::int32_t stack, std::int16_t out, int others_active) {
    t.gameover = false;
    t.players_out = out;
    seat(1).fold = true;
    seat(1).prize = stack;
    for (int k = 2; k <= kSeats; ++k)
      seat(k).Active = k - 1 <= others_active;
  }
};

struct EliminationCase {
  std::string name;
  std::int32_t stack;
  std::int16_t out;
  int others_active;
  const char* caption;  // nullptr: the human is not out
};

TEST_F(TournamentEnd, TheHumanWithoutChipsIsToldHowManyAreStillIn) {
  const std::vector<EliminationCase> cases{
      {"out with no chips", 0, 523, 9, "Your Finished With  477 Players Still in Tournament"},
      {"a negative stack is out too", -5, 0, 9,
       "Your Finished With  1000 Players Still in Tournament"},
      {"exactly 990 out counts the entrants", 0, 990, 9,
       "Your Finished With  10 Players Still in Tournament"},
      {"the final table counts the seats still active", 0, 995, 3,
       "Your Finished With  3 Players Still in Tournament"},
      {"one chip is not out", 1, 523, 9, nullptr},
  };
  for (const EliminationCase& c : cases) {
    SCOPED_TRACE(c.name);
    lose_hand(c.stack, c.out, c.others_active);
    t.Label24.set_visible(false);
    t.Label24.set_caption("");
    t.closer = 0;
    // At the final table a seat that lost its last chips in this hand is still active.
    seat(2).prize = 0;

    evaluate_winner(t);

    if (c.caption == nullptr) {
      EXPECT_FALSE(t.Label24.visible());
      EXPECT_EQ(t.Label24.caption(), "");
      EXPECT_EQ(t.closer, 0);
    } else {
      EXPECT_TRUE(t.Label24.visible());
      EXPECT_EQ(t.Label24.caption(), c.caption);
      EXPECT_EQ(t.closer, 1);
      // The message keeps the status line's ordinary look.
      EXPECT_TRUE(t.Label24.back_transparent());
      EXPECT_NE(t.Label24.font_size(), 14);
    }
    EXPECT_TRUE(seat(1).Active);
  }
}

void expect_win_announced(const tables& t) {
  EXPECT_TRUE(t.Label24.visible());
  EXPECT_EQ(t.Label24.caption(), "Congratulations You Won The Tournament");
  EXPECT_FALSE(t.Label24.back_transparent());
  EXPECT_EQ(t.Label24.back_colour(), 0xFFu);
  EXPECT_EQ(t.Label24.fore_colour(), 0xFFFFu);
  EXPECT_EQ(t.Label24.font_size(), 14);
  EXPECT_EQ(t.closer, 1);
}

TEST_F(TournamentEnd, NoOtherSeatActiveWinsTheTournament) {
  lose_hand(2500, 999, 0);
  seat(1).fold = false;
  seat(1).handrank = 1;
  evaluate_winner(t);
  expect_win_announced(t);
}

TEST_F(TournamentEnd, TheWinReplacesTheEliminationWhenBothHold) {
  lose_hand(0, 999, 0);
  evaluate_winner(t);
  expect_win_announced(t);
}

struct Ending {
  const char* name;
  std::int32_t stack;
  int others_active;
};

void PrintTo(const Ending& ending, std::ostream* os) {
  *os << ending.name;
}

class RunEnding : public TournamentEnd, public ::testing::WithParamInterface<Ending> {};

// Elimination, the win, or both: the next-hand timer is armed once and its tick ends the run.
TEST_P(RunEnding, TheNextHandTimersTickEndsTheRun) {
  lose_hand(GetParam().stack, 995, GetParam().others_active);
  h.app.advance_by(700);
  evaluate_winner(t);

  EXPECT_EQ(t.closer, 1);
  EXPECT_TRUE(t.Timer1.enabled());
  EXPECT_EQ(t.Timer1.due(), h.app.now() + 13000);
  h.app.advance_by(12999);
  EXPECT_FALSE(h.app.ended());
  h.app.advance_by(1);
  EXPECT_TRUE(h.app.ended());
}

INSTANTIATE_TEST_SUITE_P(Endings, RunEnding,
                         ::testing::Values(Ending{"Eliminated", 0, 9}, Ending{"Won", 800, 0},
                                           Ending{"EliminatedAndWon", 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace omaha::testing
