#include <gtest/gtest.h>

#include "screens/settings.h"
#include "table/card_code.h"
#include "table/dealing.h"
#include "table/seat_cards.h"
#include "table_test_support.h"

namespace omaha::testing {
namespace {

// A table with a known deck: position p holds card 53 - p, so no code equals its position.
struct DealtTable : TableGame {
  DealtTable() {
    load_card_sheet();
    for (int p = 1; p <= 45; ++p)
      table.deck[static_cast<std::size_t>(p)] = static_cast<std::int16_t>(53 - p);
  }
};

TEST(Dealing, EverySeatTakesItsFixedDeckPositionsWhereverTheButtonIs) {
  for (int button : {1, 4, 10}) {
    DealtTable g;
    g.put_button_on(button);
    g.seat(3).Active = false;
    g.seat(1).sittingout = true;
    distribute_cards_for_10(g.table);
    for (int s = 1; s <= 10; ++s) {
      for (int k = 1; k <= 4; ++k) {
        const int code = 53 - (10 * (k - 1) + s);
        EXPECT_EQ(hole_card_code(g.seat(s), k), code) << "seat " << s << " card " << k;
        EXPECT_EQ(hole_card_text(g.seat(s), k), convert2card(code));
      }
      for (int j = 1; j <= 5; ++j)
        EXPECT_EQ(board_text(g.seat(s), j), convert2card(53 - (40 + j)));
    }
  }
}

TEST(Dealing, HumanFaceUpOthersShowTheChosenBackAtEachDeal) {
  DealtTable g;
  for (int back : {0, 53, 54, 55, 0}) {
    SCOPED_TRACE(back);
    g.settings_screen.backside = static_cast<std::int16_t>(back);
    distribute_cards_for_10(g.table);
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(g.table.hole_card(1, k).picture(), g.cell(hole_card_code(g.seat(1), k)));
    for (int s = 2; s <= 10; ++s)
      for (int k = 1; k <= 4; ++k)
        EXPECT_EQ(g.table.hole_card(s, k).picture(), g.cell(back)) << "seat " << s;
  }
}

TEST(Dealing, ChangesPicturesAndTextsButNoVisibilityAndLeavesTheBoardImages) {
  DealtTable g;
  for (int i = 0; i < 40; ++i)
    g.table.Image1[i].set_visible(true);
  g.table.hole_card(5, 2).set_visible(false);
  g.seat(6).handnumber = 9999;
  g.seat(6).handrank = 99;
  distribute_cards_for_10(g.table);
  EXPECT_FALSE(g.table.hole_card(5, 2).visible());
  EXPECT_TRUE(g.table.hole_card(5, 1).visible());
  for (int i = 40; i <= 44; ++i) {
    EXPECT_EQ(g.table.Image1[i].picture(), nullptr);
    EXPECT_FALSE(g.table.Image1[i].visible());
  }
  // The evaluation fields were cleared before the evaluation ran.
  EXPECT_NE(g.seat(6).handnumber, 9999);
  EXPECT_LE(g.seat(6).handrank, 5);
}

TEST(Dealing, ShowHoleCardsSkipsSeatsOutOfPlayOrSittingOut) {
  DealtTable g;
  g.seat(1).sittingout = true;
  g.seat(7).Active = false;
  for (int i = 0; i < 40; ++i)
    g.table.Image1[i].set_visible(false);
  distribute_cards_for_10(g.table);
  show_hole_cards(g.table);
  for (int s = 1; s <= 10; ++s)
    for (int k = 1; k <= 4; ++k)
      EXPECT_EQ(g.table.hole_card(s, k).visible(), s != 1 && s != 7) << "seat " << s;
  // The sitting-out human's cards were still dealt face up, hidden.
  EXPECT_EQ(g.table.hole_card(1, 1).picture(), g.cell(g.seat(1).cardone));
}

}  // namespace
}  // namespace omaha::testing
