// The flush classifier and the board classifier.
#include <algorithm>
#include <array>
#include <span>
#include <string_view>

#include "evaluation/card_ranks.h"
#include "evaluation/classifiers.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The suits a card counts for: each whose letter stands at its second character or later (the
// last character of a card text is its suit letter, "10c" included). Bit s for suit s.
unsigned suits_counted(std::string_view card) {
  unsigned suits = 0;
  for (std::size_t at = 1; at < card.size(); ++at)
    for (std::size_t suit = 0; suit < kSuitLetters.size(); ++suit)
      if (card[at] == kSuitLetters[suit])
        suits |= 1U << suit;
  return suits;
}

// Five or more of the cards of one suit: the suit's flush text goes to `fl` and then to the
// verdict channel.
void name_flush(tables& t, std::span<const std::string_view> cards) {
  std::array<int, kSuitLetters.size()> held{};
  for (const std::string_view card : cards) {
    const unsigned suits = suits_counted(card);
    for (std::size_t suit = 0; suit < held.size(); ++suit)
      held[suit] += static_cast<int>((suits >> suit) & 1U);
  }
  for (std::size_t suit = 0; suit < held.size(); ++suit) {
    if (held[suit] >= 5) {
      t.fl = kFlushTexts[suit];
      t.Label23.set_caption(t.fl);
    }
  }
}

// How many of the board cards from `first` on begin with the rank's text.
int count_from(const board_cards& board, std::size_t first, int rank) {
  if (rank == kNoRank)
    return 0;
  return static_cast<int>(
      std::count_if(board.begin() + static_cast<std::ptrdiff_t>(first), board.end(),
                    [rank](std::string_view card) { return leading_rank(card) == rank; }));
}

}  // namespace

void evaluate_hand_flush(tables& t, const seven_cards& cards) {
  name_flush(t, cards);
}

void evaluate_flop_value(tables& t, const board_cards& board) {
  // A rank is counted from the first of board cards 1 to 3 that holds it, over that card and
  // the ones after it; a rank first met on board card 4 or 5 is not counted.
  const int rank1 = leading_rank(board[0]);
  const int rank2 = leading_rank(board[1]);
  const int rank3 = leading_rank(board[2]);
  const std::array<int, 3> counts{
      count_from(board, 0, rank1),
      rank2 != rank1 ? count_from(board, 1, rank2) : 0,
      rank3 != rank1 && rank3 != rank2 ? count_from(board, 2, rank3) : 0,
  };
  const auto any = [&counts](int n) { return std::ranges::count(counts, n); };

  // From the weakest category up; the last test that holds decides.
  if (any(2) >= 1)
    t.flopvalue = kPairWord;
  if (any(2) >= 2)
    t.flopvalue = kTwoKindWord;
  if (any(3) >= 1)
    t.flopvalue = kThreeKindWord;
  if (any(3) >= 1 && any(2) >= 1)
    t.flopvalue = kFullHouseWord;
  if (any(4) >= 1)
    t.flopvalue = kFourKindWord;

  name_flush(t, board);
}

}  // namespace omaha
