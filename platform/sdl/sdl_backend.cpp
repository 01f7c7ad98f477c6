#include "platform/sdl/sdl_backend.h"

#include <algorithm>
#include <cstdint>
#include <iostream>
#include <map>
#include <memory>
#include <utility>

#include "platform/form.h"
#include "platform/keys.h"
#include "platform/sdl/display_check.h"
#include "platform/sdl/font_cache.h"
#include "platform/sdl/form_window.h"
#include "platform/sdl/key_map.h"
#include "platform/sdl/quit_signals.h"
#include "platform/sdl/x11_gone_windows.h"

namespace platform::sdl {

namespace {

// One run of the program's windows.
class EventLoop {
 public:
  EventLoop(Application& app, FontSet fonts, LoopClock& clock)
      : app_(app), fonts_(fonts), clock_(clock) {
    app_.set_drawable_characters([this](char32_t character) { return fonts_.draws(character); });
  }
  ~EventLoop() { app_.set_drawable_characters(nullptr); }
  EventLoop(const EventLoop&) = delete;
  EventLoop& operator=(const EventLoop&) = delete;

  // Returns false when a window could not be made.
  bool run();

 private:
  // The left button went down on a control of a form; the click counts when it comes up over the
  // same control.
  struct Press {
    Form* form = nullptr;
    Control* control = nullptr;
    bool shown_pressed = false;  // a button drawn pushed in while the mouse stays on it
  };

  // The application's time: its clock at the start plus the time passed on the loop's clock.
  std::int64_t app_time() const { return app_start_ + clock_.now() - clock_start_; }
  // Before input reaches the game its clock stands at the real time: a timer already due ticks
  // first, once, so a timer the input starts is due one interval after the input.
  bool catch_up_before_input(const FormWindow& window);
  bool sync_windows();
  void redraw();
  void wait_and_handle();
  void handle(const SDL_Event& event);
  void handle_window_event(const SDL_WindowEvent& event);
  void handle_destroyed_elsewhere(unsigned long x11_id);
  void request_close(const FormWindow& window);
  void handle_button(const SDL_MouseButtonEvent& event, bool down);
  void handle_motion(const SDL_MouseMotionEvent& event);
  void handle_key(const SDL_KeyboardEvent& event);
  FormWindow* window_of(Uint32 window_id);
  bool form_alive(const Form* form) const;

  Application& app_;
  FontCache fonts_;
  std::map<Form*, std::unique_ptr<FormWindow>> windows_;
  Press press_;
  std::uint64_t drawn_generation_ = 0;
  LoopClock& clock_;
  std::int64_t app_start_ = 0;
  std::int64_t clock_start_ = 0;
};

bool EventLoop::run() {
  app_start_ = app_.now();
  clock_start_ = clock_.now();
  drawn_generation_ = app_.generation() - 1;
  SDL_StartTextInput();
  bool ok = true;
  while (!app_.ended()) {
    if (QuitSignals::requested()) {
      app_.End();
      break;
    }
    app_.catch_up_to(app_time());
    if (app_.ended())
      break;
    if (!sync_windows()) {
      ok = false;
      break;
    }
    redraw();
    wait_and_handle();
  }
  SDL_StopTextInput();
  windows_.clear();
  return ok;
}

bool EventLoop::form_alive(const Form* form) const {
  const auto& forms = app_.forms();
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

bool EventLoop::sync_windows() {
  // A window for each visible form, none for hidden or destroyed ones.
  std::erase_if(windows_, [&](const auto& entry) {
    return !form_alive(entry.first) || !entry.first->visible();
  });
  if (press_.form != nullptr && !windows_.contains(press_.form))
    press_ = Press{};
  for (Form* form : app_.forms()) {
    if (!form->visible())
      continue;
    auto found = windows_.find(form);
    if (found == windows_.end()) {
      std::unique_ptr<FormWindow> window = FormWindow::open(*form, fonts_);
      if (!window) {
        std::cerr << "Cannot open a window: " << SDL_GetError() << '\n';
        return false;
      }
      found = windows_.emplace(form, std::move(window)).first;
    }
    found->second->follow_caption();
  }
  return true;
}

void EventLoop::redraw() {
  const bool changed = app_.generation() != drawn_generation_;
  drawn_generation_ = app_.generation();
  for (auto& [form, window] : windows_) {
    if (!changed && !window->needs_redraw)
      continue;
    const bool pressed_here = press_.form == form && press_.shown_pressed;
    window->draw(pressed_here ? press_.control : nullptr);
  }
}

void EventLoop::wait_and_handle() {
  SDL_Event event;
  std::optional<std::int64_t> deadline;
  if (const auto due = app_.next_due())
    deadline = *due - app_start_ + clock_start_;
  if (!clock_.wait_for_event(deadline))
    return;
  while (!app_.ended() && !QuitSignals::requested() && SDL_PollEvent(&event) != 0)
    handle(event);
}

bool EventLoop::catch_up_before_input(const FormWindow& window) {
  app_.catch_up_to(app_time());
  // A tick may have ended the program or taken the window's form off the screen.
  return !app_.ended() && form_alive(&window.form()) && window.form().visible();
}

FormWindow* EventLoop::window_of(Uint32 window_id) {
  for (auto& [form, window] : windows_)
    if (window->id() == window_id && form_alive(form))
      return window.get();
  return nullptr;
}

void EventLoop::handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      app_.End();
      break;
    case SDL_WINDOWEVENT:
      handle_window_event(event.window);
      break;
    case SDL_SYSWMEVENT:
      if (const unsigned long destroyed = destroyed_x11_window(event); destroyed != 0)
        handle_destroyed_elsewhere(destroyed);
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (event.button.button == SDL_BUTTON_LEFT)
        handle_button(event.button, event.type == SDL_MOUSEBUTTONDOWN);
      break;
    case SDL_MOUSEMOTION:
      handle_motion(event.motion);
      break;
    case SDL_KEYDOWN:
      handle_key(event.key);
      break;
    case SDL_TEXTINPUT:
      if (FormWindow* window = window_of(event.text.windowID);
          window != nullptr && catch_up_before_input(*window))
        app_.type_text(window->form(), event.text.text);
      break;
    default:
      break;
  }
}

void EventLoop::handle_window_event(const SDL_WindowEvent& event) {
  FormWindow* window = window_of(event.windowID);
  if (window == nullptr)
    return;
  switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE:
      request_close(*window);
      break;
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:
    case SDL_WINDOWEVENT_RESTORED:
      window->needs_redraw = true;
      break;
    default:
      break;
  }
}

void EventLoop::handle_destroyed_elsewhere(unsigned long x11_id) {
  // Our own windows are gone from the map before their destruction is reported.
  const auto found = std::find_if(windows_.begin(), windows_.end(), [&](const auto& entry) {
    return entry.second->x11_id() == x11_id && form_alive(entry.first);
  });
  if (found == windows_.end())
    return;
  // Another program destroyed the window: the form hears of it as of a click on its close
  // button. Should it stay on the screen, it gets a new window.
  Form* form = found->first;
  request_close(*found->second);
  windows_.erase(form);
}

void EventLoop::request_close(const FormWindow& window) {
  if (catch_up_before_input(window))
    app_.close_window(window.form());
}

void EventLoop::handle_button(const SDL_MouseButtonEvent& event, bool down) {
  FormWindow* window = window_of(event.windowID);
  if (window == nullptr)
    return;
  Form& form = window->form();
  const auto point = window->to_twips(event.x, event.y);
  Control* under = point ? form.hit_test(point->x, point->y) : nullptr;
  if (down) {
    press_ = Press{&form, under, false};
    if (under != nullptr && under->kind() == ControlKind::Button && under->enabled()) {
      press_.shown_pressed = true;
      window->needs_redraw = true;
    }
    return;
  }
  const Press press = std::exchange(press_, Press{});
  if (press.shown_pressed)
    window->needs_redraw = true;
  if (press.form == &form && point && under == press.control && catch_up_before_input(*window))
    app_.click_at(form, point->x, point->y);
}

void EventLoop::handle_motion(const SDL_MouseMotionEvent& event) {
  // The pressed form may have gone in a handler since the button went down.
  if (press_.control == nullptr || !form_alive(press_.form) ||
      press_.control->kind() != ControlKind::Button)
    return;
  FormWindow* window = window_of(event.windowID);
  if (window == nullptr || &window->form() != press_.form || !press_.control->enabled())
    return;
  const auto point = window->to_twips(event.x, event.y);
  const bool over = point && press_.form->hit_test(point->x, point->y) == press_.control;
  if (over != press_.shown_pressed) {
    press_.shown_pressed = over;
    window->needs_redraw = true;
  }
}

void EventLoop::handle_key(const SDL_KeyboardEvent& event) {
  FormWindow* window = window_of(event.windowID);
  if (window == nullptr)
    return;
  const int code = key_code_of(event.keysym.sym);
  const int shift = shift_state_of(event.keysym.mod);
  const bool paste = event.keysym.sym == SDLK_v && shift == kCtrl;
  if ((code == 0 && !paste) || !catch_up_before_input(*window))
    return;
  Form& form = window->form();
  if (code != 0)
    app_.key_down(form, code, shift, event.repeat != 0);
  if (paste && !app_.ended() && SDL_HasClipboardText()) {
    char* clipboard = SDL_GetClipboardText();
    if (clipboard != nullptr) {
      const std::string text(clipboard);
      SDL_free(clipboard);
      app_.paste_text(form, text);
    }
  }
}

void report_no_display() {
  std::cerr << kNoDisplayMessage << '\n';
}

}  // namespace

int SdlBackend::run(Application& app) {
  SystemClock clock;
  return run(app, clock);
}

int SdlBackend::run(Application& app, LoopClock& clock) {
  QuitSignals signals;
  pass_over_gone_window_errors();
  const DisplayEnvironment environment = current_display_environment();
  if (!display_reachable(environment)) {
    report_no_display();
    return 1;
  }
  // The software renderer keeps the OpenGL stack out of the process; it is ample here.
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "software");
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // Closing the last window is the form's business (its close handler), not an automatic quit.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  // SIGTERM and SIGINT are ours (QuitSignals): they must work while the display hangs too.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    report_no_display();
    return 1;
  }
  signals.wake_sdl(true);
  // The window system's own events show a window that another program destroyed.
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  int status = 0;
  if (!driver_visible(SDL_GetCurrentVideoDriver(), environment)) {
    report_no_display();
    status = 1;
  } else {
    EventLoop loop(app, fonts_, clock);
    status = loop.run() ? 0 : 1;
  }
  signals.wake_sdl(false);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
  forget_x11_windows();
  if (SDL_WasInit(SDL_INIT_EVERYTHING) == 0)
    SDL_Quit();
  return status;
}

}  // namespace platform::sdl
