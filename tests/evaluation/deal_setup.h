#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "table/card_code.h"
#include "table/seat_cards.h"
#include "table/tables.h"

namespace omaha::testing {

// Writes a seat's hole card texts as the dealer would (cards 3 and 4 are optional).
inline void set_hole_cards(tables& t, int seat, std::string_view card1, std::string_view card2,
                           std::string_view card3 = "", std::string_view card4 = "") {
  player_record& p = t.player(seat);
  p.cardtext1 = card1;
  p.cardtext2 = card2;
  p.cardtext3 = card3;
  p.cardtext4 = card4;
}

// Writes the board texts into every seat record.
inline void set_board(tables& t, const std::array<std::string_view, kBoardCards>& board) {
  for (int seat = 1; seat <= kSeats; ++seat)
    for (int card = 1; card <= kBoardCards; ++card)
      board_text(t.player(seat), card) = board[static_cast<std::size_t>(card - 1)];
}

// A deal as card codes in the deck's layout: hole card k (1..4) of seat s at 10 (k - 1) + s,
// the board at 41 to 45 (index 0 unused).
using deal_codes = std::array<int, 46>;

inline int hole_code(const deal_codes& deal, int seat, int card) {
  return deal[static_cast<std::size_t>(10 * (card - 1) + seat)];
}
inline int board_code(const deal_codes& deal, int card) {
  return deal[static_cast<std::size_t>(40 + card)];
}

// Writes the texts of a deal given as codes into the seat records.
inline void write_deal(tables& t, const deal_codes& deal) {
  for (int seat = 1; seat <= kSeats; ++seat)
    set_hole_cards(t, seat, convert2card(hole_code(deal, seat, 1)),
                   convert2card(hole_code(deal, seat, 2)), convert2card(hole_code(deal, seat, 3)),
                   convert2card(hole_code(deal, seat, 4)));
  set_board(t, {convert2card(board_code(deal, 1)), convert2card(board_code(deal, 2)),
                convert2card(board_code(deal, 3)), convert2card(board_code(deal, 4)),
                convert2card(board_code(deal, 5))});
}

}  // namespace omaha::testing
