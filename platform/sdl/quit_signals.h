#pragma once

namespace platform::sdl {

// SIGTERM and SIGINT while the window backend runs. A signal asks the event loop to end the
// program; should the loop not get there within a moment (a display that does not answer
// holds it inside a call), the process exits at once with status 0. The handlers in place
// before are put back when this goes.
class QuitSignals {
 public:
  QuitSignals();
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // A signal came since this was made.
  static bool requested();
};

}  // namespace platform::sdl
