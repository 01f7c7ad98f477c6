// The straight-flush and royal-flush combiner: a seat that holds a straight and a flush among
// its seven cards holds a straight flush, whether or not the same five cards make both; an
// ace-high straight with a flush is a royal flush as well.
#include <string_view>

#include "evaluation/card_ranks.h"
#include "evaluation/classifiers.h"
#include "table/tables.h"

namespace omaha {

namespace {

// The part of `text` after the first `word`; empty when the word is missing.
std::string_view after(std::string_view text, std::string_view word) {
  const auto at = text.find(word);
  return at == std::string_view::npos ? std::string_view{} : text.substr(at + word.size());
}

}  // namespace

void evaluate_hand_royal(tables& t, std::int16_t player) {
  if (player < 1 || player > kSeats)
    return;
  player_record& seat = t.player(player);
  const std::string_view straight = seat.handvaluestraight;
  const std::string_view flush = seat.handvalueflush;
  if (!contains(straight, kStraightWord) || !contains(flush, kFlushWord))
    return;

  // "straight flush 9": the straight's rank text after the words.
  seat.handvaluesflush.assign("straight flush ");
  seat.handvaluesflush.append(after(straight, "straight "));

  // "royal flush hearts": the flush's suit word after the words.
  if (contains(straight, "straight A")) {
    seat.handvaluerflush.assign("royal flush ");
    seat.handvaluerflush.append(after(flush, "flush "));
  }
}

}  // namespace omaha
