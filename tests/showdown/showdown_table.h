#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>

#include "platform/bitmap.h"
#include "support/game_harness.h"
#include "table/tables.h"

namespace omaha::testing {

// A loaded table with no start-up and no deal: every seat live at place 5 with 1000 chips and
// its own four cards (seat k holds codes 4(k-1)+1 to 4(k-1)+4), a plain card sheet, distinct
// pot-chip homes, the turn clock running and the focus on "Sit Out". Tests write the hand's
// state directly and call the showdown.
class ShowdownTable : public ::testing::Test {
 protected:
  ShowdownTable();

  player_record& seat(int k) { return t.player(k); }
  // Sets every seat's place; folded seats are those listed with `fold` true.
  void set_places(const std::array<int, kSeats>& places);
  void set_folds(const std::array<bool, kSeats>& folds);
  // The picture a seat's hole-card images had before the showdown, to tell untouched ones.
  void mark_all_hole_cards();
  bool hole_cards_untouched(int k) const;
  bool hole_cards_face_up(int k);

  // Home of pot chip 60 + entry, as the fixture recorded it.
  static float home_top(int entry) { return 3000.0F + 10.0F * static_cast<float>(entry); }
  static std::int16_t home_left(int entry) { return static_cast<std::int16_t>(5000 + 7 * entry); }

  GameHarness h;
  tables& t = h.table;
  std::shared_ptr<const platform::Bitmap> marker;
};

}  // namespace omaha::testing
