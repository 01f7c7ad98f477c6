#pragma once

#include <array>
#include <string>
#include <string_view>

namespace omaha {

// Rank texts in ascending order: index 0 is the deuce, 12 the ace. No rank text is the start of
// another, so a card text begins with at most one of them.
inline constexpr std::array<std::string_view, 13> kRankTexts{"2", "3",  "4", "5", "6", "7", "8",
                                                             "9", "10", "J", "Q", "K", "A"};
inline constexpr int kNoRank = -1;
inline constexpr int kAce = 12;

// Suit letters in the order clubs, diamonds, hearts, spades, with their words and flush texts.
inline constexpr std::array<char, 4> kSuitLetters{'c', 'd', 'h', 's'};
inline constexpr std::array<std::string_view, 4> kSuitWords{"clubs", "diamonds", "hearts",
                                                            "spades"};
inline constexpr std::array<std::string_view, 4> kFlushTexts{"flush clubs", "flush diamonds",
                                                             "flush hearts", "flush spades"};

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
