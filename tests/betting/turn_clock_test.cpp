// The turn clock's tick: the clock rule, the hand-over, the end-of-hand parking, the limit
// ladder.
#include "betting_table.h"

namespace omaha::testing {
namespace {

class TurnClock : public BettingTable {
 protected:
  // The pre-flop round just closed at the big blind on seat 4 (button on seat 2): the flop is
  // out and nothing has been bet on it yet.
  void close_preflop_at_seat_four() {
    set_button(2);
    t.postblinds = true;
    t.flopshower = 4;
    put_in(3, 10);
    put_in(4, 20);
    give_turn(4);  // placed 5: folds, and its turn ends the round
  }
};

TEST_F(TurnClock, FirstTickAfterTheFlopGivesTheHumanTheTurnAndTheRiversClose) {
  close_preflop_at_seat_four();
  ASSERT_EQ(t.currentbet, 0);
  ASSERT_EQ(t.focuser, 4);
  tick();
  EXPECT_EQ(t.flopshower3, 1);
  EXPECT_EQ(t.focuser, 10);
  EXPECT_TRUE(t.Command5.has_focus() || t.Command7.has_focus());
  EXPECT_TRUE(t.Command7.visible());  // nothing to call: Check
  EXPECT_FALSE(t.roundtimer.enabled());
  EXPECT_FALSE(t.player(5).fold);  // seat 5 was passed over
}

TEST_F(TurnClock, ClockRuleFiresOncePerHand) {
  t.postblinds = t.postflop1 = true;
  t.flopshower3 = 1;  // fired earlier in the hand
  t.focuser = 4;
  t.roundtimer.set_enabled(true);
  tick();
  EXPECT_EQ(t.focuser, 5);
  EXPECT_FALSE(t.Command5.visible());
}

TEST_F(TurnClock, ClockRuleWaitsWhileABetStands) {
  t.postblinds = true;
  t.currentbet = 20;
  t.focuser = 4;
  t.roundtimer.set_enabled(true);
  tick();
  EXPECT_EQ(t.flopshower3, 0);
  EXPECT_EQ(t.focuser, 5);
}

TEST_F(TurnClock, AfterTheHandTheTickParksTheFocusOnExit) {
  struct Case {
    std::int16_t focuser;
    std::int16_t focuser_after;
  };
  for (const Case c : {Case{10, 10}, Case{4, 5}}) {
    lay_out_fresh_hand();
    t.gameover = true;
    t.postblinds = true;
    t.flopshower3 = 1;
    t.focuser = c.focuser;
    t.Text2.set_visible(true);
    t.roundtimer.set_enabled(true);
    tick();
    EXPECT_FALSE(t.Command5.visible()) << c.focuser;  // the tick never hands the human a turn
    EXPECT_TRUE(t.Command2.has_focus()) << c.focuser;
    EXPECT_FALSE(t.Text2.visible()) << c.focuser;
    EXPECT_EQ(t.focuser, c.focuser_after) << c.focuser;  // seat 5 had its (empty) turn
    EXPECT_EQ(t.player(5).prize, 1000);
  }
}

TEST_F(TurnClock, TickWithNobodyToHandOnOnlyCountsDown) {
  t.focuser = 0;
  t.roundtimer.set_enabled(true);
  tick();
  EXPECT_FALSE(t.postblinds);
  EXPECT_TRUE(t.Command2.has_focus());
  EXPECT_EQ(t.limittimersetting, 299);
  EXPECT_TRUE(t.roundtimer.enabled());
}

TEST_F(TurnClock, BlindsBetHandsTheTurnToTheLampAfterTheButton) {
  set_button(3);
  t.players_out = 995;  // no blinds, so the turn stays where it was given
  blinds_bet(t);
  EXPECT_TRUE(t.Picture5.has_focus());
  app.drain();
  set_button(10);
  blinds_bet(t);
  EXPECT_TRUE(t.Picture2.has_focus());  // the human's lamp, not the Call button
}

TEST_F(TurnClock, SeatThreeHidesTheStatusLineWhileTheHandIsOn) {
  t.Label24.set_visible(true);
  give_turn(3);
  EXPECT_FALSE(t.Label24.visible());
  t.Label24.set_visible(true);
  t.gameover = true;
  give_turn(2);
  give_turn(3);
  EXPECT_TRUE(t.Label24.visible());
}

// ---- the limit ladder ----

class LimitLadder : public BettingTable {
 protected:
  void run_ticks(int ticks) {
    t.roundtimer.set_enabled(true);
    app.advance_by(std::int64_t{2000} * ticks);
  }
};

TEST_F(LimitLadder, RisesOnTheTwoHundredNinetyNinthTickAndShowsItOnTheNext) {
  run_ticks(298);
  EXPECT_EQ(t.limits, 10);
  EXPECT_EQ(t.limittimersetting, 2);
  EXPECT_FALSE(t.Label24.visible());
  run_ticks(1);
  EXPECT_EQ(t.limittimersetting, 300);
  EXPECT_EQ(t.limits, 25);
  EXPECT_EQ(t.level, 2);
  EXPECT_TRUE(t.Label24.visible());
  EXPECT_EQ(t.Label24.caption(), "Limits Are Going Up");
  EXPECT_EQ(t.limitsdisplay.caption(), "Limits    10  -   20");
  run_ticks(1);
  EXPECT_EQ(t.limitsdisplay.caption(), "Limits    25  -   50");
  EXPECT_EQ(t.limitslabel.caption(), "Limits Go Up in Every 10 mins");
}

TEST_F(LimitLadder, ClimbsEveryRungEveryTwoHundredNinetyNineTicks) {
  // The limit at each level, 1 to 13.
  const std::int32_t limit_at[] = {10,   25,    50,    100,   500,   1000,  2000,
                                   5000, 10000, 20000, 25000, 50000, 100000};
  for (int level = 2; level <= 13; ++level) {
    t.Label24.set_visible(false);
    run_ticks(298);
    EXPECT_EQ(t.limits, limit_at[level - 2]) << "a tick before level " << level;
    run_ticks(1);
    EXPECT_EQ(t.level, level);
    EXPECT_EQ(t.limits, limit_at[level - 1]) << level;
    EXPECT_EQ(t.Label24.visible(), level < 13) << level;  // the rise to the top is silent
  }
}

TEST_F(LimitLadder, LastRiseIsSilentAndTheTopStays) {
  t.limits = 50000;
  t.level = 12;
  t.limittimersetting = 2;
  run_ticks(1);
  EXPECT_EQ(t.limits, 100000);
  EXPECT_EQ(t.level, 13);
  EXPECT_FALSE(t.Label24.visible());
  t.limittimersetting = 2;
  run_ticks(1);
  EXPECT_EQ(t.limits, 100000);
  EXPECT_EQ(t.level, 13);
  EXPECT_EQ(t.limittimersetting, 300);
  EXPECT_EQ(t.limitsdisplay.caption(), "Limits    100000  -   200000");
}

TEST_F(LimitLadder, RiseAfterTheHumansTournamentEndedKeepsTheEndMessage) {
  t.closer = 1;
  t.Label24.set_visible(true);
  t.Label24.set_caption("Your Finished With  477 Players Still in Tournament");
  t.limittimersetting = 2;
  run_ticks(1);
  EXPECT_EQ(t.limits, 25);
  EXPECT_EQ(t.Label24.caption(), "Your Finished With  477 Players Still in Tournament");
}

TEST_F(LimitLadder, ClockStandsStillDuringTheHumansTurn) {
  t.focuser = 10;
  t.postblinds = true;
  t.currentbet = 20;
  run_ticks(1);
  ASSERT_TRUE(t.Command5.visible());
  app.advance_by(60000);
  EXPECT_EQ(t.limittimersetting, 299);
}

}  // namespace
}  // namespace omaha::testing
