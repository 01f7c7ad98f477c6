#include <gtest/gtest.h>

#include "platform/number_text.h"
#include "table/board.h"
#include "table/hand_cycle.h"
#include "table_test_support.h"

namespace omaha::testing {
namespace {

// The table loaded as "Ok" loads it, looked at before the first turn's events run.
struct OpenTable : TableGame {
  explicit OpenTable(std::uint64_t seed = 1) : TableGame(seed) {
    settings_screen.load();
    table.load();
  }
};

TEST(FirstDeal, DrawsForTheButtonAndDealsFromTheDrawsDeck) {
  for (std::uint64_t seed : {1u, 2u, 3u, 4u, 5u}) {
    SCOPED_TRACE(seed);
    OpenTable g(seed);
    tables& t = g.table;
    EXPECT_EQ(t.tossdone, 1);
    const int button = g.button_seat();
    ASSERT_GE(button, 1);
    int winners = 0;
    for (int s = 1; s <= 10; ++s) {
      winners += g.seat(s).tosswinner ? 1 : 0;
      EXPECT_EQ(g.seat(s).dealer, (s - button + 10) % 10 + 1);
      // The draw card is the first hole card, and it beat every other seat's.
      EXPECT_EQ(g.seat(s).cardone, t.deck[static_cast<std::size_t>(s)]);
      if (s != button) {
        EXPECT_LT(g.seat(s).cardone, g.seat(button).cardone);
      }
      for (int k = 1; k <= 4; ++k) {
        EXPECT_TRUE(t.hole_card(s, k).visible());
        const int cell = s == 1 ? t.deck[static_cast<std::size_t>(10 * (k - 1) + 1)] : 0;
        EXPECT_EQ(t.hole_card(s, k).picture(), g.cell(cell)) << "seat " << s << " card " << k;
      }
    }
    EXPECT_EQ(winners, 1);
    EXPECT_TRUE(g.seat(button).tosswinner);
    for (int i = 40; i <= 44; ++i)
      EXPECT_FALSE(t.Image1[i].visible());
    EXPECT_TRUE(t.Label1.visible());
    EXPECT_FALSE(t.Timer1.enabled());
  }
}

TEST(FirstDeal, DoesNotDrawForTheButtonAgain) {
  OpenTable g;
  g.put_button_on(6);
  first_game(g.table);
  EXPECT_EQ(g.button_seat(), 6);
}

// ---- the next deal ----

// A table after its first hand, set up for the next deal: stacks of 1000, the button on
// `button`, and the field at `out` entrants out with the matching chip pool.
struct NextDeal : OpenTable {
  explicit NextDeal(std::int16_t out = 0, int button = 5) {
    table.players_out = out;
    table.chip_pool = 1000 * std::int32_t{out};
    for (int s = 1; s <= 10; ++s) {
      seat(s).prize = 1000;
      seat(s).fold = false;
      seat(s).allin = false;
    }
    put_button_on(button);
  }
  void bust(int s) { seat(s).prize = 0; }
  void retire(int s) {
    bust(s);
    seat(s).Active = false;
  }
  bool hole_cards_visible(int s) {
    bool all = true, none = true;
    for (int k = 1; k <= 4; ++k) {
      all = all && table.hole_card(s, k).visible();
      none = none && !table.hole_card(s, k).visible();
    }
    EXPECT_TRUE(all || none) << "seat " << s << " shows only some of its cards";
    return all;
  }
};

TEST(NextDeal, ResetsTheHandsState) {
  NextDeal g;
  tables& t = g.table;
  t.pot = 500;
  t.sidepot = 3;
  t.currentbet = 40;
  t.raiservalue = 2;
  t.flopshower = 4;
  t.flopshower1 = 5;
  t.flopshower2 = 6;
  t.flopshower3 = 7;
  t.folder = 2;
  t.raiser = t.gameover = t.postblinds = true;
  t.postflop1 = t.postflop2 = t.postflop3 = true;
  t.winnerlabel.set_visible(true);
  t.Timer1.set_enabled(true);
  t.focuser = 7;
  t.limits = 40;
  new_deal(t);
  EXPECT_EQ(t.pot, 0);
  EXPECT_EQ(t.sidepot, 0);
  EXPECT_EQ(t.currentbet, 0);
  EXPECT_EQ(t.raiservalue, 0);
  EXPECT_EQ(t.flopshower + t.flopshower1 + t.flopshower2 + t.flopshower3, 0);
  EXPECT_EQ(t.folder, 0);
  EXPECT_FALSE(t.raiser || t.gameover || t.postblinds);
  EXPECT_FALSE(t.postflop1 || t.postflop2 || t.postflop3);
  EXPECT_FALSE(t.winnerlabel.visible());
  EXPECT_FALSE(t.Timer1.enabled());
  EXPECT_EQ(t.limits, 40);
  for (int i = 0; i < 40; ++i)
    EXPECT_EQ(t.Image1[i].visible(), true);
}

TEST(NextDeal, FieldAdvanceShowsThePlayersStillIn) {
  NextDeal g(500);
  new_deal(g.table);
  const int out = g.table.players_out;
  EXPECT_GE(out, 503);
  EXPECT_LE(out, 507);
  EXPECT_TRUE(g.table.Label2.visible());
  EXPECT_EQ(g.table.Label2.caption(),
            "Players " + platform::Str(std::int64_t{1000 - out}) + " Remaining in the Tournament");
}

TEST(NextDeal, OrdinaryRefillGivesTheNewcomerStackAndCountsNoOneOut) {
  NextDeal g(500);
  g.bust(5);
  g.bust(1);  // the human is never refilled
  g.seat(5).tosswinner = true;
  const std::string human = g.seat(1).caption;
  g.app.random().use_sequence({0.0});  // three out at the other tables
  new_deal(g.table);
  tables& t = g.table;
  EXPECT_EQ(t.players_out, 503);
  EXPECT_EQ(t.chip_pool, 503000);
  EXPECT_EQ(g.seat(5).prize, 1004);  // 503000 / 501
  EXPECT_EQ(t.Label17.caption(), " 1004");
  EXPECT_EQ(t.Label7.caption(), g.seat(5).caption);
  EXPECT_EQ(std::count(g.seat(5).caption.begin(), g.seat(5).caption.end(), ' '), 2);
  EXPECT_TRUE(g.seat(5).tosswinner) << "the newcomer keeps the seat's record";
  EXPECT_TRUE(t.Label24.visible());
  EXPECT_EQ(t.Label24.caption(), "Please Wait Arranging Tables");
  EXPECT_EQ(g.seat(1).prize, 0);
  EXPECT_EQ(g.seat(1).caption, human);
  EXPECT_TRUE(g.seat(1).Active);
}

TEST(NextDeal, ArrivalAt990GivesEveryBustedSeatTheWholePoolAndAntesAtOnce) {
  NextDeal g(990);
  g.bust(3);
  g.bust(8);
  g.table.sitter = 1;
  g.seat(1).sittingout = true;
  g.table.Label2.set_caption("before");
  new_deal(g.table);
  tables& t = g.table;
  EXPECT_EQ(t.players_out, 992);
  EXPECT_EQ(t.chip_pool, 990000) << "the pool is not reduced";
  for (int s : {3, 8}) {
    EXPECT_EQ(g.seat(s).prize, 990000 - 10) << "pool less the ante";
    EXPECT_EQ(t.prize_label(s).caption(), " 990000");
    EXPECT_EQ(t.player_label(s).caption(), g.seat(s).caption);
    EXPECT_TRUE(g.seat(s).Active);
  }
  EXPECT_EQ(t.Label24.caption(), "Please Wait Arranging Tables");
  EXPECT_EQ(t.Label2.caption(), "before") << "no advance at the final table";
  EXPECT_FALSE(g.seat(1).sittingout);
  EXPECT_TRUE(g.hole_cards_visible(1));
  EXPECT_EQ(t.pot, 100);
  EXPECT_EQ(t.currentbet, 10);
}

TEST(NextDeal, AdvanceTo990RunsTheArrivalInTheSameDeal) {
  NextDeal g(989);
  g.bust(4);
  new_deal(g.table);
  EXPECT_EQ(g.table.Label2.caption(), "Players  10 Remaining in the Tournament");
  EXPECT_EQ(g.table.players_out, 991);
  EXPECT_EQ(g.seat(4).prize, 990000 - 10);
}

TEST(NextDeal, WaitingAt990WithNoBustChangesNothing) {
  NextDeal g(990);
  for (int deal = 0; deal < 3; ++deal) {
    new_deal(g.table);
    EXPECT_EQ(g.table.players_out, 990);
    EXPECT_EQ(g.table.chip_pool, 990000);
    EXPECT_EQ(g.table.pot, 0);
    for (int s = 1; s <= 10; ++s)
      EXPECT_EQ(g.seat(s).prize, 1000);
  }
}

TEST(NextDeal, RetiredSeatsAreCountedAgainAtEveryDealAndSitOutFolded) {
  NextDeal g(995);
  g.bust(6);
  g.bust(1);  // the human is never retired
  tables& t = g.table;
  new_deal(t);
  EXPECT_EQ(t.players_out, 996);
  EXPECT_FALSE(g.seat(6).Active);
  EXPECT_TRUE(g.seat(6).sittingout);
  EXPECT_TRUE(g.seat(6).fold) << "folded after the per-hand reset, for the whole hand";
  EXPECT_FALSE(t.Label8.visible());
  EXPECT_FALSE(t.Label18.visible());
  EXPECT_FALSE(g.hole_cards_visible(6));
  EXPECT_TRUE(g.seat(1).Active);
  EXPECT_EQ(g.seat(1).prize, 0) << "an empty stack antes nothing";
  EXPECT_TRUE(g.seat(1).allin);
  EXPECT_EQ(t.pot, 80);  // eight seats ante 10

  clear_table(t);
  new_deal(t);
  EXPECT_EQ(t.players_out, 997);
  EXPECT_TRUE(g.seat(6).fold);
  EXPECT_FALSE(g.hole_cards_visible(6));
}

TEST(NextDeal, PlayersOutStaysAtTheTopOfItsRange) {
  NextDeal g(32766);
  g.retire(2);
  g.retire(3);
  new_deal(g.table);
  EXPECT_EQ(g.table.players_out, 32767);
  new_deal(g.table);
  EXPECT_EQ(g.table.players_out, 32767);
}

TEST(NextDeal, AnteTakesAtMostTheStack) {
  struct Case {
    std::int32_t prize;
    std::int32_t after;
    bool allin;
  };
  const std::vector<Case> cases{{4, 0, true}, {10, 0, true}, {11, 1, false}, {1000, 990, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prize);
    NextDeal g(995);
    g.seat(2).prize = c.prize;
    new_deal(g.table);
    EXPECT_EQ(g.seat(2).prize, c.after);
    EXPECT_EQ(g.seat(2).allin, c.allin);
    const std::int32_t paid = c.prize - c.after;
    EXPECT_EQ(g.table.pot, 9 * 10 + paid);
    EXPECT_EQ(g.table.currentbet, 10);
    EXPECT_EQ(g.seat(2).bet, 0);
    EXPECT_EQ(g.seat(2).totalbet, 0);
    EXPECT_EQ(g.table.chiplabel2.caption(), platform::Str(std::int64_t{paid}));
    EXPECT_EQ(g.table.chiplabel3.caption(), " 10");
  }
}

TEST(NextDeal, SitOutRequestHidesTheHumansCardsUntilTakenBack) {
  NextDeal g;
  tables& t = g.table;
  t.sitter = 1;
  new_deal(t);
  EXPECT_TRUE(g.seat(1).sittingout);
  EXPECT_FALSE(g.hole_cards_visible(1));
  EXPECT_EQ(g.seat(1).prize, 1000) << "not on the button: no charge";

  t.sitter = 2;  // neither request: nothing changes
  new_deal(t);
  EXPECT_TRUE(g.seat(1).sittingout);
  EXPECT_FALSE(g.hole_cards_visible(1));

  t.sitter = 0;
  new_deal(t);
  EXPECT_FALSE(g.seat(1).sittingout);
  EXPECT_TRUE(g.hole_cards_visible(1));
}

TEST(NextDeal, SittingOutHumanOnTheButtonPaysTwiceTheLimitIntoNoPot) {
  struct Case {
    std::int32_t prize;
    std::int32_t after;
    const char* label;
  };
  const std::vector<Case> cases{
      {1000, 980, " 980"}, {21, 1, " 1"}, {20, 0, "All in"}, {15, 0, "All in"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.prize);
    NextDeal g(100, 1);
    g.table.sitter = 1;
    g.seat(1).prize = c.prize;
    new_deal(g.table);
    EXPECT_EQ(g.seat(1).prize, c.after);
    EXPECT_EQ(g.table.Label13.caption(), c.label);
    EXPECT_EQ(g.seat(1).allin, c.after < 1);
    EXPECT_EQ(g.table.pot, 0);
    EXPECT_EQ(g.button_seat(), 2);
  }
}

TEST(NextDeal, SitOutEndsWhenTheFieldReaches990) {
  NextDeal g(989, 1);
  g.table.sitter = 1;
  g.seat(1).sittingout = true;
  for (int k = 1; k <= 4; ++k)
    g.table.hole_card(1, k).set_visible(false);
  new_deal(g.table);
  EXPECT_EQ(g.table.players_out, 990);
  EXPECT_FALSE(g.seat(1).sittingout);
  EXPECT_TRUE(g.hole_cards_visible(1));
  EXPECT_EQ(g.seat(1).prize, 1000) << "no charge once back in play";
  new_deal(g.table);
  EXPECT_FALSE(g.seat(1).sittingout) << "the request is no longer applied";
}

TEST(NextDeal, ButtonPassesOverSeatsThatHaveLeft) {
  struct Case {
    int button;
    std::vector<int> out;
    int expected;
  };
  const std::vector<Case> cases{
      {3, {}, 4}, {4, {5, 6}, 7}, {9, {10}, 2}, {9, {10, 2}, 2}, {1, {2, 3, 4}, 5}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    NextDeal g(995, c.button);
    for (int s : c.out)
      g.retire(s);
    new_deal(g.table);
    EXPECT_EQ(g.button_seat(), c.expected);
    for (int s = 1; s <= 10; ++s)
      EXPECT_EQ(g.seat(s).dealer, (s - c.expected + 10) % 10 + 1);
  }
}

// ---- the next-hand timer ----

TEST(NextHandTimer, EndsTheRunExactlyWhenCloserIsOne) {
  for (std::int16_t closer : {0, 1, 2}) {
    SCOPED_TRACE(closer);
    TableGame g;
    g.load_card_sheet();
    g.table.closer = closer;
    Command1_Click(g.table);
    g.app.advance_by(12999);
    EXPECT_FALSE(g.app.ended());
    EXPECT_EQ(g.table.players_out, 0);
    g.app.advance_by(1);
    EXPECT_EQ(g.app.ended(), closer == 1);
    // Only a closer of 0 deals the next hand, which stops the timer until the next showdown.
    EXPECT_EQ(g.table.players_out > 0, closer == 0);
    EXPECT_EQ(g.table.Timer1.enabled(), closer == 2);
  }
}

}  // namespace
}  // namespace omaha::testing
