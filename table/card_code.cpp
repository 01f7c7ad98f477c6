#include "table/card_code.h"

#include <cstddef>

namespace omaha {

std::string convert2card(int temp) {
  if (!is_card_code(temp))
    return {};
  std::string text(kRankTexts[static_cast<std::size_t>(card_rank(temp))]);
  text += kSuitLetters[static_cast<std::size_t>(card_suit(temp))];
  return text;
}

}  // namespace omaha
