#pragma once

namespace platform::sdl {

inline constexpr const char* kNoDisplayMessage =
    "This game needs a graphical display (X11 or Wayland).";

// The environment that decides whether windows can be shown (any may be null).
struct DisplayEnvironment {
  const char* requested_driver = nullptr;  // SDL_VIDEODRIVER, set by the user
  const char* x11_display = nullptr;       // DISPLAY
  const char* wayland_display = nullptr;   // WAYLAND_DISPLAY
};

DisplayEnvironment current_display_environment();

// Before SDL starts: false when there is plainly no display to reach.
bool display_reachable(const DisplayEnvironment& environment);

// After SDL started: false when it fell back to a driver nobody can see (offscreen, dummy)
// without the user asking for it.
bool driver_visible(const char* chosen_driver, const DisplayEnvironment& environment);

}  // namespace platform::sdl
