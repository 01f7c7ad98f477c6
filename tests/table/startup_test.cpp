#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "game_harness.h"
#include "platform/keys.h"
#include "table/card_code.h"
#include "table/table_startup.h"

namespace {

using omaha::testing::GameHarness;

// Loads the table as "Ok" would, but looks at it before any queued event runs.
struct Loaded : GameHarness {
  explicit Loaded(const std::string& name = "Ann", std::int32_t colour = 0x8000) {
    settings_screen.load();
    settings_screen.Text1.set_text(name);
    settings_screen.tabletop = colour;
    table.load();
  }
};

TEST(TableStartUp, SetsTheTableStateAndTheSeats) {
  Loaded g;
  const omaha::tables& t = g.table;
  EXPECT_EQ(t.limits, 10);
  EXPECT_EQ(t.limittimersetting, 300);
  EXPECT_EQ(t.level, 1);
  EXPECT_EQ(t.closer, 0);
  EXPECT_EQ(t.sitter, 0);
  EXPECT_EQ(t.players_out, 0);
  EXPECT_EQ(t.chip_pool, 0);

  const std::array<const char*, 10> names{
      "Ann",         "boulder man", "river rat",       "bad beat luck", "poker man",
      "chips chips", "rotten kid",  "juggle card man", "texas route",   "tarrow kid"};
  for (int seat = 1; seat <= omaha::kSeats; ++seat) {
    const omaha::player_record& p = t.player(seat);
    EXPECT_EQ(p.caption, names[static_cast<std::size_t>(seat - 1)]);
    EXPECT_EQ(t.player_label(seat).caption(), p.caption);
    EXPECT_TRUE(p.Active);
    EXPECT_EQ(p.tournament_position, 0);
  }
  EXPECT_EQ(t.limitslabel.caption(), "Limits Go Up in Every 10 mins");
  EXPECT_EQ(t.limitsdisplay.caption(), "Limits    10  -   20");
  EXPECT_TRUE(t.visible());
}

TEST(TableStartUp, ChipCountsReadAThousandBeforeTheBlinds) {
  GameHarness g;
  g.settings_screen.load();
  // Look at the counts as the start-up writes them, before the first deal's events run.
  std::array<std::string, 10> counts;
  g.table.on_load = [&] {
    omaha::Form_Load(g.table);
    for (int seat = 1; seat <= omaha::kSeats; ++seat)
      counts[static_cast<std::size_t>(seat - 1)] = g.table.prize_label(seat).caption();
  };
  g.table.load();
  for (const std::string& count : counts)
    EXPECT_EQ(count, " 1000");
}

TEST(TableStartUp, TakesTheTableColourAndAnEmptyName) {
  Loaded g("", 0xC0C000);
  EXPECT_EQ(g.table.Shape1.fill_colour(), 0xC0C000u);
  EXPECT_EQ(g.table.player(1).caption, "");
  EXPECT_EQ(g.table.Label3.caption(), "");
}

TEST(TableStartUp, RecordsTheElevenPotChipHomes) {
  Loaded g;
  for (int chip = 60; chip <= 70; ++chip) {
    const auto slot = static_cast<std::size_t>(chip - 60);
    EXPECT_FLOAT_EQ(g.table.pot_chip_top[slot], g.table.backchips[chip].top()) << chip;
    EXPECT_EQ(g.table.pot_chip_left[slot],
              static_cast<std::int16_t>(g.table.backchips[chip].left()))
        << chip;
  }
}

TEST(TableStartUp, F10ShowsAndF9HidesTheResultWhateverHasTheFocus) {
  Loaded g;
  g.app.drain();
  for (platform::Control* focus : {&g.table.Command2, &g.table.Command3}) {
    focus->SetFocus();
    g.app.drain();
    g.app.key_down(g.table, platform::kKeyF10);
    EXPECT_TRUE(g.table.winnerlabel.visible());
    g.app.key_down(g.table, platform::kKeyF10);
    EXPECT_TRUE(g.table.winnerlabel.visible());
    g.app.key_down(g.table, platform::kKeyF9);
    EXPECT_FALSE(g.table.winnerlabel.visible());
    g.app.key_down(g.table, 'A');
    EXPECT_FALSE(g.table.winnerlabel.visible());
  }
}

TEST(TableStartUp, ExitAndTheCloseButtonEndTheProgramAndStopTheTimers) {
  for (bool by_close : {false, true}) {
    Loaded g;
    g.table.Timer1.set_enabled(true);
    g.table.roundtimer.set_enabled(true);
    if (by_close) {
      g.app.close_window(g.table);
    } else {
      g.app.click(g.table.Command2);
    }
    EXPECT_TRUE(g.app.ended());
    EXPECT_FALSE(g.app.next_due().has_value());
  }
}

TEST(SeatRecords, ClassSetToZeroClearsOnlyTheEvaluation) {
  Loaded g;
  omaha::tables& t = g.table;
  for (int seat = 1; seat <= omaha::kSeats; ++seat) {
    omaha::player_record& p = t.player(seat);
    p.handrank = 3;
    p.handnumber = 512;
    p.handvalue = p.handvaluetops = p.handvaluepair = p.handvaluetwok = "x";
    p.handvaluethreek = p.handvaluestraight = p.handvalueflush = p.handvaluefullhouse = "x";
    p.handvaluefourk = p.handvaluesflush = p.handvaluerflush = "x";
    p.cardone = 7;
    p.cardtext1 = "3h";
    p.fold = true;
    p.prize = 77;
    p.dealer = 4;
  }
  t.flopvalue = "Pair 2";
  t.numberofwinners = 2;
  omaha::class_set_to_zero(t);
  for (int seat = 1; seat <= omaha::kSeats; ++seat) {
    const omaha::player_record& p = t.player(seat);
    EXPECT_EQ(p.handrank, 0);
    EXPECT_EQ(p.handnumber, 0);
    for (const std::string* text :
         {&p.handvalue, &p.handvaluetops, &p.handvaluepair, &p.handvaluetwok, &p.handvaluethreek,
          &p.handvaluestraight, &p.handvalueflush, &p.handvaluefullhouse, &p.handvaluefourk,
          &p.handvaluesflush, &p.handvaluerflush})
      EXPECT_TRUE(text->empty());
    EXPECT_EQ(p.cardone, 7);
    EXPECT_EQ(p.cardtext1, "3h");
    EXPECT_TRUE(p.fold);
    EXPECT_EQ(p.prize, 77);
    EXPECT_EQ(p.dealer, 4);
  }
  EXPECT_TRUE(t.flopvalue.empty());
  EXPECT_EQ(t.numberofwinners, 2);
}

TEST(CardCode, TextsOfCodes) {
  struct Case {
    int code;
    const char* text;
  };
  for (const Case& c :
       {Case{1, "2c"}, Case{2, "2d"}, Case{3, "2h"}, Case{4, "2s"}, Case{5, "3c"}, Case{33, "10c"},
        Case{36, "10s"}, Case{37, "Jc"}, Case{46, "Kd"}, Case{48, "Ks"}, Case{49, "Ac"},
        Case{52, "As"}, Case{0, ""}, Case{53, ""}, Case{-1, ""}})
    EXPECT_EQ(omaha::convert2card(c.code), c.text) << c.code;
}

TEST(CardCode, CodesOrderByRankThenSuit) {
  for (int code = 1; code < 52; ++code) {
    const int next = code + 1;
    const bool same_rank = omaha::card_rank(code) == omaha::card_rank(next);
    EXPECT_TRUE(same_rank ? omaha::card_suit(next) == omaha::card_suit(code) + 1
                          : omaha::card_rank(next) == omaha::card_rank(code) + 1);
  }
  // Every text is distinct, ends in its lower-case suit letter, and only tens have three
  // characters.
  std::set<std::string> texts;
  for (int code = 1; code <= 52; ++code) {
    const std::string text = omaha::convert2card(code);
    texts.insert(text);
    EXPECT_EQ(text.back(), "cdhs"[omaha::card_suit(code)]);
    EXPECT_EQ(text.size() == 3, omaha::card_rank(code) == 8) << text;
  }
  EXPECT_EQ(texts.size(), 52u);
}

}  // namespace
