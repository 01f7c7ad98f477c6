// Placeholder until dealing and the hand cycle land: removed as each procedure is written.
#include "table/board.h"
#include "table/dealer_draw.h"
#include "table/dealing.h"
#include "table/deck.h"
#include "table/hand_cycle.h"
#include "table/tournament_field.h"

namespace omaha {

void dealfirst(tables&) {}
void toss(tables&) {}
void distribute_cards_for_10(tables&) {}
void show_hole_cards(tables&) {}
void show_flop1(tables&) {}
void show_flop2(tables&) {}
void show_flop3(tables&) {}
void show_all_cards(tables&) {}
void clear_table(tables&) {}
void advance_tournament(tables&) {}
void first_game(tables&) {}
void new_deal(tables&) {}
void Command1_Click(tables&) {}
void Timer1_Timer(tables&) {}

}  // namespace omaha
