#pragma once

#include "platform/application.h"
#include "platform/sdl/font_set.h"
#include "platform/sdl/loop_clock.h"

namespace platform::sdl {

// Puts an application's forms on the desktop: one window for each visible form, user input fed
// back as the application's clicks, keys and typed text, the application's clock driven by a
// monotonic clock. SIGTERM and SIGINT end the program. Sleeps until the next input or timer;
// redraws only what changed.
class SdlBackend {
 public:
  explicit SdlBackend(FontSet fonts) : fonts_(fonts) {}

  // Runs until the application ends (its End, the last form closing, SIGTERM). Returns 0 then;
  // when there is no display, or a window cannot be made, it says so on stderr and returns 1.
  int run(Application& app);
  // The same on a clock of the caller's (tests drive the real loop with it).
  int run(Application& app, LoopClock& clock);

 private:
  FontSet fonts_;
};

}  // namespace platform::sdl
