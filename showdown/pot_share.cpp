#include "showdown/pot_share.h"

#include "platform/number_text.h"

namespace omaha {

std::int32_t stack_with_share(std::int32_t prize, std::int32_t pot, int numberofwinners) {
  if (numberofwinners < 1)
    return prize;
  const double share = static_cast<double>(pot) / static_cast<double>(numberofwinners);
  return platform::clamp_to_int32(static_cast<double>(prize) + share);
}

}  // namespace omaha
