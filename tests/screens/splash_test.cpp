#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/keys.h"
#include "screens/splash.h"
#include "support/game_harness.h"

namespace omaha::testing {
namespace {

// Form coordinates of the frame's contents are the frame's corner (96, 84) plus their place.
constexpr float kFrameLeft = 96;
constexpr float kFrameTop = 84;

class SplashScreen : public ::testing::Test {
 protected:
  void SetUp() override {
    splash.show();
    h.app.drain();
  }

  bool has_left() const { return !splash.loaded() && h.settings_screen.visible(); }
  bool still_up() const { return splash.visible() && !h.settings_screen.loaded(); }

  // After the splash has gone: hide the settings screen again and let the splash's time run
  // out well past its timer. A second hand-over would show the settings screen again.
  void expect_no_second_show() {
    h.settings_screen.hide();
    h.app.advance_by(10000);
    EXPECT_FALSE(h.settings_screen.visible());
    EXPECT_FALSE(splash.loaded());
  }

  GameHarness h;
  frmSplash splash{h.app, h.settings_screen};
};

TEST_F(SplashScreen, LeavesOnItsTimerAfter2500ms) {
  h.app.advance_by(2499);
  EXPECT_TRUE(still_up());
  h.app.advance_by(1);
  EXPECT_TRUE(has_left());
  // The settings screen was loaded by being shown: its defaults are set.
  EXPECT_EQ(h.settings_screen.Image5.border_style(), 1);
  expect_no_second_show();
}

struct WayOut {
  std::string name;
  std::function<void(SplashScreen&, frmSplash&, platform::Application&)> act;
};

void PrintTo(const WayOut& way, std::ostream* os) {
  *os << way.name;
}

class SplashWayOut : public SplashScreen, public ::testing::WithParamInterface<WayOut> {};

TEST_P(SplashWayOut, LeavesAtOnceAndOnlyOnce) {
  h.app.advance_by(1000);
  GetParam().act(*this, splash, h.app);
  EXPECT_TRUE(has_left());
  expect_no_second_show();
}

INSTANTIATE_TEST_SUITE_P(
    Splash, SplashWayOut,
    ::testing::Values(
        WayOut{"Letter", [](auto&, frmSplash& s, auto& app) { app.type_text(s, "x"); }},
        WayOut{"Space", [](auto&, frmSplash& s, auto& app) { app.type_text(s, " "); }},
        WayOut{"SeveralCharacters",
               [](auto&, frmSplash& s, auto& app) { app.type_text(s, "abc"); }},
        WayOut{"Enter",
               [](auto&, frmSplash& s, auto& app) { app.key_down(s, platform::kKeyEnter); }},
        WayOut{"Escape",
               [](auto&, frmSplash& s, auto& app) { app.key_down(s, platform::kKeyEscape); }},
        WayOut{"FrameByName", [](auto&, frmSplash& s, auto& app) { app.click(s.Frame1); }},
        WayOut{"EmptyPartOfFrame",
               [](auto&, frmSplash& s, auto& app) { app.click_at(s, 7000, 3900); }},
        // A shape takes no clicks: the click lands on the frame under it.
        WayOut{"RoundedRectangle",
               [](auto&, frmSplash& s, auto& app) {
                 app.click_at(s, kFrameLeft + 1308 + 240, kFrameTop + 1812 + 300);
               }},
        WayOut{"Circle", [](auto&, frmSplash& s,
                            auto& app) { app.click_at(s, kFrameLeft + 400, kFrameTop + 2418); }}),
    [](const ::testing::TestParamInfo<WayOut>& info) { return info.param.name; });

TEST_F(SplashScreen, KeysWithoutACharacterDoNotLeave) {
  for (int key : {platform::kKeyLeft, platform::kKeyRight, platform::kKeyUp, platform::kKeyDown,
                  platform::kKeyF1, platform::kKeyF9, platform::kKeyF10, platform::kKeyTab,
                  platform::kKeyHome, platform::kKeyEnd, platform::kKeyDelete}) {
    h.app.key_down(splash, key);
    EXPECT_TRUE(still_up()) << "key " << key;
  }
  h.app.advance_by(2500);
  EXPECT_TRUE(has_left());
}

// The captions' rectangles inside the frame (left, top, width, height).
const std::vector<std::array<float, 4>> kCaptions{
    {744, 108, 5664, 756},    // "TARROW OMAHA"
    {3204, 1560, 3612, 900},  // "Multi Table Tournament Software"
    {4224, 2772, 1272, 288},  // "Version 1.0"
};

TEST_F(SplashScreen, ClicksOnTheCaptionsDoNotLeave) {
  for (const auto& [left, top, width, height] : kCaptions) {
    h.app.click_at(splash, kFrameLeft + left + 10, kFrameTop + top + 10);
    h.app.click_at(splash, kFrameLeft + left + width - 10, kFrameTop + top + height - 10);
    EXPECT_TRUE(still_up()) << left << ", " << top;
  }
  h.app.advance_by(2500);
  EXPECT_TRUE(has_left());
}

TEST(SplashCaptions, AClickJustBesideACaptionLandsOnTheFrame) {
  for (const auto& [left, top, width, height] : kCaptions) {
    for (const auto& [x, y] : {std::pair{left - 10, top + 10},
                               {left + width + 10, top + 10},
                               {left + 10, top + height + 10}}) {
      GameHarness h;
      frmSplash splash{h.app, h.settings_screen};
      splash.show();
      h.app.click_at(splash, kFrameLeft + x, kFrameTop + y);
      EXPECT_FALSE(splash.loaded()) << x << ", " << y;
    }
  }
}

TEST_F(SplashScreen, AClickOutsideTheFrameDoesNotLeave) {
  h.app.click_at(splash, 40, 40);  // the navy border round the frame
  EXPECT_TRUE(still_up());
}

}  // namespace
}  // namespace omaha::testing
