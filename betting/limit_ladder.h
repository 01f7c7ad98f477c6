#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace omaha {

class tables;

// The betting limit's rungs, from the first hand's limit to the top.
inline constexpr std::array<std::int32_t, 13> limit_ladder{
    10, 25, 50, 100, 500, 1000, 2000, 5000, 10000, 20000, 25000, 50000, 100000};

// Where the limit countdown `limittimersetting` starts at the start-up and after every rise. The
// countdown takes one off at every tick and moves the limit up when it falls below 2, so a rung
// lasts 299 ticks.
inline constexpr std::int16_t kLimitCountdownStart = 300;

// The two limits as the table shows them: "Limits   " limit "  -  " twice the limit.
std::string limits_display_caption(std::int32_t limits);
// Writes both limit captions: the rule of the rises over the two limits.
void show_limits(tables& t);

// One step of the limit countdown, run at the end of every tick of the turn clock: rewrites
// the limit captions and, every 299 ticks, moves the limit one rung up and says so on the
// status line (unless the tournament is already over for the human).
void limit_countdown(tables& t);

}  // namespace omaha
