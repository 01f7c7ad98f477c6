// Many seeded deals through the whole evaluation, checked against a plain count of ranks and
// suits over each seat's seven cards and against the driver's guarantees.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>

#include "deal_setup.h"
#include "evaluation/evaluation.h"
#include "evaluation_state.h"
#include "support/game_harness.h"
#include "table/card_code.h"
#include "table/table_startup.h"

namespace omaha {
namespace {

using testing::deal_codes;

// The game's hand number of one seat from card codes: hole cards 1 and 2 and the board.
// Kinds count the hole ranks only, a straight needs a hole rank, a straight and a flush
// anywhere among the seven make a straight flush, and one to the ace a royal flush.
int oracle_hand_number(const std::array<int, 7>& codes) {
  std::array<int, 13> of_rank{};
  std::array<int, 4> of_suit{};
  for (const int code : codes) {
    ++of_rank[static_cast<std::size_t>(card_rank(code))];
    ++of_suit[static_cast<std::size_t>(card_suit(code))];
  }
  const int hole1 = card_rank(codes[0]);
  const int hole2 = card_rank(codes[1]);
  const int n1 = of_rank[static_cast<std::size_t>(hole1)];
  const int n2 = of_rank[static_cast<std::size_t>(hole2)];

  int best = 100 + std::max(hole1, hole2) + 1;
  const auto offer = [&best](int category, int sub) {
    best = std::max(best, 100 * category + sub);
  };

  // Kinds, strongest first; where both hole ranks qualify alike, hole card 2's is named.
  if (n2 == 4)
    offer(8, hole2 + 1);
  else if (n1 == 4)
    offer(8, hole1 + 1);
  else if (n1 == 3 && n2 == 2)
    offer(7, hole1 + 1);
  else if (n1 == 2 && n2 == 3)
    offer(7, hole2 + 1);
  else if (n2 == 3)
    offer(4, hole2 + 1);
  else if (n1 == 3)
    offer(4, hole1 + 1);
  else if (n1 == 2 && n2 == 2 && hole1 != hole2)
    offer(3, std::max(hole1, hole2) + 1);
  else if (n2 == 2)
    offer(2, hole2 + 1);
  else if (n1 == 2)
    offer(2, hole1 + 1);

  int straight_top = -1;
  for (int top = 12; top >= 3 && straight_top < 0; --top) {
    bool complete = true;
    bool has_hole_rank = false;
    for (int step = 0; step < 5; ++step) {
      const int rank = top - step < 0 ? 12 : top - step;  // the wheel takes the ace low
      complete = complete && of_rank[static_cast<std::size_t>(rank)] > 0;
      has_hole_rank = has_hole_rank || rank == hole1 || rank == hole2;
    }
    if (complete && has_hole_rank)
      straight_top = top;
  }
  const auto flush_suit =
      std::find_if(of_suit.begin(), of_suit.end(), [](int n) { return n >= 5; }) - of_suit.begin();
  const bool flush = flush_suit < 4;

  if (straight_top >= 0)
    offer(5, straight_top + 1);
  if (flush)
    offer(6, static_cast<int>(flush_suit) + 1);
  if (straight_top >= 0 && flush)
    offer(9, straight_top + 1);
  if (straight_top == 12 && flush)
    offer(10, static_cast<int>(flush_suit) + 1);
  return best;
}

// Places by the distinct hand numbers in descending order: 1 to 4, then 5.
std::array<int, kSeats> oracle_places(const std::array<int, kSeats>& numbers) {
  std::array<int, kSeats> distinct = numbers;
  std::sort(distinct.begin(), distinct.end(), std::greater<>());
  const auto end = std::unique(distinct.begin(), distinct.end());
  std::array<int, kSeats> places{};
  for (std::size_t seat = 0; seat < kSeats; ++seat)
    places[seat] = std::min<int>(
        5,
        static_cast<int>(std::find(distinct.begin(), end, numbers[seat]) - distinct.begin()) + 1);
  return places;
}

// A deal of 45 distinct codes from a shuffled deck. A narrow deal draws the 25 cards that are
// read (hole cards 1 and 2 and the board) from eight neighbouring ranks, so straights, full
// houses and four of a kind come up often; hole cards 3 and 4 take the rest of the deck.
deal_codes random_deal(std::uint64_t seed, bool narrow) {
  std::mt19937_64 random(seed);
  std::array<int, 52> deck{};
  std::iota(deck.begin(), deck.end(), 1);
  std::shuffle(deck.begin(), deck.end(), random);
  if (narrow) {
    const int low = static_cast<int>(random() % 6);  // ranks low .. low + 7
    std::stable_partition(deck.begin(), deck.end(), [low](int code) {
      return card_rank(code) >= low && card_rank(code) < low + 8;
    });
  }
  // Read cards first: hole cards 1 and 2 of the ten seats, then the board, then cards 3 and 4.
  deal_codes deal{};
  std::size_t next = 0;
  for (int position = 1; position <= 20; ++position)
    deal[static_cast<std::size_t>(position)] = deck[next++];
  for (int position = 41; position <= 45; ++position)
    deal[static_cast<std::size_t>(position)] = deck[next++];
  for (int position = 21; position <= 40; ++position)
    deal[static_cast<std::size_t>(position)] = deck[next++];
  return deal;
}

class RandomDeals : public ::testing::TestWithParam<bool> {};

TEST_P(RandomDeals, EverySeatMatchesThePlainCountAndTheRunKeepsItsGuarantees) {
  constexpr int kDeals = 6000;
  const bool narrow = GetParam();
  const std::uint64_t first_seed = narrow ? 900'000 : 100'000;
  std::array<int, 11> categories_seen{};
  int failures = 0;

  testing::GameHarness harness;
  tables& t = harness.table;
  for (int n = 0; n < kDeals && failures < 5; ++n) {
    const std::uint64_t seed = first_seed + static_cast<std::uint64_t>(n);
    const deal_codes deal = random_deal(seed, narrow);
    testing::write_deal(t, deal);
    class_set_to_zero(t);
    t.numberofwinners = 0;
    evaluate_player_cards(t);

    std::array<int, kSeats> numbers{};
    std::string problems;
    for (int seat = 1; seat <= kSeats; ++seat) {
      const std::array<int, 7> seven{
          testing::hole_code(deal, seat, 1), testing::hole_code(deal, seat, 2),
          testing::board_code(deal, 1),      testing::board_code(deal, 2),
          testing::board_code(deal, 3),      testing::board_code(deal, 4),
          testing::board_code(deal, 5)};
      const player_record& p = t.player(seat);
      const int expected = oracle_hand_number(seven);
      numbers[static_cast<std::size_t>(seat - 1)] = expected;
      if (p.handnumber != expected)
        problems += " seat " + std::to_string(seat) + " handnumber " +
                    std::to_string(p.handnumber) + " expected " + std::to_string(expected) + " (" +
                    p.cardtext1 + " " + p.cardtext2 + " | " + p.flop1 + " " + p.flop2 + " " +
                    p.flop3 + " " + p.flop4 + " " + p.flop5 + ");";
      if (p.handrank < 1 || p.handrank > 5)
        problems +=
            " seat " + std::to_string(seat) + " handrank " + std::to_string(p.handrank) + ";";
      ++categories_seen[static_cast<std::size_t>(std::clamp(expected / 100, 0, 10))];
    }
    const std::array<int, kSeats> places = oracle_places(numbers);
    const int top = *std::max_element(numbers.begin(), numbers.end());
    const auto winners = std::count(numbers.begin(), numbers.end(), top);
    for (int seat = 1; seat <= kSeats; ++seat)
      if (t.player(seat).handrank != places[static_cast<std::size_t>(seat - 1)])
        problems += " seat " + std::to_string(seat) + " place " +
                    std::to_string(t.player(seat).handrank) + " expected " +
                    std::to_string(places[static_cast<std::size_t>(seat - 1)]) + ";";
    if (t.numberofwinners != winners || t.numberofwinners < 1)
      problems += " numberofwinners " + std::to_string(t.numberofwinners) + ";";
    if (t.Label23.caption() != " ")
      problems += " Label23 '" + t.Label23.caption() + "';";
    const auto last_top = std::find(numbers.rbegin(), numbers.rend(), top) - numbers.rbegin();
    const player_record& shown = t.player(kSeats - static_cast<int>(last_top));
    if (t.winnerlabel.caption() != shown.caption + " " + shown.handvalue)
      problems += " winnerlabel '" + t.winnerlabel.caption() + "';";

    const auto first_run = testing::evaluation_state(t);
    evaluate_player_cards(t);
    if (testing::evaluation_state(t) != first_run)
      problems += " a second run changed the fields;";

    if (!problems.empty()) {
      ++failures;
      ADD_FAILURE() << "deal seed " << seed << (narrow ? " (narrow)" : "") << ":" << problems;
    }
  }
  for (int category = 1; category <= 10; ++category)
    EXPECT_GT(categories_seen[static_cast<std::size_t>(category)], 0)
        << "no deal gave category " << category;
}

INSTANTIATE_TEST_SUITE_P(Deals, RandomDeals, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Narrow" : "FullDeck"; });

}  // namespace
}  // namespace omaha
