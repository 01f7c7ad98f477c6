#include "table/table_startup.h"

#include <array>

#include "betting/limit_ladder.h"
#include "platform/keys.h"
#include "platform/number_text.h"
#include "screens/settings.h"
#include "table/card_code.h"
#include "table/hand_cycle.h"
#include "table/tables.h"
#include "table/tournament_field.h"

namespace omaha {

namespace {

constexpr std::array<const char*, kSeats - kFirstComputerSeat + 1> kComputerNames{
    "boulder man", "river rat",       "bad beat luck", "poker man", "chips chips",
    "rotten kid",  "juggle card man", "texas route",   "tarrow kid"};

}  // namespace

void connect_table_handlers(tables& t) {
  t.on_load = [&t] { Form_Load(t); };
  t.on_key_down = [&t](int key_code, int shift) { Form_KeyDown(t, key_code, shift); };
  t.on_close = [&t] { Command2_Click(t); };
  t.Command2.on_click = [&t] { Command2_Click(t); };
  t.Command1.on_click = [&t] { Command1_Click(t); };
  t.Timer1.on_tick = [&t] { Timer1_Timer(t); };
}

void Form_Load(tables& t) {
  t.limittimersetting = kLimitCountdownStart;
  t.tossdone = 0;
  t.limits = limit_ladder.front();
  t.closer = 0;
  t.level = 1;
  t.focuser = 0;

  t.Shape1.set_fill_colour(static_cast<platform::Colour>(t.settings_screen.tabletop));

  t.player(kHuman).caption = t.settings_screen.Text1.text();
  for (int seat = kFirstComputerSeat; seat <= kSeats; ++seat)
    t.player(seat).caption = kComputerNames[static_cast<std::size_t>(seat - kFirstComputerSeat)];

  for (int seat = 1; seat <= kSeats; ++seat)
    t.player(seat).prize = kStartingStack;

  show_limits(t);

  // The homes the pot chips return to after every award.
  for (int chip = kFirstPotChip; chip <= kLastMovedPotChip; ++chip) {
    const auto slot = static_cast<std::size_t>(chip - kFirstPotChip);
    t.pot_chip_top[slot] = t.backchips[chip].top();
    t.pot_chip_left[slot] =
        static_cast<std::int16_t>(platform::round_half_even(t.backchips[chip].left()));
  }

  t.PictureClip1.set_picture(t.app().resources().bitmap(kCardSheetBitmap));

  for (int seat = 1; seat <= kSeats; ++seat)
    show_prize(t, seat);
  for (int seat = 1; seat <= kSeats; ++seat)
    t.player_label(seat).set_caption(t.player(seat).caption);

  class_set_to_zero(t);
  t.show();
  first_game(t);
}

void Command2_Click(tables& t) {
  t.app().End();
}

void Form_KeyDown(tables& t, int key_code, int /*shift*/) {
  if (key_code == platform::kKeyF10)
    t.winnerlabel.set_visible(true);
  if (key_code == platform::kKeyF9)
    t.winnerlabel.set_visible(false);
}

void class_set_to_zero(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    player_record& p = t.player(seat);
    p.handrank = 0;
    t.flopvalue.clear();
    p.handvalue.clear();
    p.handnumber = 0;
    p.handvaluetops.clear();
    p.handvaluepair.clear();
    p.handvaluetwok.clear();
    p.handvaluethreek.clear();
    p.handvaluestraight.clear();
    p.handvalueflush.clear();
    p.handvaluefullhouse.clear();
    p.handvaluefourk.clear();
    p.handvaluesflush.clear();
    p.handvaluerflush.clear();
  }
}

}  // namespace omaha
