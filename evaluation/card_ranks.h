#pragma once

#include <array>
#include <string>
#include <string_view>

#include "table/card_code.h"

namespace omaha {

// Ranks as the classifiers read them from card texts (kRankTexts): 0 is the deuce.
inline constexpr int kNoRank = -1;
inline constexpr int kAce = kRanks - 1;

// The suits' words and flush texts, in the order of kSuitLetters.
inline constexpr std::array<std::string_view, kSuits> kSuitWords{"clubs", "diamonds", "hearts",
                                                                 "spades"};
inline constexpr std::array<std::string_view, kSuits> kFlushTexts{"flush clubs", "flush diamonds",
                                                                  "flush hearts", "flush spades"};

// The category words that name the verdicts and the hands, lowest category first.
inline constexpr std::string_view kTopWord = "Top";
inline constexpr std::string_view kPairWord = "Pair";
inline constexpr std::string_view kTwoKindWord = "Two Kind";
inline constexpr std::string_view kThreeKindWord = "Three Kind";
inline constexpr std::string_view kStraightWord = "straight";
inline constexpr std::string_view kFlushWord = "flush";
inline constexpr std::string_view kFullHouseWord = "FullHouse";
inline constexpr std::string_view kFourKindWord = "Four Kind";
inline constexpr std::string_view kStraightFlushWord = "straight flush";
inline constexpr std::string_view kRoyalWord = "royal";

// The rank (0..12) whose text the card text begins with, or kNoRank. Case-sensitive.
constexpr int leading_rank(std::string_view text) {
  if (text.empty())
    return kNoRank;
  switch (text.front()) {
    case 'J':
      return 9;
    case 'Q':
      return 10;
    case 'K':
      return 11;
    case 'A':
      return kAce;
    case '1':
      return text.starts_with("10") ? 8 : kNoRank;
    default:
      return text.front() >= '2' && text.front() <= '9' ? text.front() - '2' : kNoRank;
  }
}

// A verdict text: the word, one blank and the rank text ("Pair 7", "straight 10").
inline std::string rank_verdict(std::string_view word, int rank) {
  std::string text(word);
  text += ' ';
  text += kRankTexts[static_cast<std::size_t>(rank)];
  return text;
}

constexpr bool contains(std::string_view text, std::string_view word) {
  return text.find(word) != std::string_view::npos;
}

}  // namespace omaha
