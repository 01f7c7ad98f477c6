// The human's turn entry on the "Call" button and the action panel.
#include <string>
#include <utility>
#include <vector>

#include "betting_table.h"

namespace omaha::testing {
namespace {

class HumanTurn : public BettingTable {
 protected:
  void SetUp() override {
    BettingTable::SetUp();
    t.postblinds = true;
  }
  bool panel_visible() const {
    return t.Command6.visible() && t.Command8.visible() && t.Command11.visible() &&
           t.Text2.visible() && t.Shape12.visible();
  }
};

TEST_F(HumanTurn, CallCaptionHasItsBlankAndRaiseAddsTwiceTheLimitWithout) {
  t.currentbet = 20;
  t.roundtimer.set_enabled(true);
  give_human_turn();
  EXPECT_EQ(t.Command5.caption(), " 20");
  EXPECT_EQ(t.Command6.caption(), "40");
  EXPECT_TRUE(t.Command5.visible());
  EXPECT_FALSE(t.Command7.visible());
  EXPECT_TRUE(panel_visible());
  EXPECT_TRUE(t.Command5.has_focus());
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_on);
  EXPECT_EQ(t.Picture2.back_colour(), turn_light_on);
  EXPECT_FALSE(t.roundtimer.enabled());
}

TEST_F(HumanTurn, NothingOwedOffersCheckAndTheFocusGoesToCheckNotRaise) {
  put_in(1, 20);
  give_human_turn();
  EXPECT_EQ(t.Command5.caption(), " 0");
  EXPECT_EQ(t.Command6.caption(), "20");
  EXPECT_FALSE(t.Command5.visible());
  EXPECT_TRUE(t.Command7.visible());
  EXPECT_TRUE(t.Command7.has_focus());
  app.key_down(t, platform::kKeyEnter);  // Enter now checks
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_FALSE(t.raiser);
  EXPECT_EQ(t.focuser, 1);
}

TEST_F(HumanTurn, BeforeTheBlindsTheDecisionStartsInTheAmountBoxNotOnExit) {
  t.postblinds = false;
  t.currentbet = 20;
  give_human_turn();
  EXPECT_TRUE(panel_visible());
  EXPECT_TRUE(t.Text2.has_focus());
  app.key_down(t, platform::kKeyEnter);  // an empty amount: nothing happens
  EXPECT_FALSE(app.ended());
  EXPECT_TRUE(panel_visible());
}

// Tab and Shift+Tab walk one cycle over the panel, "Exit" and "Sit Out", in opposite directions,
// before and on the river. Tabbing onto Call enters the turn again and leaves it as it was.
TEST_F(HumanTurn, TabAndShiftTabWalkOneCycleThroughCall) {
  for (const bool river : {false, true}) {
    SCOPED_TRACE(river ? "river" : "pre-flop");
    lay_out_fresh_hand();
    t.postblinds = true;
    t.postflop1 = t.postflop2 = t.postflop3 = river;
    t.currentbet = 20;
    give_human_turn();
    t.Text2.set_text("75");
    auto walk = [&](int shift) {
      std::vector<std::string> seen;
      for (int i = 0; i < 8; ++i) {
        app.key_down(t, platform::kKeyTab, shift);
        seen.push_back(app.focus()->caption());
        if (app.focus() != &t.Command5)
          continue;
        EXPECT_EQ(t.Command5.caption(), " 20");
        EXPECT_EQ(t.Command6.caption(), "40");
        EXPECT_TRUE(panel_visible() && t.Command5.visible());
        EXPECT_FALSE(t.roundtimer.enabled());
        EXPECT_EQ(t.Shape7.fill_colour(), turn_light_on);
        EXPECT_EQ(t.Text2.text(), "75");
      }
      return seen;
    };
    EXPECT_EQ(walk(0), (std::vector<std::string>{"40", "Fold", "Bet It", "75", "Exit", "Sit Out",
                                                 " 20", "40"}));
    // Back from Raise: the same stops in the mirror order.
    EXPECT_EQ(walk(platform::kShift), (std::vector<std::string>{" 20", "Sit Out", "Exit", "75",
                                                                "Bet It", "Fold", "40", " 20"}));
    // The turn still waits for the player: no tick hands it on.
    app.advance_by(10000);
    EXPECT_TRUE(t.Command5.has_focus());
    EXPECT_EQ(t.player(2).totalbet, 0);
  }
  // "Exit" reached by Tab is the user's: Enter presses it.
  while (app.focus() != &t.Command2)
    app.key_down(t, platform::kKeyTab);
  app.key_down(t, platform::kKeyEnter);
  EXPECT_TRUE(app.ended());
}

TEST_F(HumanTurn, HumanWhoCannotActPassesTheTurnOnAtOnce) {
  struct Case {
    bool fold, sittingout, allin;
  };
  for (const Case c :
       {Case{true, false, false}, Case{false, true, false}, Case{false, false, true}}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    t.player(1).fold = c.fold;
    t.player(1).sittingout = c.sittingout;
    t.player(1).allin = c.allin;
    t.player(2).handrank = 1;
    t.currentbet = 20;
    give_human_turn();
    EXPECT_TRUE(t.player(1).fold || c.allin);  // a sitting-out human folds here
    EXPECT_FALSE(t.Command6.visible());
    EXPECT_FALSE(t.Text2.visible());
    EXPECT_EQ(t.focuser, 1);
    EXPECT_TRUE(t.roundtimer.enabled());
    if (!c.allin) {
      EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
    }
    tick();
    EXPECT_EQ(t.player(2).totalbet, 120) << "seat 2 takes the next turn";
  }
}

TEST_F(HumanTurn, FoldedHumanWhoClosesTheRoundShowsTheNextStreet) {
  t.player(1).fold = true;
  t.flopshower = 1;
  put_in(5, 20);
  give_human_turn();
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.player(5).totalbet, 0);
  EXPECT_TRUE(t.postflop1);
}

TEST_F(HumanTurn, EveryOtherSeatFoldedSettlesTheHandAtTheHumansTurn) {
  fold_all_but({1});
  put_in(1, 20);
  t.roundtimer.set_enabled(true);
  give_human_turn();
  EXPECT_EQ(t.player(1).handrank, 1);
  EXPECT_TRUE(t.gameover);
  EXPECT_EQ(t.player(1).prize, 1000);  // its 980 and the pot of 20
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_TRUE(t.Command2.has_focus());
  EXPECT_FALSE(t.roundtimer.enabled());
  EXPECT_FALSE(t.Command6.visible());
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
  EXPECT_TRUE(t.Timer1.enabled());
}

TEST_F(HumanTurn, LastSeatInTheTournamentAnnouncesTheWin) {
  for (int seat = 2; seat <= kSeats; ++seat)
    t.player(seat).Active = false;
  fold_all_but({1});
  t.Timer1.set_enabled(true);
  give_human_turn();
  EXPECT_TRUE(t.Label24.visible());
  EXPECT_EQ(t.Label24.caption(), "Congratulations You Won The Tournament");
  EXPECT_EQ(t.Label24.back_colour(), 0xFFu);  // the win's own look
  EXPECT_EQ(t.closer, 1);
  EXPECT_FALSE(t.roundtimer.enabled());
  EXPECT_TRUE(t.Command2.has_focus());
  EXPECT_TRUE(t.gameover);  // settled at the same turn entry, which ends the run
}

TEST_F(HumanTurn, TurnEntryAfterTheHandOffersNothing) {
  for (const bool folded : {false, true}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    t.gameover = true;
    t.currentbet = 20;
    t.player(1).fold = folded;
    t.roundtimer.set_enabled(true);
    give_human_turn();
    EXPECT_EQ(t.Command5.caption(), " 20");
    EXPECT_FALSE(t.Command5.visible());
    EXPECT_FALSE(t.Command6.visible());
    EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
    EXPECT_FALSE(t.roundtimer.enabled()) << folded;
  }
}

TEST_F(HumanTurn, LeavingRaiseCheckOrFoldStartsTheClockAndTheTurnComesBack) {
  t.currentbet = 20;
  give_human_turn();
  app.key_down(t, platform::kKeyTab);  // Call -> Raise
  app.key_down(t, platform::kKeyTab);  // Raise -> Fold (Check is hidden)
  EXPECT_TRUE(t.roundtimer.enabled());
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
  tick();  // `focuser` is still 10: the human's turn again
  EXPECT_TRUE(t.Command5.has_focus());
  EXPECT_FALSE(t.roundtimer.enabled());
  EXPECT_EQ(t.player(2).prize, 1000);
}

TEST_F(HumanTurn, HumanLampGoingDarkHidesThePanel) {
  bet_panel_show(t);
  give_turn(1);
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_on);
  give_turn(2);
  EXPECT_FALSE(t.Shape12.visible());
  EXPECT_EQ(t.Shape7.fill_colour(), turn_light_off);
}

}  // namespace
}  // namespace omaha::testing
