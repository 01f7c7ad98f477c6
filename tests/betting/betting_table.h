#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>

#include "betting/betting.h"
#include "platform/keys.h"
#include "showdown/showdown.h"
#include "support/game_harness.h"
#include "table/board.h"

namespace omaha::testing {

// The real table, headless, brought to a hand laid out by the test: whatever the start-up
// dealt is stopped, every seat holds 1000 chips and place 5, nobody has acted, the focus rests
// on "Exit" and the clock is off. Turns are then driven through the real event queue.
class BettingTable : public ::testing::Test {
 protected:
  void SetUp() override {
    harness.open_table();
    lay_out_fresh_hand();
  }

  void lay_out_fresh_hand() {
    t.roundtimer.set_enabled(false);
    t.Timer1.set_enabled(false);
    t.Command2.SetFocus();
    app.drain();
    for (int seat = 1; seat <= kSeats; ++seat) {
      player_record& p = t.player(seat);
      p.prize = 1000;
      p.bet = p.totalbet = 0;
      p.fold = p.allin = p.sittingout = false;
      p.Active = true;
      p.handrank = 5;
      t.prize_label(seat).set_caption(" 1000");
      for (int card = 1; card <= 4; ++card)
        t.hole_card(seat, card).set_visible(true);
      chips_player_hide(t, seat);
    }
    for (int chip = 60; chip <= 90; ++chip)
      t.backchips[chip].set_visible(false);
    t.potlabel.set_visible(false);
    t.currentbet = t.pot = 0;
    t.postblinds = t.postflop1 = t.postflop2 = t.postflop3 = false;
    t.gameover = t.raiser = false;
    t.raiservalue = 0;
    t.flopshower = t.flopshower1 = t.flopshower2 = t.flopshower3 = 0;
    t.focuser = 0;
    t.players_out = 0;
    t.limits = 10;
    t.level = 1;
    t.limittimersetting = 300;
    t.closer = 0;
    t.sitter = 0;
    t.Label24.set_visible(false);
    bet_panel_hide(t);
    set_button(1);
    app.drain();
  }

  void set_button(int button) {
    for (int seat = 1; seat <= kSeats; ++seat)
      t.player(seat).dealer = static_cast<std::int16_t>(1 + (seat - button + kSeats) % kSeats);
  }

  // A seat's turn, as the clock or a neighbour gives it.
  void give_turn(int seat) {
    t.seat_lamp(seat).SetFocus();
    app.drain();
  }
  // The human's decision turn, as the clock gives it after seat 10's turn.
  void give_human_turn() {
    t.focuser = kSeats;
    t.Command5.set_visible(true);
    t.Command5.SetFocus();
    app.drain();
  }
  void tick() { app.advance_by(kTurnClockTick); }

  void fold_all_but(std::initializer_list<int> keep) {
    for (int seat = 1; seat <= kSeats; ++seat) {
      bool kept = false;
      for (int k : keep)
        kept = kept || k == seat;
      t.player(seat).fold = !kept;
    }
  }
  void put_in(int seat, std::int32_t chips) {
    t.player(seat).prize -= chips;
    t.player(seat).totalbet += chips;
    t.pot += chips;
    if (t.player(seat).totalbet > t.currentbet)
      t.currentbet = t.player(seat).totalbet;
  }
  std::int64_t chips_in_play() const {
    std::int64_t sum = t.pot;
    for (int seat = 1; seat <= kSeats; ++seat)
      sum += t.player(seat).prize;
    return sum;
  }

  GameHarness harness;
  platform::Application& app = harness.app;
  tables& t = harness.table;
};

}  // namespace omaha::testing
