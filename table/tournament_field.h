#pragma once

#include <cstdint>
#include <string>

namespace omaha {

class tables;

// Entrants of the 1000 count as out from here on: the final table.
constexpr std::int16_t kFinalTable = 990;

// The other tables of the tournament: counts the players knocked out there before a deal and
// returns the chip stack a newcomer brings.
std::int32_t advance_tournament(tables& t);
// One word of a newcomer's name, drawn after a fresh reseed.
std::string random_name_part(tables& t);

// The field between two hands: the advance and its banner, the final-table arrival, the
// refill of busted computer seats and, at the final table, their retirement.
void run_field_rules(tables& t);
// At the final table every seat still in the tournament antes the limit.
void final_table_ante(tables& t);

}  // namespace omaha
