#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace omaha {

class tables;

// A seat's seven card texts: hole card 1, hole card 2, then board cards 1 to 5.
using seven_cards = std::array<std::string_view, 7>;
// The five board card texts in board order.
using board_cards = std::array<std::string_view, 5>;

// The hand classifiers. Each reads card texts only and hands its verdict back as the caption of
// the hidden label Label23: the caller sets the caption to " " before the call and reads it
// after; a classifier that finds nothing leaves the caption as it is.

// "Top " and the higher of the ranks of hole cards 1 and 2.
void evaluate_hand_tops(tables& t, const seven_cards& cards);
// A pair, two pairs, three of a kind, a full house or four of a kind of the two hole ranks
// among the seven cards ("Pair 7", "Two Kind A", "Three Kind 9", "FullHouse 9", "Four Kind 7").
void evaluate_hand_kinds(tables& t, const seven_cards& cards);
// The highest five consecutive ranks that take in a hole rank ("straight 5" .. "straight A");
// also kept in `st`.
void evaluate_hand_straight(tables& t, const seven_cards& cards);
// Five or more cards of one suit ("flush clubs" .. "flush spades"); also kept in `fl`.
void evaluate_hand_flush(tables& t, const seven_cards& cards);
// The board's own category in `flopvalue` ("Pair", "Two Kind", "Three Kind", "FullHouse",
// "Four Kind"), and a flush of all five board cards as evaluate_hand_flush names it.
void evaluate_flop_value(tables& t, const board_cards& board);

// Builds seat `player`'s straight-flush and royal-flush texts from its filed straight and flush
// texts; a seat number outside 1..10 is ignored.
void evaluate_hand_royal(tables& t, std::int16_t player);

}  // namespace omaha
