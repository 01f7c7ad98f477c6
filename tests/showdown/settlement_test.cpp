#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "showdown/showdown.h"
#include "showdown_table.h"

namespace omaha::testing {
namespace {

constexpr bool F = true;
constexpr bool L = false;

class Settlement : public ShowdownTable {};

TEST_F(Settlement, EndsTheHandAndParksTheFocusOnExitOnceTheHandlerReturns) {
  t.pot = 90;
  evaluate_winner(t);

  EXPECT_TRUE(t.gameover);
  EXPECT_FALSE(t.roundtimer.enabled());
  EXPECT_TRUE(t.winnerlabel.visible());
  EXPECT_EQ(t.pot, 90);
  h.app.drain();
  EXPECT_EQ(h.app.focus(), &t.Command2);
}

TEST_F(Settlement, RevealsTheLiveHandsOnlyAndNamesTheLastWinner) {
  mark_all_hole_cards();
  set_places({4, 5, 1, 2, 3, 5, 5, 1, 5, 5});
  set_folds({L, F, L, F, L, F, F, L, F, F});
  t.pot = 40;

  evaluate_winner(t);

  EXPECT_EQ(t.numberofwinners, 4);  // the shared lowest place: every live seat wins
  EXPECT_EQ(t.winnerlabel.caption(), "seat8 hand8");
  for (int k = 1; k <= kSeats; ++k) {
    if (seat(k).fold)
      EXPECT_TRUE(hole_cards_untouched(k)) << "folded seat " << k;
    else
      EXPECT_TRUE(hole_cards_face_up(k)) << "live seat " << k;
  }
  EXPECT_EQ(seat(3).prize, 1010);
  EXPECT_EQ(seat(8).prize, 1010);
}

TEST_F(Settlement, TheLastSeatLeftShowsOnlyItsOwnCards) {
  mark_all_hole_cards();
  set_places({7, 7, 7, 7, 7, 7, 1, 7, 7, 7});
  set_folds({F, F, F, F, F, F, L, F, F, F});

  evaluate_winner(t);

  for (int k = 1; k <= kSeats; ++k)
    EXPECT_EQ(k == 7 ? hole_cards_face_up(k) : hole_cards_untouched(k), true) << "seat " << k;
  EXPECT_EQ(t.winnerlabel.caption(), "seat7 hand7");
}

TEST_F(Settlement, WithNoWinnerNothingIsPaidOrTurnedAndTheLabelKeepsTheDealsText) {
  mark_all_hole_cards();
  set_folds({F, F, F, F, F, F, F, F, F, F});
  t.winnerlabel.set_caption("seat4 Two Kind");
  t.pot = 120;

  evaluate_winner(t);

  EXPECT_EQ(t.numberofwinners, 0);
  EXPECT_EQ(t.winnerlabel.caption(), "seat4 Two Kind");
  EXPECT_TRUE(t.winnerlabel.visible());
  for (int k = 1; k <= kSeats; ++k) {
    EXPECT_EQ(seat(k).prize, 1000);
    EXPECT_TRUE(hole_cards_untouched(k));
  }
  EXPECT_EQ(t.pot, 120);
}

TEST_F(Settlement, RewritesEveryChipCountFromTheStacks) {
  const std::array<std::int32_t, kSeats> stacks{0, 1234, 7, 0, 20000, 3, 999, 40, 5, 61};
  for (int k = 1; k <= kSeats; ++k) {
    seat(k).prize = stacks[static_cast<std::size_t>(k - 1)];
    seat(k).fold = true;
    t.prize_label(k).set_caption("All in");
  }
  seat(4).Active = false;
  seat(1).prize = 50;  // keep the human in, so only the counts change

  evaluate_winner(t);

  const std::array<const char*, kSeats> shown{" 50", " 1234", " 7",  " 0", " 20000",
                                              " 3",  " 999",  " 40", " 5", " 61"};
  for (int k = 1; k <= kSeats; ++k)
    EXPECT_EQ(t.prize_label(k).caption(), shown[static_cast<std::size_t>(k - 1)]) << "seat " << k;
}

TEST_F(Settlement, ASecondCallInTheSameHandChangesNothing) {
  set_places({7, 7, 1, 7, 7, 7, 7, 7, 7, 7});
  set_folds({F, F, L, F, F, F, F, F, F, F});
  t.pot = 200;
  evaluate_winner(t);
  ASSERT_EQ(seat(3).prize, 1200);

  // What a turn running after the showdown would leave before calling it again.
  t.Timer1.set_enabled(false);
  t.roundtimer.set_enabled(true);
  seat(3).fold = true;
  seat(5).fold = false;
  seat(5).handrank = 1;
  seat(1).prize = 0;
  t.winnerlabel.set_caption("unchanged");
  t.numberofwinners = 1;

  evaluate_winner(t);

  EXPECT_EQ(seat(3).prize, 1200);
  EXPECT_EQ(seat(5).prize, 1000);
  EXPECT_EQ(seat(3).handrank, 1);
  EXPECT_EQ(t.winnerlabel.caption(), "unchanged");
  EXPECT_EQ(t.prize_label(1).caption(), " 1000");
  EXPECT_FALSE(t.Label24.visible());
  EXPECT_EQ(t.closer, 0);
  EXPECT_FALSE(t.Timer1.enabled()) << "no second hand-over";
  EXPECT_TRUE(t.roundtimer.enabled());
}

TEST_F(Settlement, HandsOverToTheNextHandTimerWhenTheTournamentGoesOn) {
  h.app.advance_by(500);
  evaluate_winner(t);

  EXPECT_TRUE(t.Timer1.enabled());
  EXPECT_EQ(t.Timer1.due(), h.app.now() + 13000);
  EXPECT_EQ(t.closer, 0);
  EXPECT_FALSE(t.Label24.visible());
}

// The real start-up records the pot chips' homes; after the award they stand there again.
TEST(SettlementAfterStartUp, PutsThePotChipsBackWhereTheStartUpFoundThem) {
  GameHarness h;
  tables& t = h.table;
  std::array<float, 11> tops{};
  std::array<float, 11> lefts{};
  for (int chip = 60; chip <= 70; ++chip) {
    tops[static_cast<std::size_t>(chip - 60)] = t.backchips[chip].top();
    lefts[static_cast<std::size_t>(chip - 60)] = t.backchips[chip].left();
  }
  h.open_table();
  for (int k = 1; k <= kSeats; ++k) {
    t.player(k).fold = k != 5 && k != 9;
    t.player(k).handrank = k == 5 ? 1 : 3;
  }
  t.gameover = false;
  t.pot = 60;
  const std::int32_t before = t.player(5).prize;

  evaluate_winner(t);

  EXPECT_EQ(t.player(5).prize, before + 60);
  for (int chip = 60; chip <= 70; ++chip) {
    const auto entry = static_cast<std::size_t>(chip - 60);
    EXPECT_FLOAT_EQ(t.backchips[chip].top(), tops[entry]) << "chip " << chip;
    EXPECT_FLOAT_EQ(t.backchips[chip].left(), lefts[entry]) << "chip " << chip;
    EXPECT_FALSE(t.backchips[chip].visible());
  }
}

}  // namespace
}  // namespace omaha::testing
