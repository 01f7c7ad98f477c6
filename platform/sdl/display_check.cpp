#include "platform/sdl/display_check.h"

#include <cstdlib>
#include <string_view>

namespace platform::sdl {

namespace {

bool set(const char* value) {
  return value != nullptr && *value != '\0';
}

}  // namespace

DisplayEnvironment current_display_environment() {
  return DisplayEnvironment{std::getenv("SDL_VIDEODRIVER"), std::getenv("DISPLAY"),
                            std::getenv("WAYLAND_DISPLAY")};
}

bool display_reachable(const DisplayEnvironment& environment) {
  return set(environment.requested_driver) || set(environment.x11_display) ||
         set(environment.wayland_display);
}

bool driver_visible(const char* chosen_driver, const DisplayEnvironment& environment) {
  if (!set(chosen_driver))
    return false;
  const std::string_view chosen(chosen_driver);
  if (chosen != "offscreen" && chosen != "dummy")
    return true;
  return set(environment.requested_driver) &&
         std::string_view(environment.requested_driver).find(chosen) != std::string_view::npos;
}

}  // namespace platform::sdl
