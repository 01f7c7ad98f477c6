// The evaluation driver: what it files for each seat and what it leaves behind.
#include <gtest/gtest.h>

#include <string>

#include "deal_setup.h"
#include "evaluation/evaluation.h"
#include "evaluation_state.h"
#include "support/game_harness.h"
#include "table/table_startup.h"

namespace omaha {
namespace {

using testing::set_board;
using testing::set_hole_cards;

class Driver : public ::testing::Test {
 protected:
  // A deal as the dealer leaves it: the texts written, the evaluation fields reset.
  void evaluate() {
    class_set_to_zero(t);
    t.numberofwinners = 0;
    evaluate_player_cards(t);
  }

  testing::GameHarness harness;
  tables& t = harness.table;
};

// Ten seats whose hole ranks make nothing with the board 2s 7s 9s Js Ks but its flush.
void deal_board_flush_for_all(tables& t) {
  set_board(t, {"2s", "7s", "9s", "Js", "Ks"});
  const char* holes[kSeats][2] = {{"3c", "4d"}, {"5c", "6d"}, {"Qc", "Ad"}, {"3d", "5h"},
                                  {"4c", "6h"}, {"Qd", "Ah"}, {"3h", "Qh"}, {"4h", "Ac"},
                                  {"5d", "Qs"}, {"6c", "As"}};
  for (int seat = 1; seat <= kSeats; ++seat)
    set_hole_cards(t, seat, holes[seat - 1][0], holes[seat - 1][1]);
}

TEST_F(Driver, FilesEachVerdictInItsOwnField) {
  set_board(t, {"Qh", "Jd", "10h", "2h", "3h"});
  set_hole_cards(t, 1, "Ah", "Kc");   // broadway of mixed suits and a heart flush
  set_hole_cards(t, 2, "9c", "8d");   // 8 to Q
  set_hole_cards(t, 3, "Qc", "Qs");   // three queens
  set_hole_cards(t, 4, "Jc", "2d");   // two pairs, jacks up
  set_hole_cards(t, 5, "4s", "5c");   // nothing
  set_hole_cards(t, 6, "Kh", "9h");   // king-high straight and the flush
  set_hole_cards(t, 7, "10c", "2c");  // tens and deuces
  set_hole_cards(t, 8, "3c", "3d");   // three threes
  set_hole_cards(t, 9, "4h", "7c");   // a flush of hearts
  set_hole_cards(t, 10, "Kd", "9s");  // king-high straight

  evaluate();

  const struct {
    const char* tops;
    const char* kinds;
    const char* straight;
    const char* flush;
    const char* sflush;
    const char* rflush;
    const char* handvalue;
    int handnumber;
    int handrank;
  } expected[kSeats] = {
      {"Top A", "", "straight A", "flush hearts", "straight flush A", "royal flush hearts",
       "royal flush hearts", 1003, 1},
      {"Top 9", "", "straight Q", " ", "", "", "straight Q", 511, 5},
      {"Top Q", "Three Kind Q", " ", " ", "", "", "Three Kind Q", 411, 5},
      {"Top J", "Two Kind J", " ", " ", "", "", "Two Kind J", 310, 5},
      {"Top 5", "", " ", " ", "", "", "Top 5", 104, 5},
      {"Top K", "", "straight K", "flush hearts", "straight flush K", "", "straight flush K", 912,
       2},
      {"Top 10", "Two Kind 10", " ", " ", "", "", "Two Kind 10", 309, 5},
      {"Top 3", "Three Kind 3", " ", " ", "", "", "Three Kind 3", 402, 5},
      {"Top 7", "", " ", "flush hearts", "", "", "flush hearts", 603, 3},
      {"Top K", "", "straight K", " ", "", "", "straight K", 512, 4},
  };
  for (int seat = 1; seat <= kSeats; ++seat) {
    const auto& e = expected[seat - 1];
    const player_record& p = t.player(seat);
    SCOPED_TRACE("seat " + std::to_string(seat));
    EXPECT_EQ(p.handvaluetops, e.tops);
    const std::string kinds = p.handvaluepair + p.handvaluetwok + p.handvaluethreek +
                              p.handvaluefullhouse + p.handvaluefourk;
    EXPECT_EQ(kinds, e.kinds);
    EXPECT_EQ(p.handvaluestraight, e.straight);
    EXPECT_EQ(p.handvalueflush, e.flush);
    EXPECT_EQ(p.handvaluesflush, e.sflush);
    EXPECT_EQ(p.handvaluerflush, e.rflush);
    EXPECT_EQ(p.handvalue, e.handvalue);
    EXPECT_EQ(p.handnumber, e.handnumber);
    EXPECT_EQ(p.handrank, e.handrank);
  }
  EXPECT_EQ(t.numberofwinners, 1);
  EXPECT_EQ(t.winnerlabel.caption(), t.player(1).caption + " royal flush hearts");
  EXPECT_EQ(t.Label23.caption(), " ");
  EXPECT_EQ(t.cards1 + t.cards2 + t.cards7, "Kd9s3h");
  EXPECT_EQ(t.flopvalue, " ");
}

TEST_F(Driver, FilesEachKindsVerdictInItsOwnFieldOnly) {
  const struct {
    const char* hole1;
    const char* hole2;
    std::string player_record::*field;
    const char* verdict;
  } cases[] = {
      {"9d", "5c", &player_record::handvaluepair, "Pair 9"},
      {"9d", "Jc", &player_record::handvaluetwok, "Two Kind J"},
      {"7c", "5c", &player_record::handvaluethreek, "Three Kind 7"},
      {"7c", "Jc", &player_record::handvaluefullhouse, "FullHouse 7"},
      {"7c", "7d", &player_record::handvaluefourk, "Four Kind 7"},
  };
  for (const auto& c : cases) {
    set_board(t, {"7h", "7s", "Jh", "9c", "2d"});
    set_hole_cards(t, 1, c.hole1, c.hole2);
    evaluate();
    const player_record& p = t.player(1);
    EXPECT_EQ(p.*c.field, c.verdict);
    EXPECT_EQ(p.handvaluepair + p.handvaluetwok + p.handvaluethreek + p.handvaluefullhouse +
                  p.handvaluefourk,
              c.verdict);
    EXPECT_EQ(p.handvalue, c.verdict);
  }
}

TEST_F(Driver, BoardFlushReachesEverySeatOnlyThroughTheFlushField) {
  deal_board_flush_for_all(t);
  evaluate();
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t.player(seat);
    SCOPED_TRACE("seat " + std::to_string(seat));
    EXPECT_EQ(p.handvaluepair + p.handvaluetwok + p.handvaluethreek + p.handvaluefullhouse +
                  p.handvaluefourk,
              "");
    EXPECT_EQ(p.handvaluestraight, " ");
    EXPECT_EQ(p.handvalueflush, "flush spades");
    EXPECT_EQ(p.handnumber, 604);
    EXPECT_EQ(p.handrank, 1);
  }
  EXPECT_EQ(t.numberofwinners, 10);
  EXPECT_EQ(t.winnerlabel.caption(), t.player(10).caption + " flush spades");
  EXPECT_EQ(t.Label23.caption(), " ");
}

TEST_F(Driver, HoleCardsThreeAndFourAndTheSeatsStateChangeNothing) {
  set_board(t, {"5h", "6h", "7d", "Kc", "3s"});
  for (int seat = 1; seat <= kSeats; ++seat)
    set_hole_cards(t, seat, "Ac", "Jd", "8s", "9s");
  set_hole_cards(t, 4, "4c", "Jh", "8c", "9c");
  evaluate();
  const auto before = testing::evaluation_state(t);

  for (int seat = 1; seat <= kSeats; ++seat) {
    t.player(seat).cardtext3 = "4d";
    t.player(seat).cardtext4 = "3d";
  }
  t.player(4).Active = false;
  t.player(4).sittingout = true;
  t.player(4).fold = true;
  evaluate();
  EXPECT_EQ(testing::evaluation_state(t), before);
  // The seat that has left holds the only straight and is still counted as the winner.
  EXPECT_EQ(t.player(4).handnumber, 506);
  EXPECT_EQ(t.player(4).handrank, 1);
  EXPECT_EQ(t.numberofwinners, 1);
}

TEST_F(Driver, SeatsWithoutCardsAreStillPlacedAndTheRunEnds) {
  // Nothing dealt yet: no category applies anywhere, every seat stays at 0 and shares place 1.
  evaluate();
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(t.player(seat).handnumber, 0);
    EXPECT_EQ(t.player(seat).handrank, 1);
    EXPECT_EQ(t.player(seat).handvaluestraight, " ");
    EXPECT_EQ(t.player(seat).handvalueflush, " ");
    EXPECT_EQ(t.player(seat).handvaluetops, "");
  }
  EXPECT_EQ(t.numberofwinners, 10);
  EXPECT_EQ(t.Label23.caption(), " ");
}

TEST_F(Driver, SecondRunOnTheSameCardsWithoutResetChangesNothing) {
  deal_board_flush_for_all(t);
  set_hole_cards(t, 2, "8s", "10s");  // 7 to J in spades
  set_hole_cards(t, 5, "Jc", "Jh");   // three jacks
  evaluate();
  const auto first = testing::evaluation_state(t);
  EXPECT_EQ(t.player(2).handnumber, 910);
  EXPECT_EQ(t.player(2).handrank, 1);
  EXPECT_EQ(t.player(5).handvaluethreek, "Three Kind J");
  EXPECT_EQ(t.numberofwinners, 1);

  evaluate_player_cards(t);
  EXPECT_EQ(testing::evaluation_state(t), first);
}

}  // namespace
}  // namespace omaha
