#include "showdown_table.h"

#include <cstddef>
#include <string>
#include <vector>

namespace omaha::testing {

namespace {

std::shared_ptr<const platform::Bitmap> plain_bitmap(int width, int height) {
  return std::make_shared<const platform::Bitmap>(
      width, height, 1,
      std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 3, 200));
}

}  // namespace

ShowdownTable::ShowdownTable() : marker(plain_bitmap(1, 1)) {
  t.on_load = nullptr;  // loaded for the focus, but no start-up and no deal
  t.load();
  t.PictureClip1.set_picture(plain_bitmap(722, 226));
  for (int entry = 0; entry <= 10; ++entry) {
    t.pot_chip_top[static_cast<std::size_t>(entry)] = home_top(entry);
    t.pot_chip_left[static_cast<std::size_t>(entry)] = home_left(entry);
  }
  for (int k = 1; k <= kSeats; ++k) {
    player_record& p = seat(k);
    p.caption = "seat" + std::to_string(k);
    p.handvalue = "hand" + std::to_string(k);
    p.handrank = 5;
    p.prize = 1000;
    p.Active = true;
    p.cardone = static_cast<std::int16_t>(4 * (k - 1) + 1);
    p.cardtwo = static_cast<std::int16_t>(4 * (k - 1) + 2);
    p.cardthree = static_cast<std::int16_t>(4 * (k - 1) + 3);
    p.cardfour = static_cast<std::int16_t>(4 * (k - 1) + 4);
  }
  t.numberofwinners = 1;
  t.roundtimer.set_enabled(true);
  t.Command3.SetFocus();
  h.app.drain();
}

void ShowdownTable::set_places(const std::array<int, kSeats>& places) {
  for (int k = 1; k <= kSeats; ++k)
    seat(k).handrank = static_cast<std::int16_t>(places[static_cast<std::size_t>(k - 1)]);
}

void ShowdownTable::set_folds(const std::array<bool, kSeats>& folds) {
  for (int k = 1; k <= kSeats; ++k)
    seat(k).fold = folds[static_cast<std::size_t>(k - 1)];
}

void ShowdownTable::mark_all_hole_cards() {
  for (int k = 1; k <= kSeats; ++k)
    for (int c = 1; c <= 4; ++c)
      t.hole_card(k, c).set_picture(marker);
}

bool ShowdownTable::hole_cards_untouched(int k) const {
  for (int c = 1; c <= 4; ++c)
    if (t.hole_card(k, c).picture() != marker)
      return false;
  return true;
}

bool ShowdownTable::hole_cards_face_up(int k) {
  for (int c = 1; c <= 4; ++c) {
    const auto face = t.PictureClip1.cell(4 * (k - 1) + c);
    if (face == nullptr || t.hole_card(k, c).picture() != face)
      return false;
  }
  return true;
}

}  // namespace omaha::testing
