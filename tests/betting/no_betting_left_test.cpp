// Hands in which nobody can bet any more: every seat but one has folded or is all in.
#include <array>

#include "betting/round_closing.h"
#include "betting_table.h"

namespace omaha::testing {
namespace {

class NoBettingLeft : public BettingTable {
 protected:
  void SetUp() override {
    BettingTable::SetUp();
    t.postblinds = true;
  }
  void go_all_in(int seat) {
    put_in(seat, t.player(seat).prize);
    t.player(seat).allin = true;
  }
  // The board is run out and the hand settled once: the ticks before the next deal change
  // no stack.
  void expect_hand_settled() {
    EXPECT_TRUE(t.postflop1 && t.postflop2 && t.postflop3);
    EXPECT_TRUE(t.gameover);
    std::array<std::int32_t, kSeats> stacks{};
    for (int seat = 1; seat <= kSeats; ++seat)
      stacks[static_cast<std::size_t>(seat - 1)] = t.player(seat).prize;
    for (int i = 0; i < 6; ++i)
      tick();
    for (int seat = 1; seat <= kSeats; ++seat) {
      EXPECT_EQ(t.player(seat).prize, stacks[static_cast<std::size_t>(seat - 1)]) << seat;
    }
  }
};

class HumanAllInAgainstOneSeat : public NoBettingLeft, public ::testing::WithParamInterface<int> {};

// The human bets everything; one computer seat is left, placed 1. It gets its own turn (seats
// 2 to 4 call, the others put in nothing) and then the hand runs out instead of cycling on.
TEST_P(HumanAllInAgainstOneSeat, SeatGetsItsTurnThenTheHandRunsOut) {
  const int seat = GetParam();
  fold_all_but({1, seat});
  t.player(1).handrank = 1;
  t.player(seat).handrank = 2;  // raises while another seat can act
  put_in(seat, 20);
  put_in(1, 20);
  give_human_turn();
  app.click(t.Text2);
  app.type_text(t, "5000");
  app.key_down(t, platform::kKeyEnter);
  ASSERT_TRUE(t.player(1).allin);
  EXPECT_EQ(t.currentbet, 1000) << "the seat left has not had its turn yet";

  tick();  // the folded seats hand on at once up to the seat left
  const bool calls = seat <= 4;
  EXPECT_EQ(t.player(seat).prize, calls ? 0 : 980);
  EXPECT_EQ(t.pot, calls ? 2000 : 1020);
  EXPECT_EQ(t.player(1).prize, t.pot);  // the human's place wins the pot
  EXPECT_EQ(t.currentbet, 0);
  for (int s = 1; s <= kSeats; ++s) {
    EXPECT_EQ(t.player(s).totalbet, 0) << s;
  }
  expect_hand_settled();
}

INSTANTIATE_TEST_SUITE_P(EachComputerSeat, HumanAllInAgainstOneSeat, ::testing::Range(2, 11),
                         [](const auto& info) { return "Seat" + std::to_string(info.param); });

TEST_F(NoBettingLeft, HumanCallingAnAllInSeatRunsTheHandOut) {
  fold_all_but({1, 4});
  go_all_in(4);
  give_human_turn();
  app.click(t.Command5);
  EXPECT_TRUE(t.player(1).allin);
  EXPECT_EQ(t.pot, 2000);
  EXPECT_EQ(t.currentbet, 0);
  expect_hand_settled();
}

TEST_F(NoBettingLeft, AllInHumanPassingOnAgainstAnAllInSeatRunsTheHandOut) {
  fold_all_but({1, 7});
  go_all_in(7);
  go_all_in(1);
  give_human_turn();
  EXPECT_EQ(t.currentbet, 0);
  expect_hand_settled();
}

TEST_F(NoBettingLeft, OnlyWhenEveryOtherSeatIsOutOfTheBettingAndOneIsAllIn) {
  struct Case {
    const char* name;
    bool someone_can_act, someone_all_in, over;
    bool runs_out;
  };
  for (const Case c : {Case{"one all in, the rest folded", false, true, false, true},
                       Case{"all folded, nobody all in", false, false, false, false},
                       Case{"another seat can still act", true, true, false, false},
                       Case{"hand already over", false, true, true, false}}) {
    lay_out_fresh_hand();
    t.postblinds = true;
    fold_all_but({3, 6, 9});
    if (c.someone_all_in)
      go_all_in(6);
    else
      t.player(6).fold = true;
    t.player(9).fold = !c.someone_can_act;
    t.gameover = c.over;
    put_in(3, 50);
    settle_if_no_betting_left(t, 3);
    EXPECT_EQ(t.currentbet == 0, c.runs_out) << c.name;
  }
}

}  // namespace
}  // namespace omaha::testing
