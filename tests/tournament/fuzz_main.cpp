// The careless-player runs at length: tournament_fuzz [runs] [first seed].
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

#include "fuzz_session.h"

int main(int argc, char** argv) {
  const long runs = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 1000;
  const std::uint64_t first = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  constexpr int kActions = 150;
  long failed = 0;
  for (long run = 0; run < runs; ++run) {
    const std::uint64_t seed = first + static_cast<std::uint64_t>(run);
    const std::string problems = omaha::testing::fuzz_run(seed, kActions);
    if (!problems.empty()) {
      ++failed;
      std::cout << "seed " << seed << ":\n" << problems;
    }
  }
  std::cout << (runs - failed) << " passed, " << failed << " failed\n";
  return failed == 0 ? EXIT_SUCCESS : EXIT_FAILURE;
}
