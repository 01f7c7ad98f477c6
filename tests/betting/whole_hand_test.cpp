// Whole hands from the real deal, driven on the clock with a human who checks or calls.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/game_harness.h"

namespace omaha::testing {
namespace {

std::int64_t chips_on_the_table(const tables& t) {
  std::int64_t sum = t.pot;
  for (int seat = 1; seat <= kSeats; ++seat)
    sum += t.player(seat).prize;
  return sum;
}

TEST(WholeHand, PlaysToTheShowdownAndKeepsEveryChipThroughTheBetting) {
  for (std::uint64_t seed = 1; seed <= 8; ++seed) {
    GameHarness h(seed);
    h.open_table();
    tables& t = h.table;
    const std::int64_t chips = chips_on_the_table(t);
    ASSERT_EQ(chips, 10000) << seed;
    int steps = 0;
    for (; steps < 1200 && !t.gameover; ++steps) {  // ten minutes of play at most
      if (t.Command7.visible())
        h.app.click(t.Command7);
      else if (t.Command5.visible() && t.Text2.visible())
        h.app.click(t.Command5);
      if (!t.gameover) {  // the showdown pays from the pot without emptying it
        ASSERT_EQ(chips_on_the_table(t), chips) << "seed " << seed;
      }
      h.app.advance_by(500);
    }
    EXPECT_TRUE(t.gameover) << "seed " << seed << ": the hand never ended";
    EXPECT_TRUE(t.Timer1.enabled()) << seed;
  }
}

}  // namespace
}  // namespace omaha::testing
