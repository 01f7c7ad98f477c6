#include "event_probe.h"

#include <memory>
#include <utility>

namespace omaha::testing {

namespace {

struct Hooks {
  std::function<void()> before;
  std::function<void(EventKind)> after;
};

// Replaces `handler` by one that runs the hooks round it; a missing handler is still an event.
template <typename... Args>
void wrap(std::function<void(Args...)>& handler, const std::shared_ptr<Hooks>& hooks,
          EventKind kind) {
  handler = [original = std::move(handler), hooks, kind](Args... args) {
    hooks->before();
    if (original)
      original(args...);
    hooks->after(kind);
  };
}

}  // namespace

void install_event_probe(platform::Form& form, std::function<void()> before,
                         std::function<void(EventKind)> after) {
  auto hooks = std::make_shared<Hooks>(Hooks{std::move(before), std::move(after)});
  for (const auto& control : form.controls()) {
    const bool exit_button = control->name() == "Command2";
    wrap(control->on_click, hooks, exit_button ? EventKind::exit_request : EventKind::other);
    wrap(control->on_got_focus, hooks, EventKind::other);
    wrap(control->on_lost_focus, hooks, EventKind::other);
    wrap(control->on_key_press, hooks, EventKind::other);
  }
  for (const auto& timer : form.timers()) {
    const EventKind kind = timer->name() == "Timer1"       ? EventKind::next_hand_tick
                           : timer->name() == "roundtimer" ? EventKind::turn_tick
                                                           : EventKind::other;
    wrap(timer->on_tick, hooks, kind);
  }
  wrap(form.on_key_down, hooks, EventKind::other);
  wrap(form.on_key_press, hooks, EventKind::other);
  if (form.on_close)  // without one, closing the window ends the program by itself
    wrap(form.on_close, hooks, EventKind::exit_request);
}

}  // namespace omaha::testing
