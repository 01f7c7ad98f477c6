// A computer seat's decision by its place, and the payment that follows it.
#include "betting/computer_decision.h"
#include "betting_table.h"

namespace omaha::testing {
namespace {

class ComputerSeat : public BettingTable {
 protected:
  void SetUp() override {
    BettingTable::SetUp();
    t.postblinds = true;
  }
  // Seat `seat` at place `place` with `stack` chips, owing `to_call` to the round's bet.
  void seat_at(int seat, std::int16_t place, std::int32_t stack, std::int32_t to_call) {
    t.player(seat).handrank = place;
    t.player(seat).prize = stack;
    t.currentbet = to_call;
  }
};

TEST_F(ComputerSeat, TopPlaceRaisesATenthOfItsStackOnTopOfTheCall) {
  seat_at(2, 1, 1000, 20);
  give_turn(2);
  const player_record& p = t.player(2);
  EXPECT_EQ(p.bet, 120);
  EXPECT_EQ(p.prize, 880);
  EXPECT_EQ(p.totalbet, 120);
  EXPECT_EQ(t.currentbet, 120);
  EXPECT_EQ(t.pot, 120);
  EXPECT_EQ(t.Label14.caption(), " 880");
  EXPECT_EQ(t.potlabel.caption(), " 120");
  EXPECT_EQ(t.chiplabel2.caption(), " 120");
  EXPECT_TRUE(t.chiplabel2.visible());
  EXPECT_TRUE(t.raiser);
  EXPECT_EQ(t.flopshower, 1);
  EXPECT_EQ(t.raiservalue, 1);
  EXPECT_EQ(t.focuser, 2);
  EXPECT_TRUE(t.roundtimer.enabled());
}

TEST_F(ComputerSeat, RaisesRoundHalfToEvenAndIgnoreTheLimit) {
  struct Case {
    int seat;
    std::int16_t place;
    std::int32_t stack, to_call, limits, bet;
  };
  for (const Case c :
       {Case{2, 1, 985, 0, 10, 98}, Case{2, 1, 995, 0, 10, 100}, Case{7, 3, 300, 40, 10, 48},
        Case{2, 1, 1000, 0, 1000, 100}, Case{5, 1, 1000, 0, 10, 50}, Case{10, 2, 1000, 5, 10, 105},
        Case{3, 4, 1000, 0, 10, 40}}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    t.limits = c.limits;
    seat_at(c.seat, c.place, c.stack, c.to_call);
    give_turn(c.seat);
    EXPECT_EQ(t.player(c.seat).bet, c.bet) << "seat " << c.seat << " stack " << c.stack;
    EXPECT_EQ(t.player(c.seat).prize, c.stack - c.bet) << "seat " << c.seat;
  }
}

TEST_F(ComputerSeat, RaiseThatRoundsToNothingPaysNothingButCounts) {
  seat_at(7, 1, 12, 0);
  give_turn(7);
  EXPECT_EQ(t.player(7).prize, 12);
  EXPECT_EQ(t.pot, 0);
  EXPECT_FALSE(t.chiplabel7.visible());
  EXPECT_TRUE(t.raiser);
  EXPECT_EQ(t.flopshower, 6);
  EXPECT_EQ(t.raiservalue, 1);
}

TEST_F(ComputerSeat, PaymentOfTheWholeStackGoesAllIn) {
  struct Case {
    int seat;
    std::int16_t place;
    std::int32_t stack, to_call;
  };
  for (const Case c : {Case{5, 2, 50, 60}, Case{2, 1, 100, 90}}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    seat_at(c.seat, c.place, c.stack, c.to_call);
    give_turn(c.seat);
    EXPECT_EQ(t.player(c.seat).bet, c.stack);
    EXPECT_EQ(t.player(c.seat).prize, 0);
    EXPECT_TRUE(t.player(c.seat).allin);
    EXPECT_EQ(t.prize_label(c.seat).caption(), "All in");
  }
}

TEST_F(ComputerSeat, AloneAgainstAllInSeatsTwoToFourCallAndTheOthersPutInNothing) {
  for (int seat = 2; seat <= kSeats; ++seat) {
    lay_out_fresh_hand();
    t.postblinds = true;
    fold_all_but({1, seat});
    t.player(1).allin = true;
    t.player(1).handrank = 1;  // the human wins the run-out hand
    seat_at(seat, 2, 20, 30);
    give_turn(seat);
    const bool calls = seat <= 4;
    EXPECT_EQ(t.player(seat).prize, calls ? 0 : 20) << "seat " << seat;
    EXPECT_EQ(t.player(seat).allin, calls) << "seat " << seat;
    EXPECT_EQ(t.pot, calls ? 20 : 0) << "seat " << seat;
    EXPECT_FALSE(t.player(seat).fold) << "seat " << seat;
    EXPECT_FALSE(t.raiser) << "seat " << seat;  // neither is a raise
    EXPECT_EQ(t.raiservalue, 0) << "seat " << seat;
  }
}

TEST_F(ComputerSeat, PlacesTwoToFourRaiseUntilTheRiverAndFoldOnIt) {
  for (const double draw : {0.0, 0.4, 0.9}) {  // every fold street
    for (int street = 0; street <= 3; ++street) {
      lay_out_fresh_hand();
      app.random().use_sequence({draw});
      t.postblinds = true;
      t.postflop1 = street >= 1;
      t.postflop2 = street >= 2;
      t.postflop3 = street >= 3;
      seat_at(6, 3, 1000, 0);
      give_turn(6);
      const bool river = street == 3;
      EXPECT_EQ(t.player(6).fold, river) << "street " << street << " draw " << draw;
      EXPECT_EQ(t.player(6).prize, river ? 1000 : 950) << "street " << street;
      EXPECT_EQ(t.hole_card(6, 1).visible(), !river);
    }
  }
}

TEST_F(ComputerSeat, PlaceFiveFoldsAtItsFirstDecisionWithNothingToCall) {
  seat_at(9, 5, 1000, 0);
  give_turn(9);
  EXPECT_TRUE(t.player(9).fold);
  for (int card = 1; card <= 4; ++card) {
    EXPECT_FALSE(t.hole_card(9, card).visible());
  }
  EXPECT_EQ(t.player(9).prize, 1000);
}

TEST_F(ComputerSeat, FoldAfterTheSmallBlindLeavesItsChipsOnTheTable) {
  put_in(3, 10);
  chips_player_show(t, 10, 3);
  t.currentbet = 20;
  give_turn(3);
  EXPECT_TRUE(t.player(3).fold);
  EXPECT_EQ(t.pot, 10);
  EXPECT_EQ(t.currentbet, 20);
  EXPECT_TRUE(t.chiplabel3.visible());
}

TEST_F(ComputerSeat, NoDecisionBeforeTheRoundOpensAfterTheHandOrWhenAllIn) {
  for (int gate = 0; gate < 3; ++gate) {
    lay_out_fresh_hand();
    seat_at(5, 1, 1000, 0);
    t.postblinds = gate != 0;
    t.gameover = gate == 1;
    t.player(5).allin = gate == 2;
    give_turn(5);
    EXPECT_EQ(t.player(5).prize, 1000) << gate;
    EXPECT_FALSE(t.raiser) << gate;
    EXPECT_EQ(t.focuser, gate == 2 ? 6 : 5) << gate;  // an all-in seat hands on at once
  }
}

TEST(FoldStreet, DrawGivesOneTwoOrThreeAlsoForADrawJustBelowOne) {
  GameHarness h;
  h.open_table();
  for (const double draw : {0.0, 0.3333, 0.5, 0.6667, 0.99999999999}) {
    h.app.random().use_sequence({draw});
    folder_value(h.table);
    EXPECT_EQ(h.table.folder, draw < 1.0 / 3 ? 1 : draw < 2.0 / 3 ? 2 : 3) << draw;
  }
}

}  // namespace
}  // namespace omaha::testing
