#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/random_source.h"

namespace platform {

class Control;
class Form;
class Timer;

// The event machinery every form runs on: one FIFO queue, the keyboard focus, the timers and
// the clock. An event runs to its end before the next starts; handlers never wait and never
// pump the queue. The clock is whatever time the caller feeds in: the window backend feeds a
// monotonic clock, tests advance it by hand.
class Application {
 public:
  Application() = default;
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Clock and timers.
  std::int64_t now() const { return now_; }
  // Moves the clock to `time_ms`; each timer that falls due on the way ticks in time order,
  // and the queue is drained before every tick.
  void advance_to(std::int64_t time_ms);
  void advance_by(std::int64_t ms) { advance_to(now_ + ms); }
  // For a real clock that has moved on to `time_ms`: every timer already due ticks once, and
  // its next tick is one interval from now (a slow moment never replays missed ticks).
  void catch_up_to(std::int64_t time_ms);
  std::optional<std::int64_t> next_due() const;

  // The event queue.
  void post(const Form& target, std::function<void()> event);
  void drain();  // runs queued events until none is left
  bool idle() const { return queue_.empty(); }

  // Keyboard focus.
  Control* focus() const { return focus_; }
  void set_focus(Control& control);

  // User input, as the window backend (or a test) delivers it; each runs the queue dry.
  void click(Control& control);
  void click_at(Form& form, float x, float y);
  void key_down(Form& form, int key_code, int shift = 0);
  void type_text(Form& form, std::string_view utf8);
  void close_window(Form& form);

  // Ends the program: every timer stops and the queue is dropped.
  void End();
  bool ended() const { return ended_; }
  std::function<void()> on_end;

  RandomSource& random() { return random_; }
  ResourceStore& resources() { return resources_; }

  // The forms, in creation order (the backend draws the visible ones).
  const std::vector<Form*>& forms() const { return forms_; }
  // Grows whenever something visible changes, so the backend redraws only then.
  std::uint64_t generation() const { return generation_; }
  void mark_changed() { ++generation_; }

 private:
  friend class Control;
  friend class Form;
  friend class Timer;

  struct Event {
    const Form* target;
    std::function<void()> run;
  };

  void add_form(Form& form);
  void remove_form(Form& form);
  void add_timer(Timer& timer);
  void remove_timer(Timer& timer);
  void drop_events_of(const Form& form);
  // The focus owner was hidden or disabled: the focus moves on in tab order.
  void focus_owner_unavailable(Control& control);
  void forget_focus_in(const Form& form);
  // Runs the key-press handlers (the form's preview, then the focused text box's) and returns the
  // text box that takes the character, if any; a handler may change or swallow (0) the key.
  Control* deliver_key_press(Form& form, int& key_ascii);
  // A key that produces a control character: Enter (13), Escape (27), Backspace (8).
  void press_control_key(Form& form, int key_ascii);
  void edit_text(Control& box, int key_code);
  Timer* earliest_due(std::int64_t limit) const;

  std::deque<Event> queue_;
  std::vector<Form*> forms_;
  std::vector<Timer*> timers_;
  Control* focus_ = nullptr;
  std::int64_t now_ = 0;
  bool draining_ = false;
  bool ended_ = false;
  std::uint64_t generation_ = 0;
  RandomSource random_;
  ResourceStore resources_;
};

}  // namespace platform
