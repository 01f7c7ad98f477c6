// The classifiers on their own: what each leaves on the verdict channel and in its scratch field.
#include <gtest/gtest.h>

#include <string>

#include "evaluation/classifiers.h"
#include "support/game_harness.h"

namespace omaha {
namespace {

// What the caller leaves on the channel before a call; a classifier that finds nothing keeps it.
constexpr const char* kUntouched = "(untouched)";

class Classifiers : public ::testing::Test {
 protected:
  const std::string& run(void (*classifier)(tables&, const seven_cards&),
                         const seven_cards& cards) {
    t.Label23.set_caption(kUntouched);
    classifier(t, cards);
    return t.Label23.caption();
  }

  testing::GameHarness harness;
  tables& t = harness.table;
};

struct verdict_case {
  const char* name;
  seven_cards cards;  // hole 1, hole 2, board 1..5
  const char* verdict;
};

void PrintTo(const verdict_case& c, std::ostream* os) {
  *os << c.name;
}

// ---- straight ----

class StraightCases : public Classifiers, public ::testing::WithParamInterface<verdict_case> {};

TEST_P(StraightCases, NamesTheHighestStraightThatTakesInAHoleRank) {
  const verdict_case& c = GetParam();
  t.st = "before";
  EXPECT_EQ(run(evaluate_hand_straight, c.cards), c.verdict);
  EXPECT_EQ(t.st, c.verdict == std::string(kUntouched) ? "before" : c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Straight, StraightCases,
    ::testing::Values(
        verdict_case{
            "wheel_with_hole_ace", {"Ah", "7c", "2d", "3s", "4h", "5c", "Kd"}, "straight 5"},
        verdict_case{
            "wheel_with_board_ace", {"3h", "9c", "Ad", "2s", "4h", "5c", "Jd"}, "straight 5"},
        verdict_case{
            "six_high_beats_wheel", {"2h", "9c", "Ad", "3s", "4h", "5c", "6d"}, "straight 6"},
        verdict_case{
            "hole_ace_low_and_six", {"Ah", "6c", "2d", "3s", "4h", "5c", "Jd"}, "straight 6"},
        verdict_case{"board_straight_above_is_not_reported",
                     {"3h", "Kc", "4d", "5s", "6h", "7c", "8d"},
                     "straight 7"},
        verdict_case{
            "board_alone_gives_nothing", {"Kh", "2c", "5d", "6s", "7h", "8c", "9d"}, kUntouched},
        verdict_case{
            "pocket_pair_in_straight", {"9h", "9c", "5d", "6s", "7h", "8c", "2d"}, "straight 9"},
        verdict_case{
            "hole_rank_also_on_board", {"9h", "Kc", "5d", "6s", "7h", "8c", "9d"}, "straight 9"},
        verdict_case{
            "higher_of_two_windows", {"4h", "9c", "5d", "6s", "7h", "8c", "Kd"}, "straight 9"},
        verdict_case{"ten_high", {"10h", "2c", "6d", "7s", "8h", "9c", "Kd"}, "straight 10"},
        verdict_case{
            "broadway_with_hole_ten", {"10h", "2c", "Jd", "Qs", "Kh", "Ac", "9d"}, "straight A"},
        verdict_case{
            "broadway_not_wheel", {"Ah", "Kc", "Qd", "Js", "10h", "2c", "3d"}, "straight A"},
        verdict_case{
            "both_hole_cards_inside", {"5h", "6c", "2d", "3s", "4h", "7c", "8d"}, "straight 8"},
        verdict_case{
            "completing_card_last", {"Jh", "2c", "7d", "8s", "9h", "Kc", "10d"}, "straight J"},
        verdict_case{
            "completing_card_first", {"Jh", "2c", "10d", "8s", "9h", "Kc", "7d"}, "straight J"},
        verdict_case{"four_in_a_row_only", {"Jh", "Qc", "10d", "9s", "3h", "3c", "2d"}, kUntouched},
        verdict_case{"king_high", {"Kh", "Kc", "Qd", "Js", "10h", "9c", "2d"}, "straight K"},
        verdict_case{
            "no_ace_round_the_corner", {"Qh", "Kc", "Ad", "2s", "3h", "7c", "8d"}, kUntouched},
        verdict_case{
            "lower_case_rank_is_no_rank", {"jh", "2c", "7d", "8s", "9h", "Kc", "10d"}, kUntouched},
        verdict_case{"empty_hole_cards", {"", "", "2d", "3s", "4h", "5c", "6d"}, kUntouched}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Classifiers, StraightFoundEarlierStaysInItsFieldWhenTheNextSeatHasNone) {
  run(evaluate_hand_straight, {"Jh", "2c", "7d", "8s", "9h", "10c", "3d"});
  EXPECT_EQ(run(evaluate_hand_straight, {"Kh", "2c", "5d", "6s", "7h", "8c", "9d"}), kUntouched);
  EXPECT_EQ(t.st, "straight J");
}

TEST_F(Classifiers, CardsThreeAndFourOfTheSeatAreNotAmongTheSevenTexts) {
  // Hole cards 3 and 4 would complete 5 to 9; the seven texts alone hold only four of it.
  EXPECT_EQ(run(evaluate_hand_straight, {"5h", "Kc", "6d", "7s", "8h", "2c", "3d"}), kUntouched);
}

// ---- high card ----

class TopCases : public Classifiers, public ::testing::WithParamInterface<verdict_case> {};

TEST_P(TopCases, NamesTheHigherHoleRank) {
  EXPECT_EQ(run(evaluate_hand_tops, GetParam().cards), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Tops, TopCases,
    ::testing::Values(
        verdict_case{"ten_over_nine", {"10h", "9c", "Ad", "As", "Ah", "Kc", "Kd"}, "Top 10"},
        verdict_case{"nine_under_ten", {"9c", "10h", "2d", "3s", "4h", "5c", "6d"}, "Top 10"},
        verdict_case{"king_over_deuce", {"2c", "Kd", "Ad", "3s", "4h", "5c", "6d"}, "Top K"},
        verdict_case{"pocket_aces", {"Ah", "Ad", "2d", "3s", "4h", "5c", "6d"}, "Top A"},
        verdict_case{"board_is_not_read", {"3h", "2d", "Ad", "As", "Kh", "Kc", "Qd"}, "Top 3"},
        verdict_case{"one_empty_hole_card", {"", "7s", "Ad", "As", "Kh", "Kc", "Qd"}, "Top 7"},
        verdict_case{"no_rank_at_all", {"", "", "Ad", "As", "Kh", "Kc", "Qd"}, kUntouched}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- kinds ----

class KindsCases : public Classifiers, public ::testing::WithParamInterface<verdict_case> {};

TEST_P(KindsCases, CountsOnlyTheHoleRanks) {
  EXPECT_EQ(run(evaluate_hand_kinds, GetParam().cards), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, KindsCases,
    ::testing::Values(
        verdict_case{
            "pocket_pair_ignores_board_pair", {"5c", "5d", "9h", "9s", "2c", "3d", "7h"}, "Pair 5"},
        verdict_case{"hole_one_paired", {"Jc", "5d", "Jh", "9s", "2c", "3d", "7h"}, "Pair J"},
        verdict_case{"hole_two_paired", {"5d", "Jc", "Jh", "9s", "2c", "3d", "7h"}, "Pair J"},
        verdict_case{
            "two_pairs_aces_up", {"As", "10c", "Ad", "10h", "4c", "7s", "2d"}, "Two Kind A"},
        verdict_case{"two_pairs_higher_from_hole_two",
                     {"3d", "10c", "10h", "3s", "4c", "7s", "2d"},
                     "Two Kind 10"},
        verdict_case{
            "trips_ignores_board_pair", {"5c", "9d", "9h", "9s", "Kc", "Kd", "2h"}, "Three Kind 9"},
        verdict_case{
            "pocket_pair_trips", {"10c", "10d", "10h", "9s", "Kc", "3d", "2h"}, "Three Kind 10"},
        verdict_case{"full_house_trips_from_hole_two",
                     {"5c", "9d", "5h", "9h", "9s", "2c", "3d"},
                     "FullHouse 9"},
        verdict_case{"full_house_trips_from_hole_one",
                     {"9d", "5c", "5h", "9h", "9s", "2c", "3d"},
                     "FullHouse 9"},
        verdict_case{
            "two_trips_name_hole_two", {"5c", "9d", "5h", "5s", "9h", "9s", "2c"}, "Three Kind 9"},
        verdict_case{
            "two_trips_swapped", {"9d", "5c", "5h", "5s", "9h", "9s", "2c"}, "Three Kind 5"},
        verdict_case{
            "quads_beat_the_pair", {"7c", "Jd", "7h", "7s", "7d", "Jh", "2c"}, "Four Kind 7"},
        verdict_case{
            "quads_from_hole_two", {"Jd", "7c", "7h", "7s", "7d", "Jh", "Jc"}, "Four Kind 7"},
        verdict_case{"pocket_quads", {"Kd", "Kc", "Kh", "Ks", "7d", "Jh", "Jc"}, "Four Kind K"},
        verdict_case{"nothing", {"7c", "Jd", "2h", "3s", "4d", "5h", "9c"}, kUntouched},
        verdict_case{"board_trips_alone", {"7c", "Jd", "2h", "2s", "2d", "5h", "9c"}, kUntouched},
        verdict_case{
            "empty_hole_card_counts_nothing", {"", "Jd", "", "3s", "4d", "5h", "9c"}, kUntouched}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- flush ----

TEST_F(Classifiers, FlushNamesTheSuitOfFiveOrMore) {
  const struct {
    seven_cards cards;
    const char* verdict;
  } cases[] = {
      {{"Ah", "2h", "5h", "9h", "Jh", "3c", "4d"}, "flush hearts"},
      {{"Ah", "2h", "5h", "9h", "Jh", "Kh", "4d"}, "flush hearts"},
      {{"Ah", "2h", "5h", "9h", "Jh", "Kh", "10h"}, "flush hearts"},
      {{"2c", "3c", "4c", "5c", "6c", "Kd", "Kh"}, "flush clubs"},
      {{"10d", "2d", "5d", "9d", "Jd", "3c", "4h"}, "flush diamonds"},
      {{"10s", "10h", "5s", "9s", "Js", "3s", "4h"}, "flush spades"},
      {{"Kh", "10h", "5h", "9h", "2c", "3h", "4d"}, "flush hearts"},
  };
  for (const auto& c : cases) {
    t.fl = "before";
    EXPECT_EQ(run(evaluate_hand_flush, c.cards), c.verdict) << c.cards[0] << ' ' << c.cards[1];
    EXPECT_EQ(t.fl, c.verdict);
  }
}

TEST_F(Classifiers, FourOfOneSuitIsNoFlushAndTheLastFlushTextStays) {
  t.fl = "flush diamonds";
  EXPECT_EQ(run(evaluate_hand_flush, {"Ac", "2c", "5c", "9c", "Jh", "3h", "4h"}), kUntouched);
  EXPECT_EQ(t.fl, "flush diamonds");
  // A tens' suit letter is its third character and still counts; "1" is no suit.
  EXPECT_EQ(run(evaluate_hand_flush, {"10c", "10d", "10h", "10s", "2h", "3h", "4s"}), kUntouched);
}

// ---- board ----

struct board_case {
  const char* name;
  board_cards board;
  const char* flopvalue;
};

void PrintTo(const board_case& c, std::ostream* os) {
  *os << c.name;
}

class BoardCases : public Classifiers, public ::testing::WithParamInterface<board_case> {};

TEST_P(BoardCases, NamesTheBoardsOwnCategory) {
  t.flopvalue = " ";
  t.fl = "before";
  t.Label23.set_caption(kUntouched);
  evaluate_flop_value(t, GetParam().board);
  EXPECT_EQ(t.flopvalue, GetParam().flopvalue);
  EXPECT_EQ(t.Label23.caption(), kUntouched);
  EXPECT_EQ(t.fl, "before");
}

INSTANTIATE_TEST_SUITE_P(
    Board, BoardCases,
    ::testing::Values(
        board_case{"trips_in_front", {"9h", "9s", "9d", "3d", "7h"}, "Three Kind"},
        board_case{"two_pairs_crossed", {"9h", "Kc", "9s", "Kd", "2h"}, "Two Kind"},
        board_case{"full_house_trips_first", {"9h", "Kc", "9s", "9d", "Kd"}, "FullHouse"},
        board_case{"full_house_trips_second", {"9h", "Kc", "Ks", "Kd", "9d"}, "FullHouse"},
        board_case{"quads", {"9h", "9s", "9d", "9c", "2h"}, "Four Kind"},
        board_case{"quads_behind", {"2h", "9s", "9d", "9c", "9h"}, "Four Kind"},
        board_case{"pair_in_front", {"9h", "9s", "2c", "3d", "7h"}, "Pair"},
        board_case{"nothing", {"2c", "5d", "9h", "Jc", "Kd"}, " "},
        // A rank first met on the third card is counted on its own.
        board_case{"pair_from_third_card", {"2c", "5d", "9h", "Jc", "9d"}, "Pair"},
        board_case{"two_pairs_second_from_third_card", {"5h", "5s", "9h", "9s", "Kc"}, "Two Kind"},
        board_case{"two_pairs_from_second_and_third", {"2h", "5s", "9h", "5d", "9s"}, "Two Kind"},
        board_case{"full_house_trips_from_third_card", {"5h", "5s", "9h", "9s", "9c"}, "FullHouse"},
        board_case{"trips_from_third_card", {"2h", "5s", "10h", "10s", "10c"}, "Three Kind"},
        // A rank first met on the fourth card is not counted.
        board_case{"pair_on_the_last_two_cards", {"2c", "5d", "9h", "Jc", "Jd"}, " "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Classifiers, FlushBoardIsNamedByTheBoardClassifierAndForEverySeat) {
  t.flopvalue = " ";
  t.Label23.set_caption(" ");
  evaluate_flop_value(t, {"2s", "7s", "9s", "Js", "Ks"});
  EXPECT_EQ(t.flopvalue, " ");
  EXPECT_EQ(t.fl, "flush spades");
  EXPECT_EQ(t.Label23.caption(), "flush spades");
  EXPECT_EQ(run(evaluate_hand_flush, {"Ah", "3d", "2s", "7s", "9s", "Js", "Ks"}), "flush spades");

  // Four board cards of a suit are no board flush, even with a tens' card.
  t.fl = "before";
  t.Label23.set_caption(" ");
  evaluate_flop_value(t, {"2s", "7s", "9s", "10s", "Kh"});
  EXPECT_EQ(t.Label23.caption(), " ");
  EXPECT_EQ(t.fl, "before");
}

// ---- straight flush and royal flush ----

TEST_F(Classifiers, StraightAndFlushTextsMakeTheStraightAndRoyalFlushTexts) {
  const struct {
    const char* straight;
    const char* flush;
    const char* sflush;
    const char* rflush;
  } cases[] = {
      {"straight 9", "flush hearts", "straight flush 9", ""},
      {"straight 5", "flush clubs", "straight flush 5", ""},
      {"straight 10", "flush diamonds", "straight flush 10", ""},
      {"straight A", "flush spades", "straight flush A", "royal flush spades"},
      {"straight A", "flush hearts", "straight flush A", "royal flush hearts"},
      {" ", "flush hearts", "", ""},
      {"straight 9", " ", "", ""},
      {"straight A", "", "", ""},
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    player_record& seat = t.player(4);
    seat.handvaluestraight = c.straight;
    seat.handvalueflush = c.flush;
    seat.handvaluesflush.clear();
    seat.handvaluerflush.clear();
    evaluate_hand_royal(t, 4);
    EXPECT_EQ(seat.handvaluesflush, c.sflush) << c.straight << " / " << c.flush;
    EXPECT_EQ(seat.handvaluerflush, c.rflush) << c.straight << " / " << c.flush;
    EXPECT_EQ(seat.handvaluestraight, c.straight);
    EXPECT_EQ(seat.handvalueflush, c.flush);
  }
}

TEST_F(Classifiers, RoyalCombinerTouchesOnlyTheSeatItIsGiven) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    t.player(seat).handvaluestraight = "straight A";
    t.player(seat).handvalueflush = "flush clubs";
  }
  evaluate_hand_royal(t, 0);
  evaluate_hand_royal(t, 11);
  evaluate_hand_royal(t, -1);
  evaluate_hand_royal(t, 7);
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(t.player(seat).handvaluesflush, seat == 7 ? "straight flush A" : "") << seat;
    EXPECT_EQ(t.player(seat).handvaluerflush, seat == 7 ? "royal flush clubs" : "") << seat;
  }
}

}  // namespace
}  // namespace omaha
