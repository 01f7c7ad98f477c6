#pragma once

#include <cstdint>

namespace omaha {

class tables;

// Installs the betting handlers: seat lamps, action panel, "Sit Out", the turn clock.
void connect_betting_handlers(tables& t);

// Switches the turn clock on.
void Command4_Click(tables& t);
// Hands the turn to the seat after the button, which posts the small blind.
void blinds_bet(tables& t);
// Moves the button one seat on.
void next_dealer(tables& t);

// The human's action panel.
void bet_panel_hide(tables& t);
void bet_panel_show(tables& t);

// Chips on the table.
void chips_player_show(tables& t, std::int32_t chipbet, int whichplayer);
void chips_player_hide(tables& t, int whichplayer);
void chips_to_pot(tables& t, int whichlevel);
void zero_total_bets(tables& t);
void remove_folds(tables& t);

}  // namespace omaha
