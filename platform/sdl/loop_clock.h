#pragma once

#include <cstdint>
#include <optional>

namespace platform::sdl {

// Where the event loop reads the time and waits for the next event. The program runs on the
// system's monotonic clock; a test puts in a clock of its own to drive the real loop through
// minutes of play in an instant, with its input arriving at the moments it chooses.
class LoopClock {
 public:
  virtual ~LoopClock() = default;
  // Milliseconds on this clock.
  virtual std::int64_t now() = 0;
  // Waits until an event is in SDL's queue or `deadline` on this clock has come (no limit when
  // empty). False when no event came: the deadline passed, or the wait was cut short.
  virtual bool wait_for_event(std::optional<std::int64_t> deadline) = 0;
};

// The monotonic clock: sleeps in SDL until an event or the deadline.
class SystemClock : public LoopClock {
 public:
  std::int64_t now() override;
  bool wait_for_event(std::optional<std::int64_t> deadline) override;
};

}  // namespace platform::sdl
