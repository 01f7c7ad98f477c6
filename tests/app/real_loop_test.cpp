// The game in the real window loop, on SDL's dummy driver with a scripted clock: the times a
// player meets when they take their time at the table.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "betting/betting_table.h"
#include "platform/sdl/sdl_backend.h"
#include "resources/embedded_resources.h"
#include "sdl/loop_driver.h"

namespace omaha::testing {
namespace {

using sdl_test::push_key;
using sdl_test::ScriptedClock;
using sdl_test::window_titled;

constexpr std::int64_t kSecond = 1000;

class RealLoop : public BettingTable {
 protected:
  void SetUp() override {
    BettingTable::SetUp();
    t.postblinds = true;
    for (int seat = 2; seat <= kSeats; ++seat) {
      t.seat_lamp(seat).on_got_focus = [this, seat,
                                        turn = std::move(t.seat_lamp(seat).on_got_focus)] {
        turns.emplace_back(seat, app.now());
        turn();
      };
    }
  }

  // The human's decision turn, waiting for a key on Call, or on Check when nothing is owed.
  void human_to_decide() {
    give_human_turn();
    ASSERT_TRUE(t.Command5.has_focus() || t.Command7.has_focus());
  }
  void press_enter_at(std::int64_t time) {
    clock.at(time, [] { push_key(window_titled("Omaha Tournament"), SDLK_RETURN); });
  }
  void end_at(std::int64_t time) {
    clock.at(time, [this] { app.End(); });
  }
  int run() { return backend.run(app, clock); }

  // The human calls everything against seat 4, all in; the places decide who takes the pot.
  void all_in_call_against_seat_4(int human_place) {
    fold_all_but({1, 4});
    put_in(4, t.player(4).prize);
    t.player(4).allin = true;
    t.player(1).handrank = static_cast<std::int16_t>(human_place);
    t.player(4).handrank = static_cast<std::int16_t>(human_place == 1 ? 5 : 1);
    human_to_decide();
  }

  sdl_test::DummyVideo video;
  platform::sdl::SdlBackend backend{{resources::font_regular(), resources::font_bold()}};
  ScriptedClock clock;
  std::vector<std::pair<int, std::int64_t>> turns;  // seat, time of its turn
};

struct ClockCase {
  const char* name;
  std::int64_t jump_at;  // 0: the clock runs without a stall
  std::vector<std::pair<int, std::int64_t>> turns;
};

void PrintTo(const ClockCase& c, std::ostream* os) {
  *os << c.name;
}

class TurnClock : public RealLoop, public ::testing::WithParamInterface<ClockCase> {};

// The human presses Enter 30 s into the turn: the next seat acts 2 s later, then one seat every
// 2 s. A 20 s stall of the process gives one late turn, not ten at once.
TEST_P(TurnClock, OneSeatTurnEveryTwoSecondsAfterTheHumansKey) {
  put_in(10, 20);  // the human owes 20: Call
  human_to_decide();
  press_enter_at(30 * kSecond);
  if (GetParam().jump_at > 0)
    clock.at(GetParam().jump_at, [this] { clock.jump(20 * kSecond); });
  end_at(GetParam().turns.back().second + kSecond);
  EXPECT_EQ(run(), 0);
  EXPECT_EQ(turns, GetParam().turns);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TurnClock,
    ::testing::Values(
        ClockCase{"Steady", 0, {{2, 32000}, {3, 34000}, {4, 36000}, {5, 38000}, {6, 40000}}},
        ClockCase{"Stall", 33000, {{2, 32000}, {3, 53000}, {4, 55000}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealLoop, TheShowdownStaysThirteenSecondsAfterAnEnterThatEndsTheHand) {
  all_in_call_against_seat_4(1);
  std::vector<std::int64_t> next_hand;
  t.Timer1.on_tick = [this, &next_hand] {
    next_hand.push_back(app.now());
    app.End();
  };
  press_enter_at(60 * kSecond);
  bool settled_and_shown = false;
  clock.at(72999, [this, &settled_and_shown] {
    settled_and_shown = t.gameover && t.player(1).prize == 2000 && t.hole_card(4, 1).visible();
  });
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(settled_and_shown);
  EXPECT_EQ(next_hand, std::vector<std::int64_t>{73000});
}

TEST_F(RealLoop, TheProgramEndsThirteenSecondsAfterTheHumanIsOut) {
  all_in_call_against_seat_4(5);
  press_enter_at(30 * kSecond);
  std::string message_before_the_end;
  clock.at(42999, [this, &message_before_the_end] {
    if (!app.ended() && t.Label24.visible())
      message_before_the_end = t.Label24.caption();
  });
  EXPECT_EQ(run(), 0);
  EXPECT_TRUE(app.ended());
  EXPECT_EQ(app.now(), 43000);
  EXPECT_EQ(message_before_the_end.rfind("Your Finished With", 0), 0u) << message_before_the_end;
}

}  // namespace
}  // namespace omaha::testing
