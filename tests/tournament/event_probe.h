#pragma once

#include <functional>

#include "platform/form.h"

namespace omaha::testing {

// What an event was, as far as the checks below care.
enum class EventKind {
  other,
  turn_tick,       // a tick of the turn clock
  next_hand_tick,  // a tick of the next-hand timer: the next deal, or the end of the run
  exit_request,    // "Exit" or the window's close button
};

// Wraps every handler of a form (its controls, its timers and its own key and close handlers)
// so that `before` runs as each event starts and `after` as it ends. Handlers never pump the
// queue, so events never nest and the state between two events is the game's true state.
void install_event_probe(platform::Form& form, std::function<void()> before,
                         std::function<void(EventKind)> after);

}  // namespace omaha::testing
