// Placeholder until the betting lands: removed as each procedure is written.
#include "betting/betting.h"

namespace omaha {

void connect_betting_handlers(tables&) {}
void Command4_Click(tables&) {}
void blinds_bet(tables&) {}
void next_dealer(tables&) {}
void bet_panel_hide(tables&) {}
void bet_panel_show(tables&) {}
void chips_player_show(tables&, std::int32_t, int) {}
void chips_player_hide(tables&, int) {}
void chips_to_pot(tables&, int) {}
void zero_total_bets(tables&) {}
void remove_folds(tables&) {}

}  // namespace omaha
