#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "loop_driver.h"
#include "platform/keys.h"
#include "platform/sdl/display_check.h"
#include "platform/sdl/quit_signals.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/window_geometry.h"
#include "test_support.h"

namespace sdl_test {
namespace {

using platform::Control;
using platform::ControlKind;
using platform::sdl::SdlBackend;

// Runs the real event loop on SDL's dummy video driver, feeding it input from timer handlers
// or from the steps of a scripted clock.
class BackendLoopTest : public ::testing::Test {
 protected:
  BackendLoopTest() {
    form.set_caption("Loop");
    form.set_client_size(3000, 1500);
  }

  // Where the middle of a control is, in the window's coordinates.
  SDL_Point centre_of(SDL_Window* window, const Control& control) const {
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(window, &width, &height);
    const auto viewport = platform::sdl::fit_viewport(form.width(), form.height(), width, height);
    return SDL_Point{viewport.x + platform::sdl::twips_to_pixels(
                                      control.left() + control.width() / 2, viewport.scale),
                     viewport.y + platform::sdl::twips_to_pixels(
                                      control.top() + control.height() / 2, viewport.scale)};
  }

  DummyVideo video;
  platform::Application app;
  platform::Form form{app, "main"};
  SdlBackend backend{liberation_fonts()};
};

TEST_F(BackendLoopTest, TheRealClockSleepsUntilItsDeadlineAndTimersTickOnIt) {
  {
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
    platform::sdl::SystemClock clock;
    const std::int64_t deadline = clock.now() + 50;
    EXPECT_FALSE(clock.wait_for_event(deadline));  // no event came
    EXPECT_GE(clock.now(), deadline);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }
  form.show();
  platform::Timer& timer = form.add_timer("t", 20);
  int ticks = 0;
  timer.on_tick = [&] {
    if (++ticks == 3)
      app.End();
  };
  timer.set_enabled(true);
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(backend.run(app), 0);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_EQ(ticks, 3);
  EXPECT_GE(app.now(), 60);
  EXPECT_GE(elapsed, std::chrono::milliseconds(55));
  EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST_F(BackendLoopTest, ClicksKeysTypingPastingAndClosingReachTheForm) {
  Control& box = form.add(ControlKind::TextBox, "box");
  box.set_bounds(300, 300, 1200, 450);
  Control& button = form.add(ControlKind::Button, "go");
  button.set_bounds(1800, 300, 900, 450);
  std::vector<std::string> clicks;
  button.on_click = [&] { clicks.push_back("go"); };
  box.on_click = [&] { clicks.push_back("box"); };
  std::vector<std::pair<int, int>> keys;
  form.set_key_preview(true);
  form.on_key_down = [&](int code, int shift) { keys.emplace_back(code, shift); };
  bool closed = false;
  form.on_close = [&] {
    closed = true;
    app.End();
  };
  form.show();  // the box has the focus

  platform::Timer& input = form.add_timer("input", 10);
  input.on_tick = [&] {
    input.set_enabled(false);
    SDL_Window* window = window_titled("Loop");
    ASSERT_NE(window, nullptr);
    const SDL_Point on_button = centre_of(window, button);
    const SDL_Point on_box = centre_of(window, box);
    push_button(window, on_button, true);  // pressed on the button, let go elsewhere: no click
    push_button(window, on_box, false);
    push_text(window, "ab");
    SDL_SetClipboardText("cd");
    push_key(window, SDLK_v, KMOD_LCTRL);
    push_key(window, SDLK_F2, KMOD_LSHIFT);
    push_button(window, on_button, true);
    push_button(window, on_button, false);
    push_close(window);
  };
  input.set_enabled(true);

  EXPECT_EQ(backend.run(app), 0);
  EXPECT_EQ(box.text(), "abcd");
  EXPECT_EQ(keys,
            (std::vector<std::pair<int, int>>{{'V', platform::kCtrl}, {113, platform::kShift}}));
  EXPECT_EQ(clicks, std::vector<std::string>{"go"});
  EXPECT_TRUE(button.has_focus());
  EXPECT_TRUE(closed);
}

TEST_F(BackendLoopTest, WindowsFollowTheirFormsAndQuitEndsTheProgram) {
  platform::Form splash(app, "splash");
  splash.set_title_bar(false);
  splash.set_caption("Splash");
  splash.set_client_size(6000, 3000);
  splash.show();

  struct Seen {
    bool splash_borderless = false;
    bool main_window_early = true;
    bool splash_gone = false;
    bool main_shown = false;
    int main_width = 0;
  } seen;
  platform::Timer& steps = splash.add_timer("steps", 10);
  int step = 0;
  steps.on_tick = [&] {
    if (++step == 1) {
      SDL_Window* window = window_titled("Splash");
      ASSERT_NE(window, nullptr);
      seen.splash_borderless = (SDL_GetWindowFlags(window) & SDL_WINDOW_BORDERLESS) != 0;
      seen.main_window_early = window_titled("Loop") != nullptr;
      splash.hide();
      form.show();
      form.set_caption("Renamed");
    } else {
      seen.splash_gone = window_titled("Splash") == nullptr;
      if (SDL_Window* main = window_titled("Renamed")) {
        seen.main_shown = (SDL_GetWindowFlags(main) & SDL_WINDOW_SHOWN) != 0;
        SDL_GetWindowSize(main, &seen.main_width, nullptr);
      }
      SDL_Event quit{};
      quit.type = SDL_QUIT;
      SDL_PushEvent(&quit);
    }
  };
  steps.set_enabled(true);

  EXPECT_EQ(backend.run(app), 0);
  EXPECT_TRUE(app.ended());
  EXPECT_GE(step, 2);
  EXPECT_TRUE(seen.splash_borderless);
  EXPECT_FALSE(seen.main_window_early);
  EXPECT_TRUE(seen.splash_gone);
  EXPECT_TRUE(seen.main_shown);
  // 200 pixels wide at scale 1, opened at a quarter step of at least 1.
  EXPECT_GE(seen.main_width, 200);
  EXPECT_EQ(seen.main_width % 50, 0);
}

TEST_F(BackendLoopTest, InputMeetsTheGameAtTheRealTimeAndALateClockTicksOnce) {
  // A button starts a 2 s timer, as the table's buttons start the turn clock.
  Control& go = form.add(ControlKind::Button, "go");
  go.set_bounds(300, 300, 900, 450);
  platform::Timer& turn = form.add_timer("turn", 2000);
  go.on_click = [&] { turn.set_enabled(true); };
  std::vector<std::int64_t> ticks;
  turn.on_tick = [&] { ticks.push_back(app.now()); };
  form.show();
  app.drain();  // the button has the focus

  ScriptedClock clock;
  clock.at(30000, [] { push_key(window_titled("Loop"), SDLK_RETURN); });
  clock.at(33000, [&] { clock.jump(20000); });  // the process stalls for 20 s
  clock.at(60000, [&] { app.End(); });
  EXPECT_EQ(backend.run(app, clock), 0);
  // Due 2 s after the key, not at once; one tick for the stall, then the interval again.
  EXPECT_EQ(ticks, (std::vector<std::int64_t>{32000, 53000, 55000, 57000, 59000}));
}

TEST_F(BackendLoopTest, AHeldKeyPressesAButtonOnce) {
  Control& go = form.add(ControlKind::Button, "go");
  go.set_bounds(300, 300, 900, 450);
  int clicks = 0;
  go.on_click = [&] { ++clicks; };
  form.show();
  app.drain();
  ScriptedClock clock;
  clock.at(100, [] {
    SDL_Window* window = window_titled("Loop");
    push_key(window, SDLK_SPACE);
    for (int i = 0; i < 5; ++i)
      push_key(window, SDLK_SPACE, KMOD_NONE, true);
    push_key(window, SDLK_RETURN);
    push_key(window, SDLK_RETURN, KMOD_NONE, true);
  });
  clock.at(200, [&] { app.End(); });
  EXPECT_EQ(backend.run(app, clock), 0);
  EXPECT_EQ(clicks, 2);
}

// The signal handlers serve one watcher: a second cannot take them over while the first lives.
TEST(QuitSignalsWatcher, OneAtATime) {
  auto first = std::make_unique<platform::sdl::QuitSignals>();
  EXPECT_THROW(platform::sdl::QuitSignals second, std::logic_error);
  first.reset();
  EXPECT_NO_THROW(platform::sdl::QuitSignals again);
}

TEST_F(BackendLoopTest, TerminateAndInterruptEndTheProgram) {
  for (int signal_number : {SIGTERM, SIGINT}) {
    SCOPED_TRACE(signal_number);
    platform::Application run_app;
    platform::Form shown(run_app, "shown");
    shown.set_caption("Signals");
    shown.show();
    platform::Timer& timer = shown.add_timer("t", 10);
    int ticks = 0;
    timer.on_tick = [&] {
      if (++ticks == 2)
        std::raise(signal_number);
    };
    timer.set_enabled(true);
    ScriptedClock clock;
    EXPECT_EQ(backend.run(run_app, clock), 0);
    EXPECT_TRUE(run_app.ended());
    EXPECT_EQ(ticks, 2);
    // The loop ended the program itself: no exit is left pending for later.
    EXPECT_EQ(alarm(0), 0u);

    // Idle on the real clock, nothing due: the signal has to wake the loop sleeping in SDL. The
    // fallback exit would end this program here, in the middle of the test.
    platform::Application idle_app;
    platform::Form idle(idle_app, "idle");
    idle.show();
    std::thread sender;
    platform::Timer& once = idle.add_timer("once", 10);
    once.on_tick = [&] {
      once.set_enabled(false);
      sender = std::thread([signal_number] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        kill(getpid(), signal_number);
      });
    };
    once.set_enabled(true);
    EXPECT_EQ(backend.run(idle_app), 0);
    if (sender.joinable())
      sender.join();
    EXPECT_TRUE(idle_app.ended());
    EXPECT_EQ(alarm(0), 0u);
  }
}

TEST_F(BackendLoopTest, WithoutADisplayItSaysSoAndFails) {
  unsetenv("SDL_VIDEODRIVER");
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  form.show();
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(backend.run(app), 1);
  EXPECT_NE(::testing::internal::GetCapturedStderr().find(platform::sdl::kNoDisplayMessage),
            std::string::npos);
}

}  // namespace
}  // namespace sdl_test
