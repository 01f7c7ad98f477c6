#include <cstddef>

#include "betting/betting.h"
#include "showdown/pot_share.h"
#include "showdown/reveal.h"
#include "showdown/showdown.h"
#include "showdown/tournament_end.h"
#include "showdown/winners.h"
#include "table/tables.h"

namespace omaha {

namespace {

// One winner's turn: its name and hand on the label, the live hands shown, its share paid and
// the pot chips carried to it.
void winner_turn(tables& t, int seat) {
  player_record& winner = t.player(seat);
  t.winnerlabel.set_caption(winner.caption + " " + winner.handvalue);
  reveal_live_hands(t);
  winner.prize = stack_with_share(winner.prize, t.pot, t.numberofwinners);
  pot_to_winner(t, seat);
}

}  // namespace

void evaluate_winner(tables& t) {
  // Turns still run after the showdown and can reach it again: the hand is settled once.
  if (t.gameover)
    return;

  t.roundtimer.set_enabled(false);
  bet_panel_hide(t);
  t.Command2.SetFocus();
  t.gameover = true;
  t.winnerlabel.set_visible(true);

  mark_folded_seats(t);
  const winner_set winners = decide_winners(t);
  // The pot is paid without being reduced; the next deal empties it.
  for (int seat = 1; seat <= kSeats; ++seat)
    if (winners[static_cast<std::size_t>(seat - 1)])
      winner_turn(t, seat);

  update_chip_counts(t);
  test_elimination(t);
  test_tournament_win(t);
  hand_over(t);
}

}  // namespace omaha
