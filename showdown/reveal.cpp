#include "showdown/reveal.h"

#include <array>
#include <cstdint>

#include "table/tables.h"

namespace omaha {

namespace {

// A seat's hole cards in the order its images show them.
constexpr std::array<std::int16_t player_record::*, 4> kHoleCards{
    &player_record::cardone, &player_record::cardtwo, &player_record::cardthree,
    &player_record::cardfour};

}  // namespace

void reveal_live_hands(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t.player(seat);
    if (p.fold)
      continue;
    for (int card = 1; card <= 4; ++card) {
      // The card code is the cell of the card's face on the card sheet.
      const int code = p.*kHoleCards[static_cast<std::size_t>(card - 1)];
      t.hole_card(seat, card).set_picture(t.PictureClip1.cell(code));
    }
  }
}

}  // namespace omaha
