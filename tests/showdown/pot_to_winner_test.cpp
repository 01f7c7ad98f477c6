#include <gtest/gtest.h>

#include <array>

#include "showdown/showdown.h"
#include "showdown_table.h"

namespace omaha::testing {
namespace {

class PotToWinner : public ShowdownTable {
 protected:
  // The pile as a hand leaves it: every pot chip and the pot label showing, chips 60 to 70
  // away from home, and a pattern of bet chips on the seats.
  void lay_out_pile() {
    for (int chip = 60; chip <= 90; ++chip) {
      t.backchips[chip].set_visible(true);
      t.backchips[chip].move(100.0F * static_cast<float>(chip), 50.0F);
      far_chips[static_cast<std::size_t>(chip - 60)] = 100.0F * static_cast<float>(chip);
    }
    for (int chip = 0; chip < 60; ++chip)
      t.backchips[chip].set_visible(chip % 3 == 0);
    t.potlabel.set_visible(true);
  }

  void expect_pile_cleared_and_home() {
    for (int chip = 60; chip <= 90; ++chip)
      EXPECT_FALSE(t.backchips[chip].visible()) << "chip " << chip;
    EXPECT_FALSE(t.potlabel.visible());
    // Chip 60 + n goes back to entry n: chip 70 has its own home, not chip 60's.
    for (int entry = 0; entry <= 10; ++entry) {
      EXPECT_FLOAT_EQ(t.backchips[60 + entry].top(), home_top(entry)) << "chip " << 60 + entry;
      EXPECT_FLOAT_EQ(t.backchips[60 + entry].left(), home_left(entry)) << "chip " << 60 + entry;
    }
    for (int chip = 71; chip <= 90; ++chip)
      EXPECT_FLOAT_EQ(t.backchips[chip].left(), far_chips[static_cast<std::size_t>(chip - 60)])
          << "chip " << chip << " is only hidden";
    for (int chip = 0; chip < 60; ++chip)
      EXPECT_EQ(t.backchips[chip].visible(), chip % 3 == 0) << "bet chip " << chip;
  }

  std::array<float, 31> far_chips{};
};

TEST_F(PotToWinner, ClearsThePileAndPutsItBackForEverySeat) {
  for (int k = 1; k <= kSeats; ++k) {
    SCOPED_TRACE(::testing::Message() << "seat " << k);
    lay_out_pile();
    pot_to_winner(t, k);
    expect_pile_cleared_and_home();
  }
}

TEST_F(PotToWinner, APileNeverShownStaysHidden) {
  for (int chip = 60; chip <= 90; ++chip)
    t.backchips[chip].set_visible(false);
  pot_to_winner(t, 2);
  for (int chip = 60; chip <= 90; ++chip)
    EXPECT_FALSE(t.backchips[chip].visible());
  EXPECT_FALSE(t.potlabel.visible());
  EXPECT_FLOAT_EQ(t.backchips[70].top(), home_top(10));
}

TEST_F(PotToWinner, ASeatOffTheTableOnlyClearsThePile) {
  for (int seat : {0, 11, -3}) {
    lay_out_pile();
    pot_to_winner(t, seat);
    expect_pile_cleared_and_home();
  }
}

TEST_F(PotToWinner, SeveralWinnersLeaveThePileHiddenAtHome) {
  lay_out_pile();
  set_places({5, 5, 1, 5, 5, 5, 5, 1, 5, 5});
  set_folds({true, true, false, true, true, true, true, false, true, true});
  t.pot = 80;
  evaluate_winner(t);
  expect_pile_cleared_and_home();
}

}  // namespace
}  // namespace omaha::testing
