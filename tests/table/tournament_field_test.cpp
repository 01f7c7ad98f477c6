#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "screens/settings.h"
#include "table/tournament_field.h"
#include "table_test_support.h"

namespace omaha::testing {
namespace {

TEST(TournamentField, AdvanceByPhaseOfTheField) {
  struct Case {
    std::int16_t out_before;
    double r;
    std::int16_t out_after;
    std::int32_t stack;
  };
  const std::vector<Case> cases{
      {0, 0.0, 3, 3000},                       // fewest knocked out in the early field
      {0, std::nextafter(1.0, 0.0), 7, 1400},  // most
      {0, 0.5, 5, 1667},                       // 5000 / 3
      {897, 0.0, 900, 1002},                   // a step of 3 lands on the late field
      {899, 0.99, 906, 1002},                  // steps may jump past 900
      {900, 0.99, 901, 1002},                  // late field: one a deal, whatever the draw
      {989, 0.0, 990, 1002},                   // and exactly to the final table
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out_before);
    TableGame g;
    g.table.players_out = c.out_before;
    g.table.chip_pool = 1000 * c.out_before;
    g.app.random().use_sequence({c.r});
    EXPECT_EQ(advance_tournament(g.table), c.stack);
    EXPECT_EQ(g.table.players_out, c.out_after);
    EXPECT_EQ(g.table.chip_pool, 1000 * c.out_after);
  }
}

TEST(TournamentField, NewcomerStackRoundsExactHalvesToEven) {
  struct Case {
    std::int16_t out_before;
    std::int16_t out_after;
    std::int32_t stack;
  };
  // r = 0 knocks out three.
  const std::vector<Case> cases{{31, 34, 1062}, {159, 162, 1012}, {799, 802, 1002}};
  for (const Case& c : cases) {
    TableGame g;
    g.table.players_out = c.out_before;
    g.table.chip_pool = 1000 * c.out_before;
    g.app.random().use_sequence({0.0});
    EXPECT_EQ(advance_tournament(g.table), c.stack) << c.out_after;
    EXPECT_EQ(g.table.players_out, c.out_after);
  }
}

TEST(TournamentField, NameWordsComeFromTheTableEnds) {
  TableGame g;
  g.app.random().use_sequence({0.0, std::nextafter(1.0, 0.0), 0.5});
  EXPECT_EQ(random_name_part(g.table), "poker");
  EXPECT_EQ(random_name_part(g.table), "smiling");
  EXPECT_EQ(random_name_part(g.table), "player");  // word 13
}

TEST(TournamentField, NameWordsDrawnBackToBackOnTheRealClockDiffer) {
  // No fixed seed: each word reseeds from the clock, which barely moves between the draws.
  platform::Application app;
  settings settings_screen{app};
  tables table{app, settings_screen};
  std::set<std::string> words;
  int all_same = 0;
  for (int name = 0; name < 10; ++name) {
    const std::string w1 = random_name_part(table);
    const std::string w2 = random_name_part(table);
    const std::string w3 = random_name_part(table);
    all_same += (w1 == w2 && w2 == w3) ? 1 : 0;
    words.insert({w1, w2, w3});
  }
  EXPECT_LT(all_same, 3);
  EXPECT_GT(words.size(), 5u);
}

}  // namespace
}  // namespace omaha::testing
