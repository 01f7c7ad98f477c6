// Closing seats, the raise counter, street ends and the all-others-folded test.
#include <array>

#include "betting/round_closing.h"
#include "betting/seat_rules.h"
#include "betting_table.h"

namespace omaha::testing {
namespace {

using RoundClosing = BettingTable;

TEST_F(RoundClosing, FirstActorMakesTheBigBlindTheCloseAndTheBigBlindEndsTheRound) {
  set_button(2);
  t.postblinds = true;
  put_in(3, 10);
  put_in(4, 20);
  give_turn(5);  // placed 5: folds
  EXPECT_EQ(t.flopshower, 4);
  for (int seat = 6; seat <= kSeats; ++seat)
    give_turn(seat);
  give_turn(1);  // the human's lamp: no blind due, no round end
  give_turn(2);
  give_turn(3);
  EXPECT_EQ(t.currentbet, 20) << "the round ended before the big blind's turn";
  give_turn(4);
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.player(4).totalbet, 0);
  EXPECT_EQ(t.pot, 30);
  EXPECT_TRUE(t.postflop1);
}

TEST_F(RoundClosing, FirstActorRuleForEverySeatWritesTheSeatBeforeIt) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (const bool raised : {false, true}) {
      lay_out_fresh_hand();
      set_button(seats_before(seat, 3));
      t.postblinds = t.postflop1 = true;
      t.raiser = raised;
      first_actor_rule(t, seat);
      const std::int16_t expected = raised ? 0 : static_cast<std::int16_t>(seat_before(seat));
      EXPECT_EQ(t.flopshower, expected) << "seat " << seat;
      EXPECT_EQ(t.flopshower1, expected) << "seat " << seat;
      EXPECT_EQ(t.flopshower2, 0) << "seat " << seat;  // the turn card is not out
    }
  }
  lay_out_fresh_hand();
  set_button(9);  // not three before seat 5
  t.postblinds = true;
  first_actor_rule(t, 5);
  EXPECT_EQ(t.flopshower, 0);
}

TEST_F(RoundClosing, HumanFoldWithTheButtonOnSeatEightMakesSeatTenTheClose) {
  set_button(8);
  t.postblinds = t.postflop1 = true;
  give_human_turn();
  app.click(t.Command8);
  EXPECT_EQ(t.flopshower, 10);
  EXPECT_EQ(t.flopshower1, 10);
  EXPECT_EQ(t.flopshower2, 0);
}

TEST_F(RoundClosing, PreFlopRaisesMoveTheCloseFourTimes) {
  t.postblinds = true;
  struct Raise {
    int seat;
    std::int16_t close, count;
  };
  for (const Raise r :
       {Raise{6, 5, 1}, Raise{8, 7, 2}, Raise{3, 2, 3}, Raise{5, 4, 4}, Raise{7, 4, 4}}) {
    t.player(r.seat).handrank = 1;
    const std::int32_t pot_before = t.pot;
    give_turn(r.seat);
    EXPECT_GT(t.pot, pot_before) << "seat " << r.seat << " paid its raise";
    EXPECT_EQ(t.flopshower, r.close) << "seat " << r.seat;
    EXPECT_EQ(t.raiservalue, r.count) << "seat " << r.seat;
  }
}

TEST_F(RoundClosing, RaiseCounterOnEachStreet) {
  struct Street {
    int open;  // open streets: 1 pre-flop ... 4 river
    std::int16_t first, second;
  };
  for (const Street s : {Street{1, 1, 2}, Street{2, 2, 4}, Street{3, 3, 6}, Street{4, 4, 4}}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    t.postflop1 = s.open >= 2;
    t.postflop2 = s.open >= 3;
    t.postflop3 = s.open >= 4;
    raise_bookkeeping(t, 6);
    EXPECT_EQ(t.raiservalue, s.first) << s.open;
    const std::array<std::int16_t, 4> closes{t.flopshower, t.flopshower1, t.flopshower2,
                                             t.flopshower3};
    for (int street = 0; street < 4; ++street) {
      EXPECT_EQ(closes[static_cast<std::size_t>(street)], street < s.open ? 5 : 0) << s.open;
    }
    raise_bookkeeping(t, 2);
    EXPECT_EQ(t.raiservalue, s.second) << s.open;
    EXPECT_EQ(t.flopshower, s.second == s.first ? 5 : 1) << s.open;
    EXPECT_TRUE(t.raiser);
  }
}

TEST_F(RoundClosing, ClosingSeatThatRaisesKeepsTheRoundGoingUntilTheCounterIsFull) {
  for (const std::int16_t count : {0, 4}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    t.flopshower = 4;
    t.raiservalue = count;
    t.raiser = true;
    put_in(3, 20);
    t.player(4).handrank = 1;
    give_turn(4);
    const bool ends = count == 4;
    EXPECT_EQ(t.currentbet, ends ? 0 : 120) << count;
    EXPECT_EQ(t.flopshower, ends ? 4 : 3) << count;
  }
}

TEST_F(RoundClosing, FoldedClosingSeatEndsTheRoundBeforeItHandsOn) {
  t.postblinds = true;
  t.flopshower = 4;
  t.player(4).fold = true;
  put_in(3, 20);
  t.player(5).handrank = 1;  // raises a tenth of its stack plus whatever it owes
  give_turn(4);
  EXPECT_EQ(t.player(3).totalbet, 0);
  EXPECT_EQ(t.player(5).bet, 50) << "seat 5 opens the new round owing nothing";
}

TEST_F(RoundClosing, EarlierStreetEndsAgainAtTheSeatThatClosedIt) {
  t.postblinds = t.postflop1 = true;
  t.flopshower = 4;  // closed the pre-flop round; the flop has no close yet
  t.raiser = true;
  t.player(4).fold = true;
  put_in(2, 30);
  give_turn(4);
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.player(2).totalbet, 0);
  EXPECT_EQ(t.pot, 30);
}

TEST_F(RoundClosing, AllOthersFoldedSettlesTheHandAtThatSeatsTurn) {
  fold_all_but({8});
  t.postblinds = true;
  put_in(8, 40);
  t.player(8).handrank = 3;
  give_turn(8);
  EXPECT_EQ(t.player(8).handrank, 1);
  EXPECT_TRUE(t.gameover);
  EXPECT_EQ(t.player(8).prize, 1000);  // its 960 and the pot of 40
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.focuser, 8);
  EXPECT_TRUE(t.roundtimer.enabled());  // the turn still ends by switching the clock on
  give_turn(2);
  give_turn(8);  // a later turn of the same seat settles nothing twice
  EXPECT_EQ(t.player(8).prize, 1000);
}

TEST_F(RoundClosing, NothingReopensOnceTheHandIsOver) {
  t.gameover = true;
  t.postblinds = true;
  t.flopshower = 4;
  put_in(2, 30);
  fold_all_but({});  // seat 4 folded too, and it closes the round
  give_turn(4);
  EXPECT_EQ(t.currentbet, 30);
  EXPECT_EQ(t.player(4).handrank, 5);
  raise_bookkeeping(t, 6);
  first_actor_rule(t, 4);
  EXPECT_FALSE(t.raiser);
  EXPECT_EQ(t.flopshower, 4);
}

TEST_F(RoundClosing, RiverCloseClearsTheBetsAndStartsTheShowdown) {
  t.postblinds = t.postflop1 = t.postflop2 = t.postflop3 = true;
  t.raiser = true;
  t.flopshower3 = 6;
  put_in(5, 50);
  put_in(6, 50);
  t.player(6).fold = true;
  give_turn(6);
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.pot, 100);
  EXPECT_TRUE(t.gameover);
  EXPECT_FALSE(t.Command6.visible());
}

}  // namespace
}  // namespace omaha::testing
