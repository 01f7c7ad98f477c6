// Blinds: the chain that blinds_bet starts, for the button on every seat.
#include "betting/seat_rules.h"
#include "betting_table.h"

namespace omaha::testing {
namespace {

class BlindsForButton : public BettingTable, public ::testing::WithParamInterface<int> {};
using Blinds = BettingTable;

TEST_P(BlindsForButton, SmallAndBigBlindArePostedOnceAndTheRoundOpensAfterTheBigBlind) {
  const int button = GetParam();
  const int small = seat_after(button);
  const int big = seat_after(small);
  set_button(button);
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).handrank = 5;  // every seat that decides folds

  blinds_bet(t);
  Command4_Click(t);
  app.drain();

  for (int seat = 1; seat <= kSeats; ++seat) {
    const std::int32_t paid = seat == small ? 10 : seat == big ? 20 : 0;
    EXPECT_EQ(t.player(seat).prize, 1000 - paid) << "seat " << seat;
  }
  EXPECT_EQ(t.pot, 30);
  EXPECT_EQ(t.currentbet, 20);
  EXPECT_EQ(t.potlabel.caption(), " 30");
  EXPECT_EQ(t.bet_label(small).caption(), " 10");
  EXPECT_EQ(t.bet_label(big).caption(), " 20");
  EXPECT_TRUE(t.bet_label(big).visible());
  EXPECT_TRUE(t.seat_chip(big, 0).visible());
  EXPECT_TRUE(t.roundtimer.enabled());

  if (big == 1) {
    // The human's big blind opens the round and hands on at once: seat 2 decides (folds).
    EXPECT_TRUE(t.postblinds);
    EXPECT_TRUE(t.player(2).fold);
    EXPECT_EQ(t.focuser, 2);
  } else {
    // A computer big blind keeps the turn; the next tick opens the round after it.
    EXPECT_FALSE(t.postblinds);
    EXPECT_EQ(t.focuser, big);
    tick();
    EXPECT_TRUE(t.postblinds);
    if (big == kSeats) {
      EXPECT_TRUE(t.Command5.visible());  // the human decides: " 20" to call
      EXPECT_EQ(t.Command5.caption(), " 20");
      EXPECT_FALSE(t.roundtimer.enabled());
    } else {
      EXPECT_TRUE(t.player(big + 1).fold);
      EXPECT_EQ(t.focuser, big + 1);
    }
  }
  for (int seat = 1; seat <= kSeats; ++seat)
    if (seat != small && seat != big && seat != big % kSeats + 1) {
      EXPECT_FALSE(t.player(seat).fold) << "seat " << seat << " acted out of turn";
    }
}

INSTANTIATE_TEST_SUITE_P(EverySeat, BlindsForButton, ::testing::Range(1, kSeats + 1),
                         [](const auto& info) {
                           return "ButtonOnSeat" + std::to_string(info.param);
                         });

TEST_F(Blinds, HumanBigBlindHandsSeatTwoAnOpenDecision) {
  set_button(9);
  t.player(2).handrank = 1;  // seat 2 raises: 1000 / 10 + 20 to call
  blinds_bet(t);
  app.drain();
  EXPECT_EQ(t.player(10).prize, 990);
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_EQ(t.player(2).totalbet, 120);
  EXPECT_EQ(t.pot, 150);
  EXPECT_EQ(t.flopshower, 1);
}

TEST_F(Blinds, SmallBlindOfTheWholeStackGoesAllInAndTheBigBlindIsPostedOnce) {
  set_button(2);
  t.player(3).prize = 10;
  blinds_bet(t);
  app.drain();
  EXPECT_EQ(t.player(3).prize, 0);
  EXPECT_TRUE(t.player(3).allin);
  EXPECT_EQ(t.Label15.caption(), "All in");
  EXPECT_EQ(t.player(4).prize, 980);  // its lamp already held the focus: one turn, one blind
  EXPECT_EQ(t.pot, 30);
}

// Seat 10 has already handed the turn to the human's big blind; its skip path must not start
// the human's decision as well, or the panel would stay up, offering Check against later raises.
TEST_F(Blinds, SeatTenAllInOnItsSmallBlindLeavesTheHumanToDecideInTurn) {
  set_button(9);
  t.player(10).prize = 10;
  t.player(4).handrank = 1;  // raises when its turn comes
  blinds_bet(t);
  app.drain();
  EXPECT_TRUE(t.player(10).allin);
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_TRUE(t.player(2).fold);  // seat 2 decided at once
  EXPECT_FALSE(t.Command8.visible()) << "the human was offered a decision out of turn";
  EXPECT_TRUE(t.roundtimer.enabled());
  for (int seat = 3; seat <= kSeats; ++seat)
    tick();
  EXPECT_EQ(t.currentbet, 120);
  EXPECT_TRUE(t.Command5.visible());
  EXPECT_FALSE(t.Command7.visible());
  EXPECT_EQ(t.Command5.caption(), " 100");
}

TEST_F(Blinds, AllInBigBlindHandsOnAndTheNextSeatWaitsForTheRoundToOpen) {
  set_button(2);
  t.player(4).prize = 15;
  t.player(5).handrank = 1;  // would raise if it could decide
  blinds_bet(t);
  app.drain();
  EXPECT_TRUE(t.player(4).allin);
  EXPECT_EQ(t.currentbet, 15);
  EXPECT_EQ(t.player(5).prize, 1000);  // no decision while the round is not open
  EXPECT_EQ(t.focuser, 5);
  tick();
  EXPECT_TRUE(t.postblinds);
  EXPECT_EQ(t.focuser, 6);
}

TEST_F(Blinds, BigBlindCappedBelowTheSmallBlindLowersTheBetAndNobodyPaysANegativeCall) {
  set_button(2);
  t.player(4).prize = 5;
  blinds_bet(t);
  app.drain();
  EXPECT_EQ(t.currentbet, 5);  // below the small blind's 10
  fold_all_but({3, 4});
  t.postblinds = true;
  t.player(3).handrank = 2;  // alone against an all-in seat: seat 3 calls -5
  t.player(4).handrank = 1;
  give_turn(3);
  EXPECT_EQ(t.player(3).prize, 990);
  EXPECT_EQ(t.pot, 15);
}

TEST_F(Blinds, SittingOutHumanPostsTheBlindWithItsLampDark) {
  set_button(9);
  t.player(1).sittingout = true;
  blinds_bet(t);
  app.drain();
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
  EXPECT_EQ(t.Picture2.back_colour(), turn_light_off);
}

TEST_F(Blinds, NoBlindsAboveNineHundredNinetyOut) {
  for (const std::int16_t out : {990, 991}) {
    lay_out_fresh_hand();
    t.players_out = out;
    set_button(4);
    t.player(5).handrank = 1;
    blinds_bet(t);
    app.drain();
    const bool blinds = out == 990;
    EXPECT_EQ(t.player(5).prize, blinds ? 990 : 1000) << out;
    EXPECT_EQ(t.player(6).prize, blinds ? 980 : 1000) << out;
    EXPECT_EQ(t.focuser, blinds ? 6 : 5) << out;
    if (!blinds) {
      EXPECT_EQ(t.Shape3.fill_colour(), turn_light_on);  // seat 5 lit its light and kept the turn
    }
  }
}

TEST_F(Blinds, HumanLampAtTheFinalTablePostsNothingAndLeavesTheClock) {
  t.players_out = 995;
  t.focuser = 7;
  set_button(10);
  blinds_bet(t);
  app.drain();
  EXPECT_EQ(t.player(1).prize, 1000);
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_on);
  EXPECT_EQ(t.focuser, 7);
  EXPECT_FALSE(t.roundtimer.enabled());
}

TEST_F(Blinds, SittingOutButtonHolderTakesTheButtonAndItsCardsOffTheTable) {
  t.player(4).sittingout = true;
  set_button(4);
  t.Label1.set_visible(true);
  t.focuser = 3;
  t.roundtimer.set_enabled(true);
  tick();
  EXPECT_FALSE(t.Label1.visible());
  EXPECT_FLOAT_EQ(t.Label1.top(), t.hole_card(4, 4).top() + 500);
  EXPECT_FLOAT_EQ(t.Label1.left(), t.hole_card(4, 4).left() + 500);
  for (int card = 1; card <= 4; ++card) {
    EXPECT_FALSE(t.hole_card(4, card).visible());
  }
  EXPECT_TRUE(t.player(4).fold);
}

}  // namespace
}  // namespace omaha::testing
