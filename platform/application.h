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
// monotonic clock, tests advance it by hand; both move it by the one rule of catch_up_to.
class Application {
 public:
  Application() = default;
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // Clock and timers.
  std::int64_t now() const { return now_; }
  // The clock's one rule: time jumps to `time_ms`; every timer due by then ticks once, earliest
  // first, with the queue drained before each tick, and its next tick is one interval after
  // that one. A late timer never replays the ticks it missed.
  void catch_up_to(std::int64_t time_ms);
  // A clock that runs without a stall (the tests' manual clock): stops at each due time on the
  // way to `time_ms` and catches up there, so every tick runs at its own time.
  void advance_to(std::int64_t time_ms);
  void advance_by(std::int64_t ms) { advance_to(now_ + ms); }
  std::optional<std::int64_t> next_due() const;

  // The event queue.
  void post(const Form& target, std::function<void()> event) { enqueue(target, std::move(event)); }
  void drain();  // runs queued events until none is left

  // Keyboard focus.
  Control* focus() const { return focus_; }
  void set_focus(Control& control);

  // Keyboard focus the user gave (Tab or a click), rather than the program.
  bool focus_from_user() const { return focus_from_user_; }

  // User input, as the window backend (or a test) delivers it; each runs the queue dry.
  void click(Control& control);
  void click_at(Form& form, float x, float y);
  // A key going down; `repeat` when the key is held and the keyboard repeats it.
  void key_down(Form& form, int key_code, int shift = 0, bool repeat = false);
  // Characters typed: each raises KeyPress with its code point, then goes into the focused text
  // box, up to the box's length limit. Ill-formed bytes are dropped.
  void type_text(Form& form, std::string_view utf8);
  // A paste into the focused text box: one edit, without line breaks, cut to the length limit.
  void paste_text(Form& form, std::string_view utf8);
  // Text boxes take only characters the window's fonts can draw (all of them until this is set).
  void set_drawable_characters(std::function<bool(char32_t)> can_draw);
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
  void enqueue(const Form& target, std::function<void()> event);
  void drop_events_of(const Form& form);
  // The focus owner was hidden or disabled: it keeps the focus, unseen, and raises no events.
  void focus_owner_hidden() { owner_hidden_since_got_focus_ = true; }
  void forget_focus_in(const Form& form);
  void give_focus(Control& control, bool by_user);
  // Queues GotFocus for the focus owner.
  void raise_got_focus(Control& control);
  void press_button(Form& form, Control& button);
  // The focus owner when it is a control of `form`.
  Control* focus_in(const Form& form) const;
  // The focus owner of `form` when keys reach it: a hidden or disabled owner takes none.
  Control* key_target_in(const Form& form) const;
  // Runs the key-press handlers (the form's preview, then the focused text box's) and returns the
  // text box that takes the character, if any; a handler may change or swallow (0) the key.
  Control* deliver_key_press(Form& form, int& code_point);
  void type_character(Form& form, char32_t character);
  bool can_draw(char32_t character) const;
  // Puts text in at the caret of a text box: the characters the box takes, as many as its length
  // limit leaves room for.
  void insert_text(Control& box, std::string_view utf8);
  // A key that produces a control character (Enter, Escape, Backspace), whose character code is
  // its key code.
  void press_control_key(Form& form, int code_point);
  void edit_text(Control& box, int key_code);
  Timer* earliest_due(std::int64_t limit) const;

  std::deque<Event> queue_;
  std::vector<Form*> forms_;
  std::vector<Timer*> timers_;
  Control* focus_ = nullptr;
  bool focus_from_user_ = false;
  // The owner was hidden or disabled since its last GotFocus: giving it the focus again raises
  // GotFocus again.
  bool owner_hidden_since_got_focus_ = false;
  std::int64_t now_ = 0;
  bool draining_ = false;
  bool ended_ = false;
  std::uint64_t generation_ = 0;
  std::function<bool(char32_t)> can_draw_;
  RandomSource random_;
  ResourceStore resources_;
};

}  // namespace platform
