// The straight classifier: the highest five consecutive ranks among the seven cards that take in
// the rank of hole card 1 or hole card 2. The ace counts both below the deuce and above the king.
#include <cstdint>

#include "evaluation/card_ranks.h"
#include "evaluation/classifiers.h"
#include "table/tables.h"

namespace omaha {

namespace {

using rank_set = std::uint16_t;  // bit r for rank r (0 = deuce .. 12 = ace)

constexpr rank_set rank_bit(int rank) {
  return rank == kNoRank ? rank_set{0} : static_cast<rank_set>(1U << rank);
}

// The five ranks of the window whose top rank is `top` (3 = the five .. 12 = the ace); the
// lowest window takes the ace below the deuce.
constexpr rank_set window(int top) {
  if (top == 3)
    return static_cast<rank_set>(0b1111U | rank_bit(kAce));
  return static_cast<rank_set>(0b11111U << (top - 4));
}

}  // namespace

void evaluate_hand_straight(tables& t, const seven_cards& cards) {
  rank_set held = 0;
  for (const std::string_view card : cards)
    held |= rank_bit(leading_rank(card));
  const rank_set hole = rank_bit(leading_rank(cards[0])) | rank_bit(leading_rank(cards[1]));

  for (int top = kAce; top >= 3; --top) {
    const rank_set ranks = window(top);
    if ((held & ranks) == ranks && (hole & ranks) != 0) {
      t.st = rank_verdict(kStraightWord, top);
      t.Label23.set_caption(t.st);
      return;
    }
  }
}

}  // namespace omaha
