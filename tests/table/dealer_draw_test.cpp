#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "table/card_code.h"
#include "table/dealer_draw.h"
#include "table_test_support.h"

namespace omaha::testing {
namespace {

// Draws for the button with the ten given draw cards (seat 1 first); the rest of the deck
// comes from the seed.
void toss_with(TableGame& g, const std::array<int, 10>& cards) {
  std::vector<double> values;
  for (int code : cards)
    values.push_back(value_for_card(code));
  g.app.random().use_sequence(values);
  g.load_card_sheet();
  toss(g.table);
}

TEST(DealerDraw, HighestCardTakesTheButtonAndSeatsCountOnClockwise) {
  for (int winner = 1; winner <= 10; ++winner) {
    SCOPED_TRACE(winner);
    TableGame g;
    std::array<int, 10> cards{};
    for (int s = 1; s <= 10; ++s)
      cards[static_cast<std::size_t>(s - 1)] = s == winner ? 52 : 4 * s;  // others below 44
    toss_with(g, cards);

    int winners = 0;
    for (int s = 1; s <= 10; ++s) {
      EXPECT_EQ(g.seat(s).dealer, (s - winner + 10) % 10 + 1) << "seat " << s;
      EXPECT_EQ(g.seat(s).cardone, g.table.deck[static_cast<std::size_t>(s)]);
      EXPECT_EQ(g.seat(s).cardtext1, convert2card(g.seat(s).cardone));
      EXPECT_EQ(g.table.hole_card(s, 1).picture(), g.cell(g.seat(s).cardone)) << "face up";
      winners += g.seat(s).tosswinner ? 1 : 0;
    }
    EXPECT_EQ(winners, 1);
    EXPECT_TRUE(g.seat(winner).tosswinner);
    const platform::Control& fourth = g.table.hole_card(winner, 4);
    EXPECT_FLOAT_EQ(g.table.Label1.left(), fourth.left() + 500);
    EXPECT_FLOAT_EQ(g.table.Label1.top(), fourth.top() + 500);
    EXPECT_TRUE(g.table.Label1.visible());
    EXPECT_EQ(g.table.tossdone, 1);
  }
}

TEST(DealerDraw, WithinOneRankTheHigherSuitWins) {
  struct Case {
    std::array<int, 10> cards;
    int winner;
  };
  // Kings: 45 clubs, 46 diamonds, 47 hearts, 48 spades.
  const std::vector<Case> cases{
      {{1, 2, 47, 3, 46, 5, 48, 6, 45, 7}, 7},
      {{45, 2, 3, 5, 6, 7, 9, 10, 11, 46}, 10},
      {{47, 2, 3, 5, 6, 7, 9, 10, 11, 46}, 1},
  };
  for (const Case& c : cases) {
    TableGame g;
    toss_with(g, c.cards);
    EXPECT_EQ(g.button_seat(), c.winner);
    EXPECT_TRUE(g.seat(c.winner).tosswinner);
  }
}

}  // namespace
}  // namespace omaha::testing
