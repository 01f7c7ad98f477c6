#pragma once

#include <array>
#include <string>

#include "betting/betting.h"
#include "betting/dealer_button.h"
#include "betting/limit_ladder.h"
#include "platform/number_text.h"
#include "showdown/tournament_end.h"
#include "table/board.h"
#include "table/tables.h"
#include "table/tournament_field.h"

namespace omaha::testing {

// The widest names a seat can show: twenty wide letters (the longest name the human can type),
// a twenty-letter cut of a long two-word name, and the widest three-word newcomer names.
inline constexpr std::array<const char*, kSeats> kWidestNames{"WWWWWWWWWWWWWWWWWWWW",
                                                              "Maximilian Oberhause",
                                                              "california california california",
                                                              "riverbelle california smiling",
                                                              "california riverbelle charming",
                                                              "charming california riverbelle",
                                                              "california california riverbelle",
                                                              "smiling riverbelle california",
                                                              "riverbelle riverbelle california",
                                                              "california charming california"};

// Every chip count the table can reach: all the tournament's chips.
inline constexpr std::int32_t kAllTheChips = kEntrants * kStartingStack;

// Puts the table in its most crowded state: every card, every chip and every label showing
// with the widest captions the game writes, the action panel included. Call on a table that
// has dealt its first hand.
inline void crowd_the_table(tables& t) {
  show_flop1(t);
  show_flop2(t);
  show_flop3(t);
  for (int card = 0; card < kDeckSize; ++card)
    t.Image1[card].set_visible(true);
  for (int seat = 1; seat <= kSeats; ++seat) {
    const std::string name = kWidestNames[static_cast<std::size_t>(seat - 1)];
    t.player(seat).caption = name;
    t.player_label(seat).set_caption(name);
    t.prize_label(seat).set_caption(platform::Str(std::int64_t{kAllTheChips}));
    chips_player_show(t, kAllTheChips, seat);
  }
  t.potlabel.set_caption(platform::Str(std::int64_t{kAllTheChips}));
  t.potlabel.set_visible(true);
  t.limitsdisplay.set_caption(limits_display_caption(limit_ladder.back()));
  t.Label2.set_caption(players_remaining_caption(kEntrants));
  t.Label2.set_visible(true);
  show_tournament_won(t);
  t.winnerlabel.set_caption(std::string(kWidestNames[0]) + " royal flush diamonds");
  t.winnerlabel.set_visible(true);
  place_button_label(t, 1);
  t.Label1.set_visible(true);
  bet_panel_show(t);
  t.Command5.set_caption(platform::Str(std::int64_t{kAllTheChips}));
  t.Command6.set_caption(std::to_string(kAllTheChips + 2 * limit_ladder.back()));
  t.Text2.set_text(std::to_string(kAllTheChips));
}

}  // namespace omaha::testing
