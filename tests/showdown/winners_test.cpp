#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "showdown/pot_share.h"
#include "showdown/showdown.h"
#include "showdown_table.h"

namespace omaha::testing {
namespace {

constexpr bool F = true;   // folded
constexpr bool L = false;  // live

struct WinnerCase {
  std::string name;
  std::array<int, kSeats> places;
  std::array<bool, kSeats> folds;
  std::array<int, kSeats> places_after;
  int winners;
  int gain;  // chips each winner gains from a pot of 300
};

class WinnerRule : public ShowdownTable {};

TEST_F(WinnerRule, WinnersFollowThePlacesOfTheLiveSeats) {
  const std::vector<WinnerCase> cases{
      {"last seat left after all others folded",
       {7, 7, 7, 1, 7, 7, 7, 7, 7, 7},
       {F, F, F, L, F, F, F, F, F, F},
       {10, 10, 10, 1, 10, 10, 10, 10, 10, 10},
       1,
       300},
      {"best hands folded, a live seat at 2 wins alone",
       {1, 1, 4, 3, 2, 5, 5, 5, 3, 4},
       {F, F, L, L, L, L, L, L, L, L},
       {10, 10, 4, 3, 1, 5, 5, 5, 3, 4},
       1,
       300},
      {"two live seats at 1 and the human at 4 all win",
       {4, 2, 1, 3, 5, 1, 5, 5, 5, 5},
       {L, F, L, F, F, L, F, F, F, F},
       {1, 10, 1, 10, 10, 1, 10, 10, 10, 10},
       3,
       100},
      {"two live seats both at 5 share",
       {1, 5, 2, 3, 4, 5, 5, 5, 5, 5},
       {F, L, F, F, F, F, F, F, L, F},
       {10, 1, 10, 10, 10, 10, 10, 10, 1, 10},
       2,
       150},
      {"a shared lowest place makes every live seat a winner",
       {2, 1, 1, 3, 4, 5, 5, 2, 3, 4},
       {L, L, L, L, L, L, L, L, L, L},
       {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
       10,
       30},
      {"everyone folded: nobody wins",
       {1, 2, 3, 4, 5, 5, 5, 5, 5, 5},
       {F, F, F, F, F, F, F, F, F, F},
       {10, 10, 10, 10, 10, 10, 10, 10, 10, 10},
       0,
       0},
  };
  for (const WinnerCase& c : cases) {
    SCOPED_TRACE(c.name);
    t.gameover = false;
    t.pot = 300;
    for (int k = 1; k <= kSeats; ++k)
      seat(k).prize = 1000;
    set_places(c.places);
    set_folds(c.folds);

    evaluate_winner(t);

    EXPECT_EQ(t.numberofwinners, c.winners);
    EXPECT_EQ(t.pot, 300) << "the pot is paid, not emptied";
    for (int k = 1; k <= kSeats; ++k) {
      const auto i = static_cast<std::size_t>(k - 1);
      EXPECT_EQ(seat(k).handrank, c.places_after[i]) << "seat " << k;
      const bool won = c.places_after[i] == 1;
      EXPECT_EQ(seat(k).prize, won ? 1000 + c.gain : 1000) << "seat " << k;
    }
  }
}

struct ShareCase {
  std::string name;
  std::int32_t pot;
  std::vector<int> winners;
  std::vector<std::int32_t> before;
  std::vector<std::int32_t> after;
};

class PotSplit : public ShowdownTable {};

TEST_F(PotSplit, EachStackIsRoundedAsAWholeHalfToEven) {
  const std::vector<ShareCase> cases{
      {"one chip fewer in all than the pot", 25, {2, 7}, {100, 102}, {112, 114}},
      {"one chip more in all than the pot", 25, {2, 7}, {101, 103}, {114, 116}},
      {"three winners of 100 gain 33 each", 100, {1, 4, 9}, {1000, 1000, 1000}, {1033, 1033, 1033}},
      {"a sole winner gains exactly the pot", 25, {5}, {100}, {125}},
      {"an all-in winner with no chips left takes the whole pot", 730, {6}, {0}, {730}},
  };
  for (const ShareCase& c : cases) {
    SCOPED_TRACE(c.name);
    t.gameover = false;
    t.pot = c.pot;
    for (int k = 1; k <= kSeats; ++k) {
      seat(k).handrank = 3;
      seat(k).fold = true;
      seat(k).prize = 500;
      seat(k).allin = false;
    }
    for (std::size_t i = 0; i < c.winners.size(); ++i) {
      player_record& w = seat(c.winners[i]);
      w.handrank = 1;
      w.fold = false;
      w.allin = c.before[i] == 0;
      w.prize = c.before[i];
    }

    evaluate_winner(t);

    for (std::size_t i = 0; i < c.winners.size(); ++i)
      EXPECT_EQ(seat(c.winners[i]).prize, c.after[i]) << "seat " << c.winners[i];
    for (int k = 1; k <= kSeats; ++k) {
      if (seat(k).fold) {
        EXPECT_EQ(seat(k).prize, 500) << "seat " << k;
      }
    }
  }
}

TEST(StackWithShare, StaysWithinThirtyTwoBitsAndNeedsAWinner) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  EXPECT_EQ(stack_with_share(kMax - 3, 10, 1), kMax);
  EXPECT_EQ(stack_with_share(kMax, kMax, 2), kMax);
  EXPECT_EQ(stack_with_share(700, 25, 0), 700);
  EXPECT_EQ(stack_with_share(98, 1, 2), 98);   // 98.5 goes down to the even 98
  EXPECT_EQ(stack_with_share(99, 1, 2), 100);  // 99.5 goes up to the even 100
  EXPECT_EQ(stack_with_share(-3, 10, 3), 0);   // -3 + 3.33 rounds to 0
}

}  // namespace
}  // namespace omaha::testing
