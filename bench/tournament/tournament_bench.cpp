// Whole tournaments played headless on the manual clock, from "Ok" to the end of the program:
// how many hands the game deals, plays and settles per second.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "autoplay.h"

namespace omaha::testing {
namespace {

constexpr std::int64_t kStepCap = 5'000'000;

// The human's play: 0 calls or checks, 1 folds, 2 sits out, 3 calls or checks from a stack of a
// million chips, which keeps the run going into the high limits.
void BM_WholeTournament(benchmark::State& state) {
  const auto play = state.range(0);
  const HumanStyle style = play == 3 ? HumanStyle::call_or_check : static_cast<HumanStyle>(play);
  std::uint64_t seed = 1;
  std::int64_t hands = 0;
  std::int64_t runs = 0;
  for (auto _ : state) {
    GameHarness h(seed++);
    start_from_settings(h);
    if (play == 3)
      h.table.player(1).prize = 1'000'000;
    const RunOutcome outcome = play_to_end(h, style, kStepCap);
    if (!outcome.ended) {
      state.SkipWithError("a run did not end");
      break;
    }
    hands += outcome.hands;
    ++runs;
  }
  state.counters["hands_per_second"] =
      benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
  state.counters["hands_per_run"] =
      benchmark::Counter(runs > 0 ? static_cast<double>(hands) / static_cast<double>(runs) : 0);
}

BENCHMARK(BM_WholeTournament)->ArgName("human")->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace omaha::testing
