#include <gtest/gtest.h>

#include "table/board.h"
#include "table_test_support.h"

namespace omaha::testing {
namespace {

struct BoardTable : TableGame {
  BoardTable() {
    load_card_sheet();
    for (int p = 1; p <= 45; ++p)
      table.deck[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(p + 3);
    for (int s = 1; s <= 10; ++s) {
      seat(s).cardone = static_cast<std::int16_t>(s);
      seat(s).cardtwo = static_cast<std::int16_t>(s + 10);
      seat(s).cardthree = static_cast<std::int16_t>(s + 20);
      seat(s).cardfour = static_cast<std::int16_t>(s + 30);
    }
  }
  // Board image i (40..44) shows deck position i + 1 face up.
  void expect_board_shown(int from, int to) {
    for (int i = 40; i <= 44; ++i) {
      const bool shown = i >= from && i <= to;
      EXPECT_EQ(table.Image1[i].visible(), shown) << "image " << i;
      if (shown) {
        EXPECT_EQ(table.Image1[i].picture(), cell(table.deck[static_cast<std::size_t>(i + 1)]));
      }
    }
  }
  void expect_pile_up_to(int last_chip) {
    for (int c = 60; c <= 90; ++c)
      EXPECT_EQ(table.backchips[c].visible(), c <= last_chip) << "pot chip " << c;
    EXPECT_TRUE(table.potlabel.visible());
  }
};

TEST(Board, StreetsTurnUpTheirCardsMarkTheStreetAndRestartTheRaiseCount) {
  BoardTable g;
  tables& t = g.table;
  t.Label2.set_visible(true);
  t.raiservalue = 3;
  show_flop1(t);
  g.expect_board_shown(40, 42);
  EXPECT_TRUE(t.postflop1);
  EXPECT_FALSE(t.postflop2);
  EXPECT_EQ(t.raiservalue, 0);
  EXPECT_FALSE(t.Label2.visible());

  t.raiservalue = 2;
  t.Label2.set_visible(true);
  show_flop2(t);
  g.expect_board_shown(40, 43);
  EXPECT_TRUE(t.postflop2);
  EXPECT_EQ(t.raiservalue, 0);
  EXPECT_TRUE(t.Label2.visible()) << "only the flop takes the banner away";

  t.raiservalue = 1;
  show_flop3(t);
  g.expect_board_shown(40, 44);
  EXPECT_TRUE(t.postflop1 && t.postflop2 && t.postflop3);
  EXPECT_EQ(t.raiservalue, 0);

  // An earlier street ended again later in the hand: same cards, nothing of later streets lost.
  t.raiservalue = 4;
  show_flop1(t);
  g.expect_board_shown(40, 44);
  EXPECT_EQ(t.raiservalue, 0);
  EXPECT_TRUE(t.postflop3);
  EXPECT_FALSE(t.Label2.visible());
}

TEST(Board, StreetsGrowThePotPileStageByStageAndClearTheBets) {
  BoardTable g;
  tables& t = g.table;
  const int stages[] = {75, 83, 90};
  void (*streets[])(tables&) = {show_flop1, show_flop2, show_flop3};
  for (int street = 0; street < 3; ++street) {
    for (int s = 1; s <= 10; ++s)
      chips_player_show(t, 20, s);
    streets[street](t);
    g.expect_pile_up_to(stages[street]);
    for (int c = 0; c < 60; ++c)
      EXPECT_FALSE(t.backchips[c].visible()) << "bet chip " << c;
    EXPECT_FALSE(t.chiplabel4.visible());
  }
  show_flop1(t);
  g.expect_pile_up_to(90);
}

TEST(Board, ClearTableShowsEveryHoleCardHidesTheBoardAndKeepsPictures) {
  BoardTable g;
  tables& t = g.table;
  show_flop3(t);
  const auto river = t.Image1[44].picture();
  t.hole_card(4, 1).set_picture(g.cell(17));
  for (int k = 1; k <= 4; ++k)
    t.hole_card(4, k).set_visible(false);  // seat 4 folded
  t.backchips[60].set_visible(true);
  t.potlabel.set_visible(true);
  const auto pot_before = t.pot;

  clear_table(t);
  for (int i = 0; i < 40; ++i)
    EXPECT_TRUE(t.Image1[i].visible()) << "image " << i;
  for (int i = 40; i <= 44; ++i)
    EXPECT_FALSE(t.Image1[i].visible()) << "image " << i;
  EXPECT_EQ(t.hole_card(4, 1).picture(), g.cell(17));
  EXPECT_EQ(t.Image1[44].picture(), river);
  EXPECT_TRUE(t.backchips[60].visible());
  EXPECT_TRUE(t.potlabel.visible());
  EXPECT_EQ(t.pot, pot_before);
}

TEST(Board, ClearTableBeforeTheFirstDealShowsEmptyImages) {
  TableGame g;
  clear_table(g.table);
  for (int i = 0; i < 40; ++i) {
    EXPECT_TRUE(g.table.Image1[i].visible());
    EXPECT_EQ(g.table.Image1[i].picture(), nullptr);
  }
}

TEST(Board, ClearTableHidesEveryBet) {
  BoardTable g;
  for (int s = 1; s <= 10; ++s)
    chips_player_show(g.table, 30, s);
  clear_table(g.table);
  for (int c = 0; c < 60; ++c)
    EXPECT_FALSE(g.table.backchips[c].visible()) << "bet chip " << c;
  EXPECT_FALSE(g.table.chiplabel10.visible());
}

TEST(Board, ShowAllCardsTurnsUpSeatsStillInAndTheWholeBoard) {
  BoardTable g;
  tables& t = g.table;
  g.seat(8).Active = false;
  for (int i = 0; i < 40; ++i)
    t.Image1[i].set_visible(true);
  const auto kept = g.cell(0);
  for (int k = 1; k <= 4; ++k) {
    t.hole_card(8, k).set_picture(kept);
    t.hole_card(8, k).set_visible(false);
  }
  t.hole_card(2, 3).set_visible(false);  // folded: gets its face, stays hidden
  t.raiservalue = 2;

  show_all_cards(t);
  for (int s = 1; s <= 10; ++s) {
    for (int k = 1; k <= 4; ++k) {
      const auto expected = s == 8 ? kept : g.cell(s + 10 * (k - 1));
      EXPECT_EQ(t.hole_card(s, k).picture(), expected) << "seat " << s << " card " << k;
      EXPECT_EQ(t.hole_card(s, k).visible(), s != 8 && !(s == 2 && k == 3));
    }
  }
  g.expect_board_shown(40, 44);
  EXPECT_FALSE(t.postflop1);
  EXPECT_EQ(t.raiservalue, 2);
}

}  // namespace
}  // namespace omaha::testing
