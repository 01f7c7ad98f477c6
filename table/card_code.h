#pragma once

#include <array>
#include <string>
#include <string_view>

#include "resources/built_in_pictures.h"

namespace omaha {

// A card is a code 1..kPackSize: rank (code - 1) / kSuits (0 = deuce .. 12 = ace), suit
// (code - 1) % kSuits (clubs, diamonds, hearts, spades). The code is also the card's cell on the
// card sheet.
constexpr int kRanks = 13;
constexpr int kSuits = 4;
constexpr int kPackSize = kRanks * kSuits;

constexpr int card_rank(int code) {
  return (code - 1) / kSuits;
}
constexpr int card_suit(int code) {
  return (code - 1) % kSuits;
}
constexpr bool is_card_code(int code) {
  return code >= 1 && code <= kPackSize;
}

// A card text is the rank's text followed by the suit's letter ("2c", "10h", "As"). Rank texts
// in ascending order; no rank text is the start of another, so a card text begins with at most
// one of them.
inline constexpr std::array<std::string_view, kRanks> kRankTexts{"2", "3",  "4", "5", "6", "7", "8",
                                                                 "9", "10", "J", "Q", "K", "A"};
inline constexpr std::array<char, kSuits> kSuitLetters{'c', 'd', 'h', 's'};

// The card text of a code; the empty text for anything but 1..kPackSize.
std::string convert2card(int temp);

using resources::kCardSheetBitmap;

// Card-sheet cells besides the faces.
constexpr int kDefaultCardBack = 0;

}  // namespace omaha
