#pragma once

#include <cstdint>
#include <string>

namespace omaha::testing {

// One short run with a careless player: from "Ok", `actions` random things done between clock
// steps (see RandomUser), then a human who calls or checks plays the run to its end. Most seeds
// start from a short or a huge human stack or from just before the final table. All is watched by
// TableAudit. Returns what went wrong, empty when nothing did.
std::string fuzz_run(std::uint64_t seed, int actions);

}  // namespace omaha::testing
