// The hand value encoder and the seat placing.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "evaluation/hand_value.h"
#include "support/game_harness.h"

namespace omaha {
namespace {

// ---- encoder ----

struct category_texts {
  const char* tops = "";
  const char* pair = "";
  const char* twok = "";
  const char* threek = "";
  const char* straight = "";
  const char* flush = "";
  const char* fullhouse = "";
  const char* fourk = "";
  const char* sflush = "";
  const char* rflush = "";
};

void file(player_record& seat, const category_texts& texts) {
  seat.handvaluetops = texts.tops;
  seat.handvaluepair = texts.pair;
  seat.handvaluetwok = texts.twok;
  seat.handvaluethreek = texts.threek;
  seat.handvaluestraight = texts.straight;
  seat.handvalueflush = texts.flush;
  seat.handvaluefullhouse = texts.fullhouse;
  seat.handvaluefourk = texts.fourk;
  seat.handvaluesflush = texts.sflush;
  seat.handvaluerflush = texts.rflush;
}

struct encoder_case {
  category_texts texts;
  const char* handvalue;
  int handnumber;
};

TEST(HandValueEncoder, HighestCategoryWithItsRankOrSuit) {
  const encoder_case cases[] = {
      {{.tops = "Top K"}, "Top K", 112},
      {{.tops = "Top 10"}, "Top 10", 109},
      {{.tops = "Top 2"}, "Top 2", 101},
      {{.tops = "Top A", .pair = "Pair 7"}, "Pair 7", 206},
      {{.tops = "Top A", .twok = "Two Kind 7"}, "Two Kind 7", 306},
      {{.tops = "Top A", .twok = "Two Kind K"}, "Two Kind K", 312},
      {{.tops = "Top 4", .threek = "Three Kind 4"}, "Three Kind 4", 403},
      {{.tops = "Top A", .threek = "Three Kind Q"}, "Three Kind Q", 411},
      {{.tops = "Top A", .threek = "Three Kind 2"}, "Three Kind 2", 401},
      {{.tops = "Top 9", .straight = "straight 5"}, "straight 5", 504},
      {{.tops = "Top A", .straight = "straight 10"}, "straight 10", 509},
      {{.tops = "Top A", .straight = "straight A"}, "straight A", 513},
      {{.tops = "Top J", .flush = "flush hearts"}, "flush hearts", 603},
      {{.tops = "Top J", .straight = "straight J", .flush = "flush clubs"}, "flush clubs", 601},
      {{.tops = "Top Q", .pair = "Pair Q", .flush = "flush clubs"}, "flush clubs", 601},
      {{.tops = "Top 3", .fullhouse = "FullHouse 3"}, "FullHouse 3", 702},
      {{.tops = "Top 9", .fourk = "Four Kind 9"}, "Four Kind 9", 808},
      {{.tops = "Top K", .fourk = "Four Kind K"}, "Four Kind K", 812},
      {{.tops = "Top 9",
        .straight = "straight 9",
        .flush = "flush hearts",
        .sflush = "straight flush 9"},
       "straight flush 9",
       908},
      {{.tops = "Top 10",
        .straight = "straight 10",
        .flush = "flush spades",
        .sflush = "straight flush 10"},
       "straight flush 10",
       909},
      {{.tops = "Top A",
        .straight = "straight A",
        .flush = "flush hearts",
        .sflush = "straight flush A",
        .rflush = "royal flush hearts"},
       "royal flush hearts",
       1003},
      {{.rflush = "royal flush clubs"}, "royal flush clubs", 1001},
      // A key before the category word counts as well as one after it.
      {{.tops = "Top 5",
        .straight = "straight 5",
        .flush = "flush hearts",
        .sflush = "5straight flush "},
       "5straight flush ",
       904},
      {{.tops = "Top A", .sflush = "Astraight flush ", .rflush = "froyal flush "},
       "froyal flush ",
       1000},
      {{.pair = "Pair "}, "Pair ", 200},
      {{}, "", 0},
      {{.tops = " ", .straight = " ", .flush = " "}, "", 0},
      {{.tops = "top A"}, "", 0},
      // Each word is looked for in its own field only.
      {{.tops = "Top 4", .straight = "straight flush 9", .flush = "royal flush spades"},
       "royal flush spades",
       604},
  };
  for (const encoder_case& c : cases) {
    player_record seat;
    file(seat, c.texts);
    encode_hand_value(seat);
    EXPECT_EQ(seat.handvalue, c.handvalue) << c.handvalue;
    EXPECT_EQ(seat.handnumber, c.handnumber) << c.handvalue;
  }
}

TEST(HandValueEncoder, KeepsWhatTheSeatHeldWhenNoCategoryApplies) {
  player_record seat;
  seat.handvalue = "left over";
  seat.handnumber = 305;
  encode_hand_value(seat);
  EXPECT_EQ(seat.handvalue, "left over");
  EXPECT_EQ(seat.handnumber, 305);
}

TEST(HandValueEncoder, TheTwoEntryPointsCoverSeatsOneToFiveAndSixToTen) {
  testing::GameHarness harness;
  tables& t = harness.table;
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).handvaluetops = "Top " + std::to_string(seat < 10 ? seat + 1 : 10);

  evaluate_hand_value1(t);
  for (int seat = 1; seat <= kSeats; ++seat)
    EXPECT_EQ(t.player(seat).handnumber, seat <= 5 ? 100 + seat : 0) << seat;

  evaluate_hand_value(t);
  evaluate_hand_value(t);
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(t.player(seat).handnumber, 100 + (seat < 10 ? seat : 9)) << seat;
    EXPECT_EQ(t.player(seat).handvalue, t.player(seat).handvaluetops) << seat;
  }
}

// ---- placing ----

using numbers = std::array<std::int16_t, kSeats>;
using places = std::array<std::int16_t, kSeats>;

struct placing_case {
  const char* name;
  numbers winners;
  places before;  // handrank on entry
  places after;
  int winners_counted;
  int shown_seat;  // whose name and hand text end in winnerlabel
};

TEST(SeatPlacing, PlacesCountsAndShowsTheWinner) {
  const placing_case cases[] = {
      {"all_equal",
       {505, 505, 505, 505, 505, 505, 505, 505, 505, 505},
       {},
       {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
       10,
       10},
      {"tie_on_seats_3_and_7",
       {112, 206, 603, 101, 206, 112, 603, 105, 109, 101},
       {},
       {3, 2, 1, 5, 2, 3, 1, 5, 4, 5},
       2,
       7},
      {"all_zero", {}, {}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, 10, 10},
      {"three_distinct",
       {300, 200, 100, 300, 200, 100, 300, 200, 100, 100},
       {},
       {1, 2, 3, 1, 2, 3, 1, 2, 3, 3},
       3,
       7},
      {"four_distinct",
       {400, 300, 200, 100, 100, 200, 300, 400, 100, 100},
       {},
       {1, 2, 3, 4, 4, 3, 2, 1, 4, 4},
       2,
       8},
      {"zeros_beside_others",
       {0, 305, 0, 905, 0, 305, 0, 0, 0, 0},
       {},
       {3, 2, 3, 1, 3, 2, 3, 3, 3, 3},
       1,
       4},
      {"fifth_and_lower_get_5",
       {110, 109, 108, 107, 106, 105, 104, 103, 102, 101},
       {},
       {1, 2, 3, 4, 5, 5, 5, 5, 5, 5},
       1,
       1},
      {"second_on_seat_1",
       {206, 1003, 101, 101, 101, 101, 101, 101, 101, 101},
       {},
       {2, 1, 3, 3, 3, 3, 3, 3, 3, 3},
       1,
       2},
      {"second_on_seat_2",
       {1003, 206, 101, 101, 101, 101, 101, 101, 101, 101},
       {},
       {1, 2, 3, 3, 3, 3, 3, 3, 3, 3},
       1,
       1},
      {"unmatched_seat_keeps_a_place_it_held",
       {110, 109, 108, 107, 106, 105, 104, 103, 102, 101},
       {0, 0, 0, 0, 7, 0, 0, 0, 0, 2},
       {1, 2, 3, 4, 7, 5, 5, 5, 5, 2},
       1,
       1},
      {"matched_seat_overwrites_a_place_it_held",
       {110, 109, 110, 107, 106, 105, 104, 103, 102, 101},
       {7, 7, 7, 7, 0, 0, 0, 0, 0, 0},
       {1, 2, 1, 3, 4, 5, 5, 5, 5, 5},
       2,
       3},
  };
  for (const placing_case& c : cases) {
    testing::GameHarness harness;
    tables& t = harness.table;
    for (int seat = 1; seat <= kSeats; ++seat) {
      player_record& p = t.player(seat);
      p.caption = "seat" + std::to_string(seat);
      p.handvalue = "hand" + std::to_string(seat);
      p.handrank = c.before[static_cast<std::size_t>(seat - 1)];
    }
    t.numberofwinners = 3;  // the placing adds to the count; the driver zeroes it

    evaluate_ultimate_winner(t, c.winners);

    places got{};
    for (int seat = 1; seat <= kSeats; ++seat)
      got[static_cast<std::size_t>(seat - 1)] = t.player(seat).handrank;
    EXPECT_EQ(got, c.after) << c.name;
    EXPECT_EQ(t.numberofwinners, 3 + c.winners_counted) << c.name;
    EXPECT_EQ(t.winnerlabel.caption(),
              "seat" + std::to_string(c.shown_seat) + " hand" + std::to_string(c.shown_seat))
        << c.name;
  }
}

TEST(SeatPlacing, EmptyHandTextOfAllZeroSeatsStillShowsTheName) {
  testing::GameHarness harness;
  tables& t = harness.table;
  t.player(10).caption = "tarrow kid";
  evaluate_ultimate_winner(t, numbers{});
  EXPECT_EQ(t.winnerlabel.caption(), "tarrow kid ");
}

TEST(SeatPlacing, CountStopsAtTheLargestSixteenBitNumber) {
  testing::GameHarness harness;
  tables& t = harness.table;
  t.numberofwinners = 32760;
  evaluate_ultimate_winner(t, numbers{});
  EXPECT_EQ(t.numberofwinners, 32767);
}

}  // namespace
}  // namespace omaha
