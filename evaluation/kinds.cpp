// The high-card and kinds classifiers: they look at the ranks of the seven cards only.
#include <algorithm>
#include <string_view>

#include "evaluation/card_ranks.h"
#include "evaluation/classifiers.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The highest rank whose text stands anywhere in the card text, or kNoRank.
int highest_rank_within(std::string_view text) {
  for (int rank = kAce; rank >= 0; --rank)
    if (contains(text, kRankTexts[static_cast<std::size_t>(rank)]))
      return rank;
  return kNoRank;
}

// How many of the seven cards begin with the rank's text; a missing rank matches no card.
int count_rank(const seven_cards& cards, int rank) {
  if (rank == kNoRank)
    return 0;
  return static_cast<int>(std::count_if(cards.begin(), cards.end(), [rank](std::string_view card) {
    return leading_rank(card) == rank;
  }));
}

}  // namespace

void evaluate_hand_tops(tables& t, const seven_cards& cards) {
  // Every rank is tried on both hole cards in ascending order and each hit replaces the last,
  // so the higher of the two ranks stands.
  const int top = std::max(highest_rank_within(cards[0]), highest_rank_within(cards[1]));
  if (top != kNoRank)
    t.Label23.set_caption(rank_verdict(kTopWord, top));
}

void evaluate_hand_kinds(tables& t, const seven_cards& cards) {
  const int rank1 = leading_rank(cards[0]);
  const int rank2 = leading_rank(cards[1]);
  const int count1 = count_rank(cards, rank1);
  const int count2 = count_rank(cards, rank2);

  // The tests run from the weakest category up; the last one that holds names the verdict.
  std::string_view word;
  int rank = kNoRank;
  const auto verdict = [&](std::string_view w, int r) {
    word = w;
    rank = r;
  };
  if (count1 == 2)
    verdict(kPairWord, rank1);
  if (count2 == 2)
    verdict(kPairWord, rank2);
  if (count1 == 2 && count2 == 2 && rank1 != rank2)
    verdict(kTwoKindWord, std::max(rank1, rank2));
  if (count1 == 3)
    verdict(kThreeKindWord, rank1);
  if (count2 == 3)
    verdict(kThreeKindWord, rank2);
  if (count1 == 3 && count2 == 2)
    verdict(kFullHouseWord, rank1);
  if (count1 == 2 && count2 == 3)
    verdict(kFullHouseWord, rank2);
  if (count1 == 4)
    verdict(kFourKindWord, rank1);
  if (count2 == 4)
    verdict(kFourKindWord, rank2);

  if (rank != kNoRank)
    t.Label23.set_caption(rank_verdict(word, rank));
}

}  // namespace omaha
