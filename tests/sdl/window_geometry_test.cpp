#include "platform/sdl/window_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/application.h"
#include "platform/form.h"

namespace platform::sdl {
namespace {

// The table form: 12,300 x 8,800 twips, 820 x 587 pixels at scale 1.
constexpr float kTableWidth = 12300;
constexpr float kTableHeight = 8800;

struct Screen {
  int width, height;
  double scale;   // the scale the table opens at
  int panel = 0;  // a task bar along the top
};

bool fits(const ScreenRect& window, const ScreenRect& area) {
  return window.x >= area.x && window.y >= area.y &&
         window.x + window.width <= area.x + area.width &&
         window.y + window.height <= area.y + area.height;
}

TEST(WindowScale, TheTableOpensWhollyOnEveryScreenAtTheLargestStepThatFits) {
  const Screen screens[] = {{640, 480, 0.75},      {800, 600, 0.95},  {1024, 600, 1.0},
                            {1024, 600, 0.95, 30}, {1024, 768, 1.0},  {1280, 720, 1.0},
                            {1280, 1024, 1.25},    {1366, 768, 1.0},  {1600, 900, 1.25},
                            {1920, 1080, 1.5},     {2560, 1440, 2.0}, {3200, 1800, 2.5},
                            {3840, 2160, 3.0}};
  for (const Screen& screen : screens) {
    const ScreenRect usable{0, screen.panel, screen.width, screen.height - screen.panel};
    const WindowPlacement placement = place_window(kTableWidth, kTableHeight, usable);
    SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height) + " panel " +
                 std::to_string(screen.panel));
    EXPECT_DOUBLE_EQ(placement.scale, screen.scale);
    EXPECT_TRUE(fits(placement.window, usable));
    EXPECT_EQ(placement.window.width, twips_to_pixels(kTableWidth, placement.scale));
    EXPECT_EQ(placement.window.height, twips_to_pixels(kTableHeight, placement.scale));
    // Centred: the margins left and right (above and below) differ by one pixel at most.
    const int right = usable.width - placement.window.x - placement.window.width;
    const int below = usable.y + usable.height - placement.window.y - placement.window.height;
    EXPECT_LE(std::abs(placement.window.x - right), 1);
    EXPECT_LE(std::abs(placement.window.y - usable.y - below), 1);
  }
}

TEST(WindowScale, AStepMoreWouldNotFit) {
  for (int width = 640; width <= 3840; width += 160) {
    for (int height = 480; height <= 2160; height += 120) {
      const double scale = choose_window_scale(820, 587, width, height);
      SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
      ASSERT_GE(scale, kSmallestWindowScale);
      if (820 <= 0.85 * width && 587 <= 0.85 * height) {
        // Where scale 1 leaves room, the window keeps to 85% of the screen, in quarter steps.
        const double larger = scale + 0.25;
        EXPECT_DOUBLE_EQ(scale * 4, std::round(scale * 4));
        EXPECT_LE(820 * scale, 0.85 * width);
        EXPECT_LE(587 * scale, 0.85 * height);
        EXPECT_TRUE(820 * larger > 0.85 * width || 587 * larger > 0.85 * height);
      } else {
        // Otherwise it may take the whole screen, up to scale 1, in steps of 0.05.
        const double larger = scale + 0.05;
        EXPECT_DOUBLE_EQ(scale * 20, std::round(scale * 20));
        EXPECT_LE(scale, 1.0);
        EXPECT_LE(820 * scale, width);
        EXPECT_LE(587 * scale, height);
        EXPECT_TRUE(scale == kSmallestWindowScale || scale == 1.0 || 820 * larger > width ||
                    587 * larger > height);
      }
    }
  }
}

TEST(WindowScale, ATaskBarIsLeftFree) {
  // 1280 x 720 less a 30-pixel bar at the top: 85% of it is too small for scale 1, the whole
  // free area is not.
  const ScreenRect usable{0, 30, 1280, 690};
  const WindowPlacement placement = place_window(kTableWidth, kTableHeight, usable);
  EXPECT_DOUBLE_EQ(placement.scale, 1.0);
  EXPECT_TRUE(fits(placement.window, usable));
  EXPECT_EQ(placement.window.y, 30 + (690 - 587) / 2);
}

TEST(WindowScale, SmallFormsGrowLargeOnesStopAtTheSmallestScale) {
  // 85% of 1000 x 1000 holds a 100-pixel form exactly 8.5 times.
  EXPECT_DOUBLE_EQ(choose_window_scale(100, 100, 1000, 1000), 8.5);
  // A screen smaller than the form at the smallest scale: the window starts at its corner.
  const WindowPlacement cramped =
      place_window(kTableWidth, kTableHeight, ScreenRect{0, 0, 320, 240});
  EXPECT_DOUBLE_EQ(cramped.scale, kSmallestWindowScale);
  EXPECT_EQ(cramped.window.x, 0);
  EXPECT_EQ(cramped.window.y, 0);
  EXPECT_DOUBLE_EQ(choose_window_scale(820, 587, 0, 0), 1.0);
}

TEST(Letterbox, FormIsCentredAtTheLargestFittingScale) {
  // A 1000 x 500 pixel form in a 3000 x 1000 output: scale 2, bars left and right.
  const Viewport wide = fit_viewport(15000, 7500, 3000, 1000);
  EXPECT_DOUBLE_EQ(wide.scale, 2.0);
  EXPECT_EQ(wide.x, 500);
  EXPECT_EQ(wide.y, 0);
  // In a 1000 x 900 output: scale 1, bars above and below.
  const Viewport tall = fit_viewport(15000, 7500, 1000, 900);
  EXPECT_DOUBLE_EQ(tall.scale, 1.0);
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 200);
}

TEST(Letterbox, OutputPixelsMapToTwipsAndBarsMapToNothing) {
  const Viewport viewport = fit_viewport(15000, 7500, 3000, 1000);
  const auto first = output_to_twips(viewport, 15000, 7500, 500, 0);
  ASSERT_TRUE(first.has_value());
  EXPECT_FLOAT_EQ(first->x, 3.75f);  // the centre of a pixel 7.5 twips wide
  EXPECT_FLOAT_EQ(first->y, 3.75f);
  const auto last = output_to_twips(viewport, 15000, 7500, 2499, 999);
  ASSERT_TRUE(last.has_value());
  EXPECT_FLOAT_EQ(last->x, 14996.25f);
  EXPECT_FLOAT_EQ(last->y, 7496.25f);
  EXPECT_FALSE(output_to_twips(viewport, 15000, 7500, 499, 10).has_value());
  EXPECT_FALSE(output_to_twips(viewport, 15000, 7500, 2500, 10).has_value());
}

TEST(Letterbox, ClickOnADrawnControlHitsThatControl) {
  Application app;
  Form form(app, "f");
  form.set_client_size(12300, 8800);
  Control& button = form.add(ControlKind::Button, "b");
  button.set_bounds(6000, 4000, 1200, 450);
  // An odd window size: neither scale nor offsets are round.
  const Viewport viewport = fit_viewport(form.width(), form.height(), 1333, 777);
  const int left = viewport.x + twips_to_pixels(button.left(), viewport.scale);
  const int right = viewport.x + twips_to_pixels(button.left() + button.width(), viewport.scale);
  const int top = viewport.y + twips_to_pixels(button.top(), viewport.scale);
  for (int x : {left, (left + right) / 2, right - 1}) {
    const auto point = output_to_twips(viewport, form.width(), form.height(), x, top);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(form.hit_test(point->x, point->y), &button) << x;
  }
  for (int x : {left - 1, right}) {
    const auto point = output_to_twips(viewport, form.width(), form.height(), x, top);
    ASSERT_TRUE(point.has_value());
    EXPECT_EQ(form.hit_test(point->x, point->y), nullptr) << x;
  }
}

}  // namespace
}  // namespace platform::sdl
