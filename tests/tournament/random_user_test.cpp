// A careless player at the table: nothing may crash, hang or break a rule of the table.
// tournament_fuzz runs the same in any number.
#include <gtest/gtest.h>

#include <cstdint>

#include "fuzz_session.h"

namespace omaha::testing {
namespace {

constexpr std::uint64_t kRuns = 250;
constexpr int kActions = 150;

TEST(RandomUser, NothingCrashesHangsOrBreaksARule) {
  for (std::uint64_t seed = 1; seed <= kRuns; ++seed)
    EXPECT_EQ(fuzz_run(seed, kActions), "") << "seed " << seed;
}

}  // namespace
}  // namespace omaha::testing
