#include "platform/sdl/window_geometry.h"

#include <gtest/gtest.h>

#include "platform/application.h"
#include "platform/form.h"

namespace platform::sdl {
namespace {

TEST(WindowScale, LargestQuarterStepThatFitsMostOfTheDisplay) {
  // 820 x 587 on 1280 x 1024: 1088 / 820 = 1.33 across, 870 / 587 = 1.48 down.
  EXPECT_DOUBLE_EQ(choose_window_scale(820, 587, 1280, 1024), 1.25);
  // On 1920 x 1080 the height decides: 918 / 587 = 1.56.
  EXPECT_DOUBLE_EQ(choose_window_scale(820, 587, 1920, 1080), 1.5);
  EXPECT_DOUBLE_EQ(choose_window_scale(820, 587, 3840, 2160), 3.0);
  // Exactly 85% is still a fit.
  EXPECT_DOUBLE_EQ(choose_window_scale(100, 100, 1000, 1000), 8.5);
}

TEST(WindowScale, NeverBelowOne) {
  EXPECT_DOUBLE_EQ(choose_window_scale(820, 587, 800, 600), 1.0);
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
