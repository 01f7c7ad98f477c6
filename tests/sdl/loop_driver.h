#pragma once

// Drives the real window loop in a test: SDL's dummy video driver, a clock the test moves, and
// input pushed into SDL's queue as a desktop would deliver it.

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/sdl/loop_clock.h"

namespace sdl_test {

// A clock that stands still until the loop waits: then it runs the test's steps that fall due
// before the loop's deadline, each at its own time, and jumps to the deadline when no event
// has come. Minutes of play pass in an instant and every time is exact.
class ScriptedClock : public platform::sdl::LoopClock {
 public:
  std::int64_t now() override { return now_; }

  bool wait_for_event(std::optional<std::int64_t> deadline) override {
    for (;;) {
      if (SDL_PollEvent(nullptr) != 0)
        return true;
      const auto step = steps_.begin();
      if (step != steps_.end() && (!deadline || step->first <= *deadline)) {
        now_ = std::max(now_, step->first);
        const std::function<void()> run = std::move(step->second);
        steps_.erase(step);
        run();
        // The loop looks at the game again: the step may have pushed input or ended the run.
        return SDL_PollEvent(nullptr) != 0;
      }
      if (!deadline) {
        ADD_FAILURE() << "the loop would wait for ever at " << now_;
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
        continue;
      }
      now_ = std::max(now_, *deadline);
      return false;
    }
  }

  // Runs `step` while the loop waits, once this clock has run `time` ms from its start.
  void at(std::int64_t time, std::function<void()> step) {
    steps_.emplace(kStart + time, std::move(step));
  }
  // The clock leaps on: a stalled process, a suspended machine.
  void jump(std::int64_t ms) { now_ += ms; }

 private:
  // Not 0, as the game's own clock starts: the loop must not mix the two times up.
  static constexpr std::int64_t kStart = 1'000'000;
  std::int64_t now_ = kStart;
  std::multimap<std::int64_t, std::function<void()>> steps_;
};

// SDL's dummy video driver for the life of the object, with no display to reach.
class DummyVideo {
 public:
  DummyVideo() {
    for (const char* name : {"SDL_VIDEODRIVER", "DISPLAY", "WAYLAND_DISPLAY"}) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
  }
  ~DummyVideo() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }
  DummyVideo(const DummyVideo&) = delete;
  DummyVideo& operator=(const DummyVideo&) = delete;

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

inline SDL_Window* window_titled(const std::string& title) {
  for (Uint32 id = 1; id < 256; ++id) {
    SDL_Window* window = SDL_GetWindowFromID(id);
    if (window != nullptr && title == SDL_GetWindowTitle(window))
      return window;
  }
  return nullptr;
}

inline void push_button(SDL_Window* window, SDL_Point at, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.windowID = SDL_GetWindowID(window);
  event.button.button = SDL_BUTTON_LEFT;
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = at.x;
  event.button.y = at.y;
  SDL_PushEvent(&event);
}

// A key going down; `repeat` when a held key repeats.
inline void push_key(SDL_Window* window, SDL_Keycode key, Uint16 modifiers = KMOD_NONE,
                     bool repeat = false) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.windowID = SDL_GetWindowID(window);
  event.key.state = SDL_PRESSED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = key;
  event.key.keysym.mod = modifiers;
  SDL_PushEvent(&event);
}

inline void push_text(SDL_Window* window, const char* text) {
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  event.text.windowID = SDL_GetWindowID(window);
  std::strncpy(event.text.text, text, sizeof event.text.text - 1);
  SDL_PushEvent(&event);
}

inline void push_close(SDL_Window* window) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.windowID = SDL_GetWindowID(window);
  event.window.event = SDL_WINDOWEVENT_CLOSE;
  SDL_PushEvent(&event);
}

}  // namespace sdl_test
