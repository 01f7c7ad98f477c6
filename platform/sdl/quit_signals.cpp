#include "platform/sdl/quit_signals.h"

#include <SDL.h>
#include <semaphore.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <system_error>

namespace platform::sdl {

namespace {

// How long the loop has to end the program on its own before the process exits.
constexpr unsigned kGraceSeconds = 1;

// What the handlers reach: only async-signal-safe work happens there. A handler may run on any
// thread, so the request is a lock-free atomic, not a plain flag.
std::atomic<bool> quit_requested = false;
static_assert(std::atomic<bool>::is_always_lock_free);
sem_t signal_came;
// The handlers and the semaphore serve one instance: a second would take them over.
std::atomic<bool> instance_alive = false;

extern "C" void on_quit_signal(int) {
  const int saved_errno = errno;
  quit_requested = true;
  sem_post(&signal_came);
  alarm(kGraceSeconds);
  errno = saved_errno;
}

extern "C" void on_grace_over(int) {
  _exit(0);
}

void install(int signal_number, void (*handler)(int), struct sigaction* old) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  sigaction(signal_number, &action, old);
}

}  // namespace

QuitSignals::QuitSignals() {
  if (instance_alive.exchange(true))
    throw std::logic_error("quit signals are already being watched");
  if (sem_init(&signal_came, 0, 0) != 0) {
    const int error = errno;
    instance_alive = false;
    throw std::system_error(error, std::generic_category(), "no semaphore for quit signals");
  }
  quit_requested = false;
  try {
    watcher_ = std::thread([this] { watch(); });
  } catch (...) {
    // Without its watcher this instance never lives: the next one may try again.
    sem_destroy(&signal_came);
    instance_alive = false;
    throw;
  }
  install(SIGALRM, on_grace_over, &old_alarm_);
  install(SIGTERM, on_quit_signal, &old_term_);
  install(SIGINT, on_quit_signal, &old_int_);
}

QuitSignals::~QuitSignals() {
  sigaction(SIGTERM, &old_term_, nullptr);
  sigaction(SIGINT, &old_int_, nullptr);
  alarm(0);
  sigaction(SIGALRM, &old_alarm_, nullptr);
  stopping_ = true;
  sem_post(&signal_came);
  watcher_.join();
  sem_destroy(&signal_came);
  instance_alive = false;
}

void QuitSignals::wake_sdl(bool on) {
  const std::lock_guard lock(sdl_mutex_);
  sdl_up_ = on;
}

bool QuitSignals::requested() {
  return quit_requested;
}

void QuitSignals::watch() {
  for (;;) {
    // Interrupted by a signal handled on this thread: its post is then waiting.
    if (sem_wait(&signal_came) != 0)
      continue;
    if (stopping_)
      return;
    // With SDL down there is nothing to wake: the loop looks at the request before it waits.
    const std::lock_guard lock(sdl_mutex_);
    if (sdl_up_) {
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
  }
}

}  // namespace platform::sdl
