#include "table/card_code.h"

#include <array>

namespace omaha {

namespace {

constexpr std::array<const char*, 13> kRankTexts{"2", "3",  "4", "5", "6", "7", "8",
                                                 "9", "10", "J", "Q", "K", "A"};
constexpr std::array<char, 4> kSuitLetters{'c', 'd', 'h', 's'};

}  // namespace

std::string convert2card(int temp) {
  if (!is_card_code(temp))
    return {};
  std::string text = kRankTexts[static_cast<std::size_t>(card_rank(temp))];
  text += kSuitLetters[static_cast<std::size_t>(card_suit(temp))];
  return text;
}

}  // namespace omaha
