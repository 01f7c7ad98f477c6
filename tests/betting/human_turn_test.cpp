// The human's turn entry on the "Call" button and the action panel.
#include <functional>
#include <string>
#include <tuple>
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

// With nothing owed the hidden Call keeps the focus: Enter does nothing until the player picks
// Check (or reaches it with Tab).
TEST_F(HumanTurn, NothingOwedOffersCheckAndEnterWaitsForTheChoice) {
  put_in(1, 20);
  give_human_turn();
  EXPECT_EQ(t.Command5.caption(), " 0");
  EXPECT_EQ(t.Command6.caption(), "20");
  EXPECT_FALSE(t.Command5.visible());
  EXPECT_TRUE(t.Command7.visible());
  EXPECT_TRUE(t.Command5.has_focus());
  app.key_down(t, platform::kKeyEnter);
  EXPECT_TRUE(t.Command7.visible());
  EXPECT_EQ(t.focuser, kSeats);
  app.key_down(t, platform::kKeyTab);  // Raise
  app.key_down(t, platform::kKeyTab);  // Check
  app.key_down(t, platform::kKeyEnter);
  EXPECT_EQ(t.player(1).prize, 980);
  EXPECT_FALSE(t.raiser);
  EXPECT_EQ(t.focuser, 1);
}

TEST_F(HumanTurn, BeforeTheBlindsTheDecisionStartsOnCallNotOnExit) {
  t.postblinds = false;
  t.currentbet = 20;
  give_human_turn();
  EXPECT_TRUE(panel_visible());
  EXPECT_TRUE(t.Command5.has_focus());
  app.key_down(t, platform::kKeyEnter);  // Enter calls
  EXPECT_FALSE(app.ended());
  EXPECT_EQ(t.player(1).prize, 980);
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

// The turn as the player meets it: where the light, the focus and the clock stand after each
// action, and that a stray key after an action does nothing.
TEST_F(HumanTurn, TheLightTheFocusAndTheClockFollowThePlayer) {
  auto lit = [&] {
    return t.Shape7.fill_colour() == turn_light_on && t.Picture2.back_colour() == turn_light_on;
  };
  // Enter, Space and a digit after an action change nothing the player sees.
  auto stray_keys_do_nothing = [&] {
    const auto seen = [&] {
      return std::tuple{t.player(1).prize, t.pot, t.focuser,         t.roundtimer.enabled(),
                        app.focus(),       lit(), t.Text2.visible(), t.Text2.text()};
    };
    const auto before = seen();
    app.key_down(t, platform::kKeyEnter);
    app.key_down(t, platform::kKeySpace);
    app.type_text(t, "5");
    EXPECT_EQ(seen(), before);
    EXPECT_FALSE(app.ended());
  };
  auto seat_two_takes_the_turn = [&] {
    tick();
    EXPECT_TRUE(t.seat_lamp(2).has_focus());
    EXPECT_FALSE(lit());
  };
  auto close_the_river = [&] {
    t.postflop1 = t.postflop2 = t.postflop3 = true;
    t.raiser = true;
    t.flopshower3 = 1;
  };
  auto tab_cycle = [&] {
    std::vector<const platform::Control*> stops;
    for (int i = 0; i < 7; ++i) {
      app.key_down(t, platform::kKeyTab);
      stops.push_back(app.focus());
    }
    return stops;
  };
  const std::vector<const platform::Control*> whole_cycle{
      &t.Command6, &t.Command8, &t.Command11, &t.Text2, &t.Command2, &t.Command3, &t.Command5};

  const std::vector<std::pair<const char*, std::function<void()>>> cases{
      {"Call: lit until the next tick",
       [&] {
         put_in(5, 20);
         give_human_turn();
         app.click(t.Command5);
         EXPECT_TRUE(lit());
         stray_keys_do_nothing();
         seat_two_takes_the_turn();
       }},
      {"Raise while Call holds the focus: dark at the click",
       [&] {
         put_in(5, 20);
         give_human_turn();
         app.click(t.Command6);
         EXPECT_FALSE(lit());
         stray_keys_do_nothing();
         seat_two_takes_the_turn();
       }},
      {"all-in pass-on: lit until the next tick",
       [&] {
         t.player(1).allin = true;
         put_in(5, 20);
         give_human_turn();
         EXPECT_TRUE(lit());
         EXPECT_FALSE(panel_visible());
         stray_keys_do_nothing();
         seat_two_takes_the_turn();
       }},
      {"before the blinds: seat 10 out at the final table",
       [&] {
         t.players_out = 991;
         t.postblinds = false;
         t.currentbet = t.limits;  // the ante
         t.player(10).Active = false;
         set_button(9);
       }},
      {"before the blinds: seat 10 all in on its big blind",
       [&] {
         t.postblinds = false;
         t.player(10).prize = 15;
         set_button(8);
       }},
      {"Check turn: the box keeps the clock off and Enter bets the amount",
       [&] {
         put_in(1, 20);
         put_in(5, 20);
         give_human_turn();
         EXPECT_TRUE(lit());
         app.click(t.Text2);
         app.advance_by(10000);
         EXPECT_TRUE(t.Text2.has_focus());
         app.type_text(t, " 25 ");
         app.key_down(t, platform::kKeyEnter);
         EXPECT_EQ(t.player(1).prize, 955);
         EXPECT_TRUE(t.raiser);
         stray_keys_do_nothing();
       }},
      {"Call that closes the pre-flop: the turn comes back on the flop",
       [&] {
         t.flopshower = 1;
         put_in(5, 20);
         give_human_turn();
         app.click(t.Command5);
         tick();  // the clock rule hands the flop's first turn to the human
         EXPECT_TRUE(t.postflop1);
         EXPECT_TRUE(t.Command7.visible());
         EXPECT_TRUE(lit());
         EXPECT_FALSE(t.roundtimer.enabled());
       }},
      {"all in, owing nothing, closing the river at the pass-on: the clock stays off",
       [&] {
         close_the_river();
         t.player(1).allin = true;
         give_human_turn();
         EXPECT_TRUE(t.gameover);
         EXPECT_TRUE(t.Command2.has_focus());
         EXPECT_FALSE(t.roundtimer.enabled());
         EXPECT_FALSE(lit());
       }},
      {"Fold, Check and Bet It leave nothing for a stray key",
       [&] {
         for (platform::Control* action : {&t.Command8, &t.Command7, &t.Command11}) {
           lay_out_fresh_hand();
           t.postblinds = true;
           put_in(1, 20);
           put_in(5, action == &t.Command8 ? 40 : 20);
           give_human_turn();
           if (action == &t.Command11) {
             app.click(t.Text2);
             app.type_text(t, "30");
           }
           app.click(*action);
           EXPECT_EQ(t.focuser, 1);
           stray_keys_do_nothing();
         }
       }},
  };
  for (const auto& [name, play] : cases) {
    SCOPED_TRACE(name);
    lay_out_fresh_hand();
    t.postblinds = true;
    play();
    if (t.postblinds)
      continue;
    // A turn entry before the blinds: the deal's own blinds hand the turn to the human.
    t.Text2.set_text("75");
    blinds_bet(t);
    Command4_Click(t);
    app.drain();
    EXPECT_TRUE(lit());
    EXPECT_TRUE(t.Command5.has_focus());
    EXPECT_TRUE(panel_visible() && t.Command5.visible());
    EXPECT_EQ(t.Text2.text(), "");
    EXPECT_FALSE(t.roundtimer.enabled());
    EXPECT_EQ(tab_cycle(), whole_cycle);
  }
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
