#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "table/deck.h"
#include "table_test_support.h"

namespace omaha::testing {
namespace {

TEST(Deck, HoldsFortyFiveDistinctCardsAfterEveryDraw) {
  TableGame g(7);
  for (int round = 0; round < 300; ++round) {
    dealfirst(g.table);
    std::set<int> codes;
    for (int position = 1; position <= 45; ++position) {
      const int code = g.table.deck[static_cast<std::size_t>(position)];
      ASSERT_GE(code, 1);
      ASSERT_LE(code, 52);
      codes.insert(code);
    }
    ASSERT_EQ(codes.size(), 45u) << "round " << round;
    ASSERT_EQ(g.table.drawn_card, g.table.deck[45]);
  }
}

TEST(Deck, RejectsRepeatsOfTheFirstAndOfTheLatestPosition) {
  TableGame g;
  // Position 1 takes 5 untested; position 2 throws a second 5 away; position 3 throws away
  // a 5 (position 1) and a 7 (the position just before) before it takes 9.
  g.app.random().use_sequence({value_for_card(5), value_for_card(5), value_for_card(7),
                               value_for_card(5), value_for_card(7), value_for_card(9)});
  dealfirst(g.table);
  EXPECT_EQ(g.table.deck[1], 5);
  EXPECT_EQ(g.table.deck[2], 7);
  EXPECT_EQ(g.table.deck[3], 9);
}

TEST(Deck, SourceEndsMapToTheFirstAndLastCard) {
  TableGame g;
  g.app.random().use_sequence({0.0, std::nextafter(1.0, 0.0)});
  dealfirst(g.table);
  EXPECT_EQ(g.table.deck[1], 1);
  EXPECT_EQ(g.table.deck[2], 52);
}

TEST(Deck, ReseedsBeforeItDraws) {
  // With a fixed seed, numbers drawn before the call do not change the deck: it reseeds first.
  TableGame plain(11);
  dealfirst(plain.table);
  TableGame used(11);
  for (int i = 0; i < 5; ++i)
    used.app.random().Rnd();
  dealfirst(used.table);
  EXPECT_EQ(plain.table.deck, used.table.deck);
}

}  // namespace
}  // namespace omaha::testing
