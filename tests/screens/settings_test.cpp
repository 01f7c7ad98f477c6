#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "fake_pictures.h"
#include "screens/settings.h"
#include "support/game_harness.h"

namespace omaha::testing {
namespace {

const std::vector<std::string> kTableTops{"Label7", "Label6", "Label5", "Label4"};
const std::vector<std::string> kCardBacks{"Image5", "Image6", "Image7", "Image8"};
const std::vector<std::string> kRooms{"Label9", "Image2", "Image3", "Image4"};

class SettingsScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    register_fake_pictures(h.app);
    s.show();
    h.app.drain();
  }

  void click(const std::string& name) { h.app.click(s.control(name)); }

  // The controls of a group that wear the border, joined by blanks.
  std::string marked(const std::vector<std::string>& group) const {
    std::string names;
    for (const auto& name : group)
      if (s.control(name).border_style() == 1)
        names += (names.empty() ? "" : " ") + name;
    return names;
  }

  GameHarness h;
  settings& s = h.settings_screen;
};

TEST_F(SettingsScreen, StartsWithTheDefaultsAndTheirMarks) {
  EXPECT_EQ(s.caption(), "Welcome To Omaha Tournament");
  EXPECT_EQ(s.backside, 0);
  EXPECT_EQ(s.tabletop, 0x8000);
  EXPECT_EQ(s.Text1.text(), "");
  EXPECT_EQ(marked(kTableTops), "Label7");
  EXPECT_EQ(marked(kCardBacks), "Image5");
  EXPECT_EQ(marked(kRooms), "");
  EXPECT_TRUE(s.Text1.has_focus());
  EXPECT_FALSE(h.table.loaded());
}

TEST_F(SettingsScreen, ShowsTheCardBacksAtTheirOwnSizeAndTheRoomsStretched) {
  const std::vector<int> cells{0, 53, 54, 55};
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const platform::Control& back = s.control(kCardBacks[k]);
    ASSERT_TRUE(back.picture()) << kCardBacks[k];
    EXPECT_EQ(back.picture()->pixel(20, 28), fake_cell_colour(cells[k])) << kCardBacks[k];
    EXPECT_FALSE(back.stretch());
    EXPECT_EQ(back.width(), 40 * 15);  // a 40 x 56 pixel cell, 15 twips a pixel
    EXPECT_EQ(back.height(), 56 * 15);
  }
  for (int id = 102; id <= 104; ++id) {
    // A reduced copy of the room: same colours, a quarter of the size each way.
    const platform::Control& room = s.control("Image" + std::to_string(id - 100));
    const auto full = h.app.resources().bitmap(id);
    ASSERT_TRUE(room.picture());
    EXPECT_EQ(room.picture()->width(), full->width() / 4);
    EXPECT_EQ(room.picture()->pixel(0, 0), full->pixel(0, 0));
    EXPECT_TRUE(room.stretch());
  }
}

struct Choice {
  std::string control;
  std::int32_t tabletop;
  std::int16_t backside;
};

void PrintTo(const Choice& c, std::ostream* os) {
  *os << c.control;
}

class SettingsChoice : public SettingsScreen, public ::testing::WithParamInterface<Choice> {};

TEST_P(SettingsChoice, SetsItsValueAndMovesTheMark) {
  const Choice& c = GetParam();
  // Start from a choice other than the default in both groups, so the default cannot pass.
  click(c.control == "Label5" ? "Label6" : "Label5");
  click(c.control == "Image7" ? "Image8" : "Image7");
  for (int time = 0; time < 2; ++time) {  // a second click changes nothing further
    click(c.control);
    EXPECT_EQ(s.tabletop, c.tabletop);
    EXPECT_EQ(s.backside, c.backside);
    const bool table_top = c.control.starts_with("Label");
    EXPECT_EQ(marked(table_top ? kTableTops : kCardBacks), c.control);
    EXPECT_EQ(marked(kRooms), "");
  }
  EXPECT_FALSE(h.table.loaded());
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsChoice,
    ::testing::Values(Choice{"Label7", 0x8000, 54}, Choice{"Label6", 0xC0C000, 54},
                      Choice{"Label5", 0x4080, 54}, Choice{"Label4", 0x800000, 54},
                      Choice{"Image5", 0x4080, 0}, Choice{"Image6", 0x4080, 53},
                      Choice{"Image7", 0x4080, 54}, Choice{"Image8", 0x4080, 55}),
    [](const ::testing::TestParamInfo<Choice>& info) { return info.param.control; });

// Clicks at the middle of each swatch and card back land on the right click area.
TEST_F(SettingsScreen, ClicksOnTheSwatchesAndCardBacksChooseThem) {
  struct Spot {
    float x, y;
    std::int32_t tabletop;
    std::int16_t backside;
  };
  const std::vector<Spot> spots{
      {660 + 258, 1656 + 354, 0x8000, 0},     {1404 + 258, 1656 + 354, 0xC0C000, 0},
      {672 + 258, 2556 + 354, 0x4080, 0},     {1392 + 258, 2556 + 354, 0x800000, 0},
      {3216 + 300, 1656 + 420, 0x800000, 0},  {3996 + 300, 1656 + 420, 0x800000, 53},
      {3204 + 300, 2580 + 420, 0x800000, 54}, {3996 + 300, 2580 + 420, 0x800000, 55},
  };
  for (const Spot& spot : spots) {
    h.app.click_at(s, spot.x, spot.y);
    EXPECT_EQ(s.tabletop, spot.tabletop) << spot.x << ", " << spot.y;
    EXPECT_EQ(s.backside, spot.backside) << spot.x << ", " << spot.y;
  }
}

struct RoomCase {
  std::string name;
  std::vector<std::string> clicks;
  int picture;  // bitmap on the table after "Ok", 0 for none
  std::string marked;
};

void PrintTo(const RoomCase& c, std::ostream* os) {
  *os << c.name;
}

class RoomPicture : public SettingsScreen, public ::testing::WithParamInterface<RoomCase> {};

TEST_P(RoomPicture, IsHeldUntilOkThenPutOnTheTable) {
  const RoomCase& c = GetParam();
  for (const auto& name : c.clicks)
    click(name);
  EXPECT_EQ(marked(kRooms), c.marked);
  EXPECT_FALSE(h.table.loaded());  // a picture does not open the table
  EXPECT_FALSE(h.table.picture());

  click("Command1");
  ASSERT_TRUE(h.table.loaded());
  EXPECT_TRUE(h.table.visible());
  if (c.picture == 0) {
    EXPECT_FALSE(h.table.picture());
  } else {
    ASSERT_TRUE(h.table.picture());
    EXPECT_EQ(h.table.picture(), h.app.resources().bitmap(c.picture));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, RoomPicture,
    ::testing::Values(RoomCase{"NothingChosen", {}, 0, ""},
                      RoomCase{"NoPictureOnly", {"Label9"}, 0, "Label9"},
                      RoomCase{"Picture102", {"Image2"}, 102, "Image2"},
                      RoomCase{"Picture103", {"Image3"}, 103, "Image3"},
                      RoomCase{"Picture104", {"Image4", "Image4"}, 104, "Image4"},
                      RoomCase{"LaterPictureWins", {"Image2", "Image4"}, 104, "Image4"},
                      RoomCase{"NoPictureKeepsThePicture", {"Image3", "Label9"}, 103, "Label9"},
                      RoomCase{"NoPictureTwice", {"Image2", "Label9", "Label9"}, 102, "Label9"},
                      RoomCase{"PictureAfterNoPicture", {"Label9", "Image2"}, 102, "Image2"}),
    [](const ::testing::TestParamInfo<RoomCase>& info) { return info.param.name; });

TEST_F(SettingsScreen, OkWithNothingChosenOpensAPlainGreenTable) {
  click("Command1");
  ASSERT_TRUE(h.table.visible());
  EXPECT_EQ(h.table.Shape1.fill_colour(), 0x8000u);
  EXPECT_EQ(h.table.player(1).caption, "");
  EXPECT_FALSE(h.table.picture());
  EXPECT_EQ(s.backside, 0);
  // The settings screen goes out of sight but stays loaded for the table to read.
  EXPECT_FALSE(s.visible());
  EXPECT_TRUE(s.loaded());
}

TEST_F(SettingsScreen, TheTableTakesTheNameAndColourAtOk) {
  click("Image4");  // a room picture chosen before the name: the table still waits for "Ok"
  h.app.type_text(s, "Ann Lee");
  click("Label5");
  click("Command1");
  EXPECT_EQ(h.table.player(1).caption, "Ann Lee");
  EXPECT_EQ(h.table.Label3.caption(), "Ann Lee");
  EXPECT_EQ(h.table.Shape1.fill_colour(), 0x4080u);
  EXPECT_EQ(h.table.picture(), h.app.resources().bitmap(104));
}

TEST(SettingsName, KeepsItsAccentsAndIsCutToWhatAPlateShows) {
  struct Case {
    const char* typed;
    bool pasted;
    const char* name;
  };
  const std::string pasted_name = "Maximilian Oberhauser " + std::string(60000, 'x');
  for (const Case& c : {Case{"Jos\u00e9 \u00c5s\u00e9n", false, "Jos\u00e9 \u00c5s\u00e9n"},
                        Case{"Zo\u00eb\r\nKr\u00fcger", true, "Zo\u00ebKr\u00fcger"},
                        Case{pasted_name.c_str(), true, "Maximilian Oberhause"},
                        Case{"Anna Maria Katharina Schmidt", false, "Anna Maria Katharina"}}) {
    GameHarness h;
    settings& s = h.settings_screen;
    s.show();
    h.app.drain();
    ASSERT_TRUE(s.Text1.has_focus());
    if (c.pasted)
      h.app.paste_text(s, c.typed);
    else
      h.app.type_text(s, c.typed);
    h.app.click(s.Command1);
    EXPECT_EQ(h.table.player(1).caption, c.name);
    EXPECT_EQ(h.table.Label3.caption(), c.name);
  }
}

TEST_F(SettingsScreen, ChoicesAfterOk) {
  click("Command1");
  click("Image7");
  EXPECT_EQ(s.backside, 54);  // read by every later deal
  click("Label4");
  EXPECT_EQ(h.table.Shape1.fill_colour(), 0x8000u);  // the table top was read once
}

TEST_F(SettingsScreen, ExitAndTheCloseButtonEndTheProgram) {
  click("Command2");
  EXPECT_TRUE(h.app.ended());
  EXPECT_FALSE(s.loaded());
  EXPECT_FALSE(h.table.loaded());

  GameHarness other;
  other.settings_screen.show();
  other.app.close_window(other.settings_screen);
  EXPECT_TRUE(other.app.ended());
}

TEST(SettingsWithoutPictures, CopesWithNoBitmaps) {
  GameHarness h;
  h.settings_screen.show();
  for (const char* name : {"Image2", "Image3", "Image4", "Image5", "Image8"})
    EXPECT_FALSE(h.settings_screen.control(name).picture()) << name;
  EXPECT_EQ(h.settings_screen.Image6.width(), 40 * 15);
  h.app.click(h.settings_screen.Image3);
  h.app.click(h.settings_screen.Image6);
  EXPECT_EQ(h.settings_screen.backside, 53);
  h.app.click(h.settings_screen.Command1);
  EXPECT_TRUE(h.table.visible());
  EXPECT_FALSE(h.table.picture());
}

}  // namespace
}  // namespace omaha::testing
