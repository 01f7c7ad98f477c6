#include "autoplay.h"

#include <optional>

#include "table/tournament_field.h"

namespace omaha::testing {

void start_from_settings(GameHarness& h) {
  h.settings_screen.show();
  h.app.drain();
  h.app.click(h.settings_screen.Command1);
}

bool action_panel_up(const tables& t) {
  return t.Command8.visible() && (t.Command5.visible() || t.Command7.visible());
}

bool human_moves(GameHarness& h, HumanStyle style) {
  tables& t = h.table;
  if (style == HumanStyle::sit_out && t.sitter == 0 && t.players_out < kFinalTable &&
      t.Command3.visible()) {
    h.app.click(t.Command3);
    return true;
  }
  if (!action_panel_up(t))
    return false;
  if (style == HumanStyle::call_or_check)
    h.app.click(t.Command7.visible() ? t.Command7 : t.Command5);
  else
    h.app.click(t.Command8);
  return true;
}

RunOutcome play_to_end(GameHarness& h, HumanStyle style, std::int64_t max_steps,
                       const std::function<void()>& after_step) {
  RunOutcome outcome;
  tables& t = h.table;
  bool settled = t.gameover;
  for (; outcome.steps < max_steps && !h.app.ended(); ++outcome.steps) {
    const std::optional<std::int64_t> due = h.app.next_due();
    if (due)
      h.app.advance_to(*due);
    const bool moved = !h.app.ended() && human_moves(h, style);
    if (!due && !moved) {
      outcome.stalled = true;
      break;
    }
    if (t.gameover && !settled)
      ++outcome.hands;
    settled = t.gameover;
    if (after_step)
      after_step();
  }
  outcome.ended = h.app.ended();
  return outcome;
}

}  // namespace omaha::testing
