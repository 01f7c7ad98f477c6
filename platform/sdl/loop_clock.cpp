#include "platform/sdl/loop_clock.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

namespace platform::sdl {

std::int64_t SystemClock::now() {
  return static_cast<std::int64_t>(SDL_GetTicks64());
}

bool SystemClock::wait_for_event(std::optional<std::int64_t> deadline) {
  // Without an event to fill in, SDL leaves the event in its queue.
  if (!deadline)
    return SDL_WaitEvent(nullptr) != 0;
  const std::int64_t wait = std::clamp<std::int64_t>(*deadline - now(), 0, INT_MAX);
  return SDL_WaitEventTimeout(nullptr, static_cast<int>(wait)) != 0;
}

}  // namespace platform::sdl
