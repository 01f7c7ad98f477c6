#pragma once

#include <cstdint>

namespace omaha {

// A winner's stack after its share: prize + pot / numberofwinners, the division in double
// precision and the sum rounded as a whole, an exact half going to the even neighbour. The
// shares are rounded one by one, so together they may come to a chip more or less than the pot.
// A stack that would leave the 32-bit range stops at its edge; with no winners the stack stays.
std::int32_t stack_with_share(std::int32_t prize, std::int32_t pot, int numberofwinners);

}  // namespace omaha
