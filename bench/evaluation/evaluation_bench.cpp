// The per-deal evaluation over seeded random deals: one item is one ten-seat deal.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "evaluation/evaluation.h"
#include "platform/application.h"
#include "screens/settings.h"
#include "table/card_code.h"
#include "table/seat_cards.h"
#include "table/table_startup.h"
#include "table/tables.h"

namespace {

using namespace omaha;

// The card texts of one deal: four hole cards for each seat, then the board.
struct deal_texts {
  std::array<std::array<std::string, kHoleCards>, kSeats> holes;
  std::array<std::string, kBoardCards> board;
};

std::vector<deal_texts> seeded_deals(std::size_t count) {
  std::mt19937_64 random(20240601);
  std::vector<deal_texts> deals(count);
  std::array<int, 52> deck{};
  for (deal_texts& deal : deals) {
    std::iota(deck.begin(), deck.end(), 1);
    std::shuffle(deck.begin(), deck.end(), random);
    std::size_t next = 0;
    for (auto& seat : deal.holes)
      for (std::string& card : seat)
        card = convert2card(deck[next++]);
    for (std::string& card : deal.board)
      card = convert2card(deck[next++]);
  }
  return deals;
}

// Writes the deal into the seat records as the dealer does.
void write_deal(tables& t, const deal_texts& deal) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    player_record& p = t.player(seat);
    for (int card = 1; card <= kHoleCards; ++card)
      hole_card_text(p, card) =
          deal.holes[static_cast<std::size_t>(seat - 1)][static_cast<std::size_t>(card - 1)];
    for (int card = 1; card <= kBoardCards; ++card)
      board_text(p, card) = deal.board[static_cast<std::size_t>(card - 1)];
  }
}

struct table_fixture {
  platform::Application app;
  settings settings_screen{app};
  tables table{app, settings_screen};
};

// A new deal per iteration: the texts written, the per-hand reset, then the evaluation.
void BM_evaluate_player_cards(benchmark::State& state) {
  table_fixture fixture;
  tables& t = fixture.table;
  const std::vector<deal_texts> deals = seeded_deals(4096);
  std::size_t next = 0;
  for (auto _ : state) {
    write_deal(t, deals[next]);
    next = (next + 1) % deals.size();
    class_set_to_zero(t);
    t.numberofwinners = 0;
    evaluate_player_cards(t);
    benchmark::DoNotOptimize(t.numberofwinners);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_evaluate_player_cards);

// The second run of every deal: the same cards again, without the reset.
void BM_evaluate_player_cards_again(benchmark::State& state) {
  table_fixture fixture;
  tables& t = fixture.table;
  write_deal(t, seeded_deals(1).front());
  class_set_to_zero(t);
  evaluate_player_cards(t);
  for (auto _ : state) {
    evaluate_player_cards(t);
    benchmark::DoNotOptimize(t.numberofwinners);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_evaluate_player_cards_again);

}  // namespace
