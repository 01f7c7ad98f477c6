#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "betting/betting.h"
#include "platform/bitmap.h"
#include "support/game_harness.h"
#include "table/tables.h"

namespace omaha::testing {

// A plain 722 x 226 stand-in for the card sheet: the tests compare cell pictures by identity.
inline std::shared_ptr<const platform::Bitmap> test_card_sheet() {
  return std::make_shared<const platform::Bitmap>(722, 226, 1,
                                                  std::vector<std::uint8_t>(722 * 226 * 3));
}

// The source value that makes a draw of 52 give card `code`.
inline double value_for_card(int code) {
  return (code - 0.5) / 52.0;
}

// The harness with a card sheet as resource 101, so the start-up loads it as the game does.
struct TableGame : GameHarness {
  explicit TableGame(std::uint64_t seed = 1) : GameHarness(seed) {
    app.resources().add_bitmap(101, test_card_sheet);
  }
  // For tests that work on a table whose start-up has not run.
  void load_card_sheet() { table.PictureClip1.set_picture(test_card_sheet()); }
  std::shared_ptr<const platform::Bitmap> cell(int n) { return table.PictureClip1.cell(n); }
  player_record& seat(int s) { return table.player(s); }
  // Seat `button` holds the button; the others are numbered clockwise from it.
  void put_button_on(int button) {
    for (int s = 1; s <= kSeats; ++s)
      seat(s).dealer = static_cast<std::int16_t>((s - button + kSeats) % kSeats + 1);
  }
  int button_seat() {
    int found = 0;
    for (int s = 1; s <= kSeats; ++s)
      if (seat(s).dealer == 1)
        found = found == 0 ? s : -1;
    return found;
  }
};

}  // namespace omaha::testing
