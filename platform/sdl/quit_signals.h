#pragma once

#include <signal.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace platform::sdl {

// SIGTERM and SIGINT while the window backend runs. A signal asks the event loop to end the
// program and wakes it where it sleeps in SDL; should the loop not get there within a moment (a
// display that does not answer holds it inside a call), the process exits at once with status 0.
// The handlers in place before are put back when this goes. One at a time: making a second while
// one lives throws.
class QuitSignals {
 public:
  QuitSignals();
  ~QuitSignals();
  QuitSignals(const QuitSignals&) = delete;
  QuitSignals& operator=(const QuitSignals&) = delete;

  // While on, a signal puts a quit event into SDL's queue. SDL's event system must stay up from
  // switching this on until switching it off.
  void wake_sdl(bool on);

  // A signal came since this was made.
  static bool requested();

 private:
  void watch();

  struct sigaction old_term_ {};
  struct sigaction old_int_ {};
  struct sigaction old_alarm_ {};
  std::mutex sdl_mutex_;
  bool sdl_up_ = false;
  std::atomic<bool> stopping_ = false;
  std::thread watcher_;
};

}  // namespace platform::sdl
