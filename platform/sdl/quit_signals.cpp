#include "platform/sdl/quit_signals.h"

#include <unistd.h>

#include <csignal>

namespace platform::sdl {

namespace {

// How long the loop has to end the program on its own before the process exits.
constexpr unsigned kGraceSeconds = 1;

volatile std::sig_atomic_t quit_requested = 0;

struct sigaction old_term;
struct sigaction old_int;
struct sigaction old_alarm;

extern "C" void on_quit_signal(int) {
  quit_requested = 1;
  alarm(kGraceSeconds);
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
  quit_requested = 0;
  install(SIGALRM, on_grace_over, &old_alarm);
  install(SIGTERM, on_quit_signal, &old_term);
  install(SIGINT, on_quit_signal, &old_int);
}

QuitSignals::~QuitSignals() {
  sigaction(SIGTERM, &old_term, nullptr);
  sigaction(SIGINT, &old_int, nullptr);
  alarm(0);
  sigaction(SIGALRM, &old_alarm, nullptr);
}

bool QuitSignals::requested() {
  return quit_requested != 0;
}

}  // namespace platform::sdl
