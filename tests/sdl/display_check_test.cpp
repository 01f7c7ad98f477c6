#include "platform/sdl/display_check.h"

#include <gtest/gtest.h>

namespace platform::sdl {
namespace {

TEST(DisplayCheck, NeedsADisplayOrAnExplicitDriver) {
  EXPECT_FALSE(display_reachable({nullptr, nullptr, nullptr}));
  EXPECT_FALSE(display_reachable({"", "", ""}));
  EXPECT_TRUE(display_reachable({nullptr, ":0", nullptr}));
  EXPECT_TRUE(display_reachable({nullptr, nullptr, "wayland-0"}));
  EXPECT_TRUE(display_reachable({"kmsdrm", nullptr, nullptr}));
}

TEST(DisplayCheck, InvisibleDriversOnlyWhenAskedFor) {
  const DisplayEnvironment x11{nullptr, ":0", nullptr};
  EXPECT_TRUE(driver_visible("x11", x11));
  EXPECT_TRUE(driver_visible("wayland", x11));
  EXPECT_FALSE(driver_visible("offscreen", x11));
  EXPECT_FALSE(driver_visible("dummy", x11));
  EXPECT_FALSE(driver_visible(nullptr, x11));
  EXPECT_TRUE(driver_visible("dummy", {"dummy", nullptr, nullptr}));
  EXPECT_FALSE(driver_visible("offscreen", {"x11", ":0", nullptr}));
}

}  // namespace
}  // namespace platform::sdl
