#pragma once

#include <cstdint>
#include <string>

#include "table/player_record.h"

namespace omaha {

constexpr int kHoleCards = 4;
constexpr int kBoardCards = 5;
// Board card j (1..5) is at deck position kBoardStart + j and in image kBoardStart + j - 1.
constexpr int kBoardStart = 40;

// Hole card `card` (1..4) of a seat record: cardone .. cardfour.
inline std::int16_t& hole_card_code(player_record& p, int card) {
  switch (card) {
    case 1:
      return p.cardone;
    case 2:
      return p.cardtwo;
    case 3:
      return p.cardthree;
    default:
      return p.cardfour;
  }
}

// Its card text: cardtext1 .. cardtext4.
inline std::string& hole_card_text(player_record& p, int card) {
  switch (card) {
    case 1:
      return p.cardtext1;
    case 2:
      return p.cardtext2;
    case 3:
      return p.cardtext3;
    default:
      return p.cardtext4;
  }
}

// The record's copy of board card `card` (1..5): flop1 .. flop5.
inline std::string& board_text(player_record& p, int card) {
  switch (card) {
    case 1:
      return p.flop1;
    case 2:
      return p.flop2;
    case 3:
      return p.flop3;
    case 4:
      return p.flop4;
    default:
      return p.flop5;
  }
}

}  // namespace omaha
