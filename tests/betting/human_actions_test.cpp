// The human's actions: Call, Check, Fold, Raise, Bet It, Enter and Sit Out.
#include <string>

#include "betting/human_actions.h"
#include "betting_table.h"

namespace omaha::testing {
namespace {

class HumanAction : public BettingTable {
 protected:
  void SetUp() override {
    BettingTable::SetUp();
    t.postblinds = true;
  }
  // The human owes `to_call` and has the panel.
  void human_owes(std::int32_t to_call) {
    put_in(5, to_call);
    give_human_turn();
  }
  void type_amount(const std::string& text) {
    app.click(t.Text2);
    app.type_text(t, text);
  }
};

TEST_F(HumanAction, CallPaysTheCallAndHandsTheTurnToSeatTwo) {
  human_owes(20);
  app.click(t.Command5);
  const player_record& human = t.player(1);
  EXPECT_EQ(human.bet, 20);
  EXPECT_EQ(human.totalbet, 20);
  EXPECT_EQ(human.prize, 980);
  EXPECT_EQ(t.Label13.caption(), " 980");
  EXPECT_EQ(t.pot, 40);
  EXPECT_EQ(t.potlabel.caption(), " 40");
  EXPECT_EQ(t.currentbet, 20);
  EXPECT_EQ(t.chiplabel1.caption(), " 20");
  EXPECT_FLOAT_EQ(t.seat_chip(1, 0).top(), 6516);
  EXPECT_FLOAT_EQ(t.seat_chip(1, 5).left(), 5100);
  EXPECT_FALSE(t.Command6.visible());
  EXPECT_EQ(t.focuser, 1);
  EXPECT_TRUE(t.roundtimer.enabled());
  t.player(2).handrank = 1;
  tick();
  EXPECT_EQ(t.player(2).bet, 120);
}

TEST_F(HumanAction, CallOfMoreThanTheStackGoesAllIn) {
  t.player(1).prize = 30;
  human_owes(50);
  app.click(t.Command5);
  EXPECT_EQ(t.player(1).bet, 30);
  EXPECT_EQ(t.player(1).prize, 0);
  EXPECT_EQ(t.Label13.caption(), "All in");
  EXPECT_TRUE(t.player(1).allin);
}

TEST_F(HumanAction, CallOfANegativeAmountPaysNothing) {
  put_in(1, 10);  // the small blind, over a big blind capped at 5
  t.currentbet = 5;
  give_human_turn();
  EXPECT_EQ(t.Command5.caption(), "-5");
  EXPECT_TRUE(t.Command7.visible());
  Command5_Click(t);  // a Call of -5 pays 0: no chips come back from the pot
  EXPECT_EQ(t.player(1).bet, 0);
  EXPECT_EQ(t.player(1).prize, 990);
  EXPECT_EQ(t.pot, 10);
}

TEST_F(HumanAction, CheckPaysNothingAndClosesTheRoundItCloses) {
  t.flopshower = 1;
  put_in(1, 20);
  put_in(5, 20);
  give_human_turn();
  app.click(t.Command7);
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_EQ(t.Label13.caption(), " 980");
  EXPECT_EQ(t.pot, 40);
  EXPECT_EQ(t.currentbet, 0);  // the round ended before the clock restarted
  EXPECT_EQ(t.focuser, 1);
  EXPECT_TRUE(t.roundtimer.enabled());
  EXPECT_TRUE(t.postflop1);
  EXPECT_TRUE(t.Image1[42].visible());
}

// Closing the turn round and then the river settles the hand and parks the focus on "Exit". The
// clock stays off after Call, whose focus-leave only darkens the light; leaving Check or Fold
// switches it on again. A Fold leaves the turn with the human even then, for the tick to hand
// on; a Call or Check that settles the hand leaves it where it was.
TEST_F(HumanAction, ClosingTheRiverSettlesTheHand) {
  struct Case {
    platform::Control& button;
    std::int32_t owed;
    bool clock_after;
    int focuser_after;
  };
  for (const Case& c : {Case{t.Command5, 20, false, kSeats}, Case{t.Command7, 0, true, kSeats},
                        Case{t.Command8, 20, true, 1}}) {
    SCOPED_TRACE(c.button.name());
    lay_out_fresh_hand();
    t.postblinds = t.postflop1 = t.postflop2 = true;
    t.raiser = true;
    t.flopshower2 = 1;
    t.flopshower3 = 1;  // the clock rule fired earlier
    put_in(1, 20);
    put_in(5, 20 + c.owed);
    give_human_turn();
    app.click(c.button);
    EXPECT_EQ(t.currentbet, 0);
    EXPECT_TRUE(t.postflop3);
    EXPECT_TRUE(t.gameover);
    EXPECT_TRUE(t.Command2.has_focus());
    EXPECT_TRUE(t.Timer1.enabled());
    EXPECT_EQ(t.roundtimer.enabled(), c.clock_after);
    EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
    EXPECT_EQ(t.focuser, c.focuser_after);
  }
}

TEST_F(HumanAction, FoldHidesTheCardsKeepsTheChipsAndRecordsTheHuman) {
  put_in(1, 20);
  human_owes(60);
  app.click(t.Command8);
  EXPECT_TRUE(t.player(1).fold);
  for (int card = 1; card <= 4; ++card) {
    EXPECT_FALSE(t.hole_card(1, card).visible());
  }
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_EQ(t.pot, 80);
  EXPECT_EQ(t.focuser, 1);
  EXPECT_TRUE(t.roundtimer.enabled());
  EXPECT_FALSE(t.Command11.visible());
}

TEST_F(HumanAction, RaiseAddsTwiceTheLimitAndMovesTheCloseToSeatTen) {
  t.limits = 25;
  give_human_turn();
  app.click(t.Command6);
  EXPECT_EQ(t.player(1).bet, 50);
  EXPECT_TRUE(t.raiser);
  EXPECT_EQ(t.raiservalue, 1);
  EXPECT_EQ(t.flopshower, 10);
  EXPECT_EQ(t.currentbet, 50);
  EXPECT_EQ(t.focuser, 1);
}

TEST_F(HumanAction, RiverRaiseCountsEveryOpenStreetOnce) {
  t.postflop1 = t.postflop2 = t.postflop3 = true;
  t.raiservalue = 3;
  give_human_turn();
  app.click(t.Command6);
  EXPECT_EQ(t.raiservalue, 7);
  for (const std::int16_t close : {t.flopshower, t.flopshower1, t.flopshower2, t.flopshower3}) {
    EXPECT_EQ(close, 10);
  }
  t.flopshower3 = 4;
  give_human_turn();
  app.click(t.Command6);
  EXPECT_EQ(t.raiservalue, 7);
  EXPECT_EQ(t.flopshower3, 4);
}

TEST_F(HumanAction, BetItRaisesByTheTypedAmountRoundedHalfToEven) {
  struct Case {
    const char* typed;
    std::int32_t bet;
  };
  for (const Case c : {Case{"100", 120}, Case{"45.5", 66}, Case{"44.5", 64}, Case{" 40 ", 60},
                       Case{"5000", 1000}}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    human_owes(20);  // Call " 20", Raise "40"
    type_amount(c.typed);
    app.click(t.Command11);
    EXPECT_EQ(t.player(1).bet, c.bet) << c.typed;
    EXPECT_TRUE(t.raiser) << c.typed;
    EXPECT_EQ(t.flopshower, 10) << c.typed;
    EXPECT_EQ(t.Text2.text(), "") << c.typed;
    EXPECT_EQ(t.focuser, 1) << c.typed;
  }
}

TEST_F(HumanAction, EnterInTheAmountBoxActsAsBetIt) {
  human_owes(20);
  type_amount("100");
  EXPECT_EQ(t.player(1).prize, 1000) << "typing digits does nothing";
  app.key_down(t, platform::kKeyEnter);
  EXPECT_EQ(t.player(1).bet, 120);
  EXPECT_TRUE(t.raiser);
}

TEST_F(HumanAction, AHugePasteIntoTheAmountBoxIsCutToWhatTheBoxHolds) {
  human_owes(20);
  app.click(t.Text2);
  app.paste_text(t, " 100" + std::string(300000, ' ') + "9");
  EXPECT_EQ(t.Text2.text(), " 100" + std::string(12, ' '));
  app.key_down(t, platform::kKeyEnter);
  EXPECT_EQ(t.player(1).bet, 120);
}

TEST_F(HumanAction, AmountsThatAreNotAPlainNumberOrDoNotFitAreIgnored) {
  for (const char* typed : {"", "30", "39.4", "50abc", "1e5", "-20", "$50", "5 0", "2147483647",
                            "9999999999999999", "2147483628"}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    human_owes(20);
    type_amount(typed);
    app.key_down(t, platform::kKeyEnter);
    app.click(t.Command11);
    EXPECT_EQ(t.player(1).prize, 1000) << typed;
    EXPECT_EQ(t.pot, 20) << typed;
    EXPECT_FALSE(t.raiser) << typed;
    EXPECT_EQ(t.Text2.text(), typed) << typed;
    EXPECT_TRUE(t.Command11.visible()) << typed;
    EXPECT_FALSE(t.roundtimer.enabled()) << typed;
  }
}

TEST_F(HumanAction, AmountWhoseSumWithThePotDoesNotFitIsIgnored) {
  t.pot = 2147483000;
  human_owes(20);
  type_amount("1000");
  app.click(t.Command11);
  EXPECT_EQ(t.player(1).prize, 1000);
  EXPECT_FALSE(t.raiser);
}

TEST_F(HumanAction, SitOutAsksForTheNextDealAndCancelsOnlyWhileSittingOut) {
  app.click(t.Command3);
  app.click(t.Command3);
  EXPECT_EQ(t.sitter, 1);
  EXPECT_EQ(t.Command3.back_colour(), 0xFFu);
  t.player(1).sittingout = true;
  app.click(t.Command3);
  EXPECT_EQ(t.sitter, 0);
  EXPECT_EQ(t.Command3.back_colour(), 0xFFFFu);
  t.players_out = 990;
  app.click(t.Command3);
  EXPECT_EQ(t.sitter, 0);
  EXPECT_EQ(t.Command3.back_colour(), 0xFFFFu);
}

}  // namespace
}  // namespace omaha::testing
