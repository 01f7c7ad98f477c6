#include "fuzz_session.h"

#include <optional>
#include <sstream>

#include "autoplay.h"
#include "platform/number_text.h"
#include "random_user.h"
#include "table_audit.h"

namespace omaha::testing {

namespace {

// Enough clock steps for any run that started at the table's usual stacks to end.
constexpr std::int64_t kStepCap = 200000;

// Most runs start where the rare paths are: a human with almost nothing left (blinds and
// calls all in), a field five entrants short of the final table, or a human so rich that the
// run goes on hand after hand whatever the user does.
void set_the_scene(tables& t, std::uint64_t seed) {
  switch (seed % 4) {
    case 1:
      t.player(1).prize = static_cast<std::int32_t>(1 + seed % 40);
      t.prize_label(1).set_caption(platform::Str(std::int64_t{t.player(1).prize}));
      break;
    case 2:
      t.players_out = 985;
      t.chip_pool = 985000;
      break;
    case 3:
      t.player(1).prize = 500000;
      t.prize_label(1).set_caption(platform::Str(std::int64_t{500000}));
      break;
    default:
      break;
  }
}

}  // namespace

std::string fuzz_run(std::uint64_t seed, int actions) {
  GameHarness h(seed);
  TableAudit audit(h.table);
  RandomUser user(seed * 0x9E3779B97F4A7C15ULL + 1);
  user.exit_allowed = seed % 5 == 0;
  start_from_settings(h);
  set_the_scene(h.table, seed);
  audit.rebase();

  std::ostringstream problems;
  for (int i = 0; i < actions && !h.app.ended(); ++i) {
    user.act(h);
    audit.check_at_rest();
    if (!h.app.ended() && !h.app.next_due() && !action_panel_up(h.table)) {
      problems << "the game stalled after random action " << i << '\n';
      break;
    }
  }
  if (problems.str().empty() && !h.app.ended()) {
    const RunOutcome outcome =
        play_to_end(h, HumanStyle::call_or_check, kStepCap, [&] { audit.check_at_rest(); });
    if (outcome.stalled)
      problems << "the game stalled with the calling human\n";
    else if (!outcome.ended)
      problems << "the run did not end within " << kStepCap << " clock steps\n";
  }
  problems << user.problems() << audit.report();
  return problems.str();
}

}  // namespace omaha::testing
