#include "betting/limit_ladder.h"

#include <algorithm>
#include <limits>

#include "platform/number_text.h"
#include "table/tables.h"

namespace omaha {

namespace {

// Rises from the rungs below this one are announced on the status line; the last is not.
constexpr std::ptrdiff_t kQuietRung = 11;

}  // namespace

std::string limits_display_caption(std::int32_t limits) {
  return "Limits   " + platform::Str(std::int64_t{limits}) + "  -  " +
         platform::Str(std::int64_t{limits} * 2);
}

void show_limits(tables& t) {
  t.limitslabel.set_caption("Limits Go Up in Every 10 mins");
  t.limitsdisplay.set_caption(limits_display_caption(t.limits));
}

void limit_countdown(tables& t) {
  if (t.limittimersetting > std::numeric_limits<std::int16_t>::min())
    --t.limittimersetting;
  show_limits(t);
  if (t.limittimersetting >= 2)
    return;

  t.limittimersetting = kLimitCountdownStart;
  const auto rung = std::find(limit_ladder.begin(), limit_ladder.end(), t.limits);
  if (rung == limit_ladder.end() || rung + 1 == limit_ladder.end())
    return;  // the top, or a limit off the ladder: no rise
  t.limits = *(rung + 1);
  ++t.level;
  // Once the tournament is over for the human the status line keeps its end message.
  if (rung - limit_ladder.begin() < kQuietRung && t.closer == 0) {
    t.Label24.set_visible(true);
    t.Label24.set_caption("Limits Are Going Up");
  }
}

}  // namespace omaha
