#pragma once

#include <cstdint>
#include <functional>

#include "support/game_harness.h"

namespace omaha::testing {

// How the scripted human plays whenever the action panel is up.
enum class HumanStyle {
  call_or_check,  // Check when nothing is owed, else Call
  fold,           // Fold every hand
  sit_out,        // asks to sit out at the start; folds the hands it still has to play
};

// The run as a player starts it: the settings screen, then its "Ok" button, which opens the
// table and deals the first hand.
void start_from_settings(GameHarness& h);

// The scripted human's move at this moment. True when it pressed something.
bool human_moves(GameHarness& h, HumanStyle style);

// The human's action panel is up (its turn to decide).
bool action_panel_up(const tables& t);

struct RunOutcome {
  bool ended = false;    // the program ended
  bool stalled = false;  // nothing due and nothing for the human to press: the game waits for ever
  std::int64_t steps = 0;
  int hands = 0;  // showdowns seen
};

// Plays on until the program ends, at most `max_steps` clock steps. Each step moves the manual
// clock to the next timer that falls due, then lets the human move; `after_step` runs after
// each step.
RunOutcome play_to_end(GameHarness& h, HumanStyle style, std::int64_t max_steps,
                       const std::function<void()>& after_step = {});

}  // namespace omaha::testing
