// The chips on the table: each seat's six bet chips with its bet label, and the pot pile.
#include <array>
#include <cstddef>

#include "betting/betting.h"
#include "platform/number_text.h"
#include "table/tables.h"

namespace omaha {

namespace {

// Where the human's bet chips stand whenever they are shown (Top, Left in twips).
constexpr std::array<std::array<float, 2>, kChipsPerSeat> kHumanChipPlaces{{
    {6516, 5148},
    {6660, 4968},
    {6648, 4944},
    {6696, 4992},
    {6552, 4968},
    {6672, 5100},
}};

// The pot pile grows by one group of chips as each of the first three betting rounds ends.
struct pot_group {
  int first;
  int last;
};
constexpr std::array<pot_group, 3> kPotGroups{{{kFirstPotChip, 75}, {76, 83}, {84, kLastPotChip}}};

bool is_seat(int seat) {
  return seat >= 1 && seat <= kSeats;
}

}  // namespace

void chips_player_show(tables& t, std::int32_t chipbet, int whichplayer) {
  if (!is_seat(whichplayer))
    return;
  t.bet_label(whichplayer).set_caption(platform::Str(std::int64_t{chipbet}));
  if (whichplayer == kHuman) {
    for (int chip = 0; chip < kChipsPerSeat; ++chip) {
      const auto& place = kHumanChipPlaces[static_cast<std::size_t>(chip)];
      t.seat_chip(kHuman, chip).set_top(place[0]);
      t.seat_chip(kHuman, chip).set_left(place[1]);
    }
  }
  for (int chip = kChipsPerSeat - 1; chip >= 0; --chip)
    t.seat_chip(whichplayer, chip).set_visible(true);
  t.bet_label(whichplayer).set_visible(true);
}

void chips_player_hide(tables& t, int whichplayer) {
  if (!is_seat(whichplayer))
    return;
  for (int chip = kChipsPerSeat - 1; chip >= 0; --chip)
    t.seat_chip(whichplayer, chip).set_visible(false);
  t.bet_label(whichplayer).set_visible(false);
}

void chips_to_pot(tables& t, int whichlevel) {
  for (int seat = 1; seat <= kSeats; ++seat)
    chips_player_hide(t, seat);
  if (whichlevel < 1 || whichlevel > static_cast<int>(kPotGroups.size()))
    return;
  const pot_group& group = kPotGroups[static_cast<std::size_t>(whichlevel - 1)];
  for (int chip = group.first; chip <= group.last; ++chip)
    t.backchips[chip].set_visible(true);
  t.potlabel.set_visible(true);
}

void zero_total_bets(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).bet = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).totalbet = 0;
  t.currentbet = 0;
}

void remove_folds(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).fold = false;
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).allin = false;
}

}  // namespace omaha
