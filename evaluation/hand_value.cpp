// The hand value encoder.
#include "evaluation/hand_value.h"

#include <span>
#include <string>
#include <string_view>

#include "evaluation/card_ranks.h"

namespace omaha {

namespace {

// One hand category, lowest first: its text in the seat record, the word that marks it there,
// its base number and whether ranks or suits name its sub-rank.
struct hand_category {
  std::string player_record::*field;
  std::string_view word;
  int base;
  bool by_suit;
};

constexpr std::array<hand_category, 10> kCategories{{
    {&player_record::handvaluetops, kTopWord, 100, false},
    {&player_record::handvaluepair, kPairWord, 200, false},
    {&player_record::handvaluetwok, kTwoKindWord, 300, false},
    {&player_record::handvaluethreek, kThreeKindWord, 400, false},
    {&player_record::handvaluestraight, kStraightWord, 500, false},
    {&player_record::handvalueflush, kFlushWord, 600, true},
    {&player_record::handvaluefullhouse, kFullHouseWord, 700, false},
    {&player_record::handvaluefourk, kFourKindWord, 800, false},
    {&player_record::handvaluesflush, kStraightFlushWord, 900, false},
    {&player_record::handvaluerflush, kRoyalWord, 1000, true},
}};

// The sub-rank (1 for the first key) of the last key in list order that stands in the text
// before or after the category word, each part searched by itself; 0 when none does. The
// word itself is left out, so the K of "Kind" is no king.
int sub_rank(std::string_view before, std::string_view after,
             std::span<const std::string_view> keys) {
  for (std::size_t key = keys.size(); key-- > 0;)
    if (contains(before, keys[key]) || contains(after, keys[key]))
      return static_cast<int>(key) + 1;
  return 0;
}

void encode_seats(tables& t, int first, int last) {
  for (int seat = first; seat <= last; ++seat)
    encode_hand_value(t.player(seat));
}

}  // namespace

void encode_hand_value(player_record& seat) {
  // Every category whose word stands in its own text overwrites the lower ones.
  for (const hand_category& category : kCategories) {
    const std::string& text = seat.*category.field;
    const auto at = text.find(category.word);
    if (at == std::string::npos)
      continue;
    const std::string_view whole = text;
    seat.handvalue = text;
    seat.handnumber = static_cast<std::int16_t>(
        category.base + sub_rank(whole.substr(0, at), whole.substr(at + category.word.size()),
                                 category.by_suit ? std::span<const std::string_view>(kSuitWords)
                                                  : std::span<const std::string_view>(kRankTexts)));
  }
}

void evaluate_hand_value1(tables& t) {
  encode_seats(t, 1, 5);
}

void evaluate_hand_value(tables& t) {
  encode_seats(t, 6, kSeats);
}

}  // namespace omaha
