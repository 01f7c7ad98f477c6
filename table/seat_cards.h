#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "table/player_record.h"
#include "table/seats.h"

namespace omaha {

constexpr int kHoleCards = 4;
constexpr int kBoardCards = 5;
// The hand's deck and the card images: every seat's hole cards, seat by seat, then the board.
// Board card j (1..5) is at deck position kBoardStart + j and in image kBoardStart + j - 1.
constexpr int kBoardStart = kSeats * kHoleCards;
constexpr int kDeckSize = kBoardStart + kBoardCards;

namespace seat_fields {
constexpr std::array<std::int16_t player_record::*, kHoleCards> kHoleCodes{
    &player_record::cardone, &player_record::cardtwo, &player_record::cardthree,
    &player_record::cardfour};
constexpr std::array<std::string player_record::*, kHoleCards> kHoleTexts{
    &player_record::cardtext1, &player_record::cardtext2, &player_record::cardtext3,
    &player_record::cardtext4};
constexpr std::array<std::string player_record::*, kBoardCards> kBoardTexts{
    &player_record::flop1, &player_record::flop2, &player_record::flop3, &player_record::flop4,
    &player_record::flop5};
}  // namespace seat_fields

// Hole card `card` (1..4) of a seat record: cardone .. cardfour.
inline std::int16_t& hole_card_code(player_record& p, int card) {
  return p.*seat_fields::kHoleCodes.at(static_cast<std::size_t>(card - 1));
}

// Its card text: cardtext1 .. cardtext4.
inline std::string& hole_card_text(player_record& p, int card) {
  return p.*seat_fields::kHoleTexts.at(static_cast<std::size_t>(card - 1));
}

// The record's copy of board card `card` (1..5): flop1 .. flop5.
inline std::string& board_text(player_record& p, int card) {
  return p.*seat_fields::kBoardTexts.at(static_cast<std::size_t>(card - 1));
}

}  // namespace omaha
