#pragma once

namespace omaha {

class tables;

// Who runs an end-of-round test; the street ends differ a little between them.
enum class round_closer {
  computer_decision,  // a computer seat after its decision and payment
  computer_skip,      // a folded or all-in computer seat before it hands the turn on
  human,              // the human's pass-on and actions
};

// The closing-seat rules every seat shares. None of them does anything once the hand is over
// (`gameover`), so turns that still run after the showdown never reopen a street.

// A bet or raise by `seat`: while the street's raise count allows, the seat before it becomes
// the closing seat of every open street.
void raise_bookkeeping(tables& t, int seat);
// While nobody has bet in the deal, the seat three after the button makes the big blind the
// closing seat of every open street.
void first_actor_rule(tables& t, int seat);
// Ends each open betting round whose closing seat is `seat`: shows the next street, or after
// the river starts the showdown.
void end_of_round_test(tables& t, int seat, round_closer who);

// True when every seat but `seat` has folded.
bool all_others_folded(const tables& t, int seat);
// Every other seat has folded: `seat` wins the hand, which is settled at once.
void all_others_folded_test(tables& t, int seat);
// Every seat but `seat` has folded or is all in, one of them all in: nobody can bet any more,
// so the board is run out and the hand settled. The last step of every turn.
void settle_if_no_betting_left(tables& t, int seat);

}  // namespace omaha
