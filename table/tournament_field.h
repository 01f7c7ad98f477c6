#pragma once

#include <cstdint>
#include <string>

#include "table/seats.h"

namespace omaha {

class tables;

// The tournament's entrants, each starting with the same stack.
constexpr int kEntrants = 1000;
constexpr std::int32_t kStartingStack = 1000;
// Entrants out (`players_out`) when one table's worth is left: the other tables are gone. At
// exactly this many out the human's table waits for its next bust to form the final table;
// from there on nobody sits out, and above it the final table plays, with antes, no blinds.
constexpr int kFinalTable = kEntrants - kSeats;

// The other tables of the tournament: counts the players knocked out there before a deal and
// returns the chip stack a newcomer brings.
std::int32_t advance_tournament(tables& t);
// The banner over the board while the other tables play: "Players " n " Remaining in the
// Tournament".
std::string players_remaining_caption(int players);
// One word of a newcomer's name, drawn after a fresh reseed.
std::string random_name_part(tables& t);

// The field between two hands: the advance and its banner, the final-table arrival, the
// refill of busted computer seats and, at the final table, their retirement.
void run_field_rules(tables& t);
// At the final table every seat still in the tournament antes the limit.
void final_table_ante(tables& t);

}  // namespace omaha
