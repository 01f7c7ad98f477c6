// Chips on the table, the round's bet reset and the dealer button.
#include "betting_table.h"

namespace omaha::testing {
namespace {

using Chips = BettingTable;
using DealerButton = BettingTable;

TEST_F(Chips, ShowingABetShowsAllSixChipsAndTheAmountEvenForNothing) {
  t.seat_chip(1, 3).move(0, 0);
  chips_player_show(t, 0, 1);
  EXPECT_EQ(t.chiplabel1.caption(), " 0");
  EXPECT_TRUE(t.chiplabel1.visible());
  for (int chip = 0; chip < 6; ++chip) {
    EXPECT_TRUE(t.seat_chip(1, chip).visible()) << chip;
  }
  EXPECT_FLOAT_EQ(t.seat_chip(1, 3).top(), 6696);
  EXPECT_FLOAT_EQ(t.seat_chip(1, 3).left(), 4992);

  const float left = t.seat_chip(7, 2).left();
  chips_player_show(t, 250, 7);
  EXPECT_EQ(t.chiplabel7.caption(), " 250");
  EXPECT_FLOAT_EQ(t.seat_chip(7, 2).left(), left);
  chips_player_show(t, 5, 11);  // no such seat
  chips_player_hide(t, 7);
  EXPECT_FALSE(t.seat_chip(7, 0).visible());
  EXPECT_FALSE(t.chiplabel7.visible());
}

TEST_F(Chips, PotPileGrowsByTheGroupOfTheRoundThatEnded) {
  chips_player_show(t, 20, 4);
  chips_to_pot(t, 2);
  EXPECT_FALSE(t.chiplabel4.visible());
  EXPECT_FALSE(t.seat_chip(4, 5).visible());
  for (int chip = 60; chip <= 90; ++chip) {
    EXPECT_EQ(t.backchips[chip].visible(), chip >= 76 && chip <= 83) << chip;
  }
  EXPECT_TRUE(t.potlabel.visible());
  t.potlabel.set_caption(" 77");
  chips_to_pot(t, 1);
  chips_to_pot(t, 3);
  for (int chip = 60; chip <= 90; ++chip) {
    EXPECT_TRUE(t.backchips[chip].visible()) << chip;
  }
  EXPECT_EQ(t.potlabel.caption(), " 77");
}

TEST_F(Chips, LevelsOutsideOneToThreeOnlyClearTheSeats) {
  for (const int level : {0, 4}) {
    lay_out_fresh_hand();
    t.potlabel.set_visible(false);
    chips_player_show(t, 20, 9);
    chips_to_pot(t, level);
    EXPECT_FALSE(t.chiplabel9.visible()) << level;
    EXPECT_FALSE(t.potlabel.visible()) << level;
    for (int chip = 60; chip <= 90; ++chip) {
      EXPECT_FALSE(t.backchips[chip].visible()) << chip;
    }
  }
}

TEST_F(Chips, RoundResetClearsTheBetsButKeepsThePot) {
  put_in(2, 40);
  put_in(3, 60);
  t.player(3).bet = 60;
  t.player(4).fold = t.player(4).allin = true;
  zero_total_bets(t);
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.player(3).bet, 0);
  EXPECT_EQ(t.player(3).totalbet, 0);
  EXPECT_EQ(t.pot, 100);
  EXPECT_TRUE(t.player(4).fold);
  remove_folds(t);
  EXPECT_FALSE(t.player(4).fold);
  EXPECT_FALSE(t.player(4).allin);
}

TEST_F(DealerButton, MovesOneSeatOnAndRenumbersTheTable) {
  struct Case {
    int button, new_button;
  };
  for (const Case c : {Case{10, 1}, Case{3, 4}}) {
    lay_out_fresh_hand();
    set_button(c.button);
    t.postblinds = true;
    next_dealer(t);
    for (int seat = 1; seat <= kSeats; ++seat) {
      EXPECT_EQ(t.player(seat).dealer, 1 + (seat - c.new_button + kSeats) % kSeats) << seat;
    }
    EXPECT_EQ(t.player(c.button).dealer, 10);
    const Control& fourth = t.Image1[4 * (c.new_button - 1) + 3];
    EXPECT_FLOAT_EQ(t.Label1.top(), fourth.top() + 500);
    EXPECT_FLOAT_EQ(t.Label1.left(), fourth.left() + 500);
    EXPECT_TRUE(t.Label1.visible());
    EXPECT_EQ(t.focuser, c.button);
    EXPECT_FALSE(t.postblinds);
  }
}

TEST_F(DealerButton, LowestMarkedSeatCountsAndNoMarkOnlyResetsTheRound) {
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).dealer = 0;
  t.player(4).dealer = t.player(5).dealer = 1;
  next_dealer(t);
  EXPECT_EQ(t.player(5).dealer, 1);
  EXPECT_EQ(t.focuser, 4);

  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).dealer = 0;
  t.focuser = 7;
  t.postblinds = true;
  t.Label1.set_visible(false);
  next_dealer(t);
  EXPECT_FALSE(t.postblinds);
  EXPECT_EQ(t.focuser, 7);
  EXPECT_FALSE(t.Label1.visible());
  EXPECT_EQ(t.player(1).dealer, 0);
}

}  // namespace
}  // namespace omaha::testing
