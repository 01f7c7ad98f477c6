#include "table/deck.h"

#include <algorithm>
#include <cmath>

#include "table/card_code.h"
#include "table/seat_cards.h"
#include "table/tables.h"

namespace omaha {

namespace {

// One uniform card code from the random source.
std::int16_t draw_card(platform::RandomSource& random) {
  const double code = std::floor(random.Rnd() * kPackSize + 1);
  // A source value outside [0, 1) must still give a card.
  return static_cast<std::int16_t>(std::clamp(code, 1.0, double{kPackSize}));
}

bool already_drawn(const tables& t, int position, std::int16_t code) {
  const auto begin = t.deck.begin() + 1;
  return std::find(begin, begin + (position - 1), code) != begin + (position - 1);
}

}  // namespace

void dealfirst(tables& t) {
  platform::RandomSource& random = t.app().random();
  random.Randomize();
  for (int position = 1; position <= kDeckSize; ++position) {
    // Draw again until the card differs from every card already in the deck.
    do {
      t.drawn_card = draw_card(random);
    } while (already_drawn(t, position, t.drawn_card));
    t.deck[static_cast<std::size_t>(position)] = t.drawn_card;
  }
}

}  // namespace omaha
