#pragma once

#include <string>

#include "resources/built_in_pictures.h"

namespace omaha {

// A card is a code 1..52: rank (code - 1) / 4 (0 = deuce .. 12 = ace), suit (code - 1) % 4
// (clubs, diamonds, hearts, spades). The code is also the card's cell on the card sheet.
constexpr int card_rank(int code) {
  return (code - 1) / 4;
}
constexpr int card_suit(int code) {
  return (code - 1) % 4;
}
constexpr bool is_card_code(int code) {
  return code >= 1 && code <= 52;
}

// The card text of a code ("2c", "10h", "As"); the empty text for anything but 1..52.
std::string convert2card(int temp);

using resources::kCardSheetBitmap;

// Card-sheet cells besides the faces.
constexpr int kDefaultCardBack = 0;

}  // namespace omaha
