#include "platform/application.h"

#include <algorithm>

#include "platform/control.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/timer.h"

namespace platform {

Application::~Application() = default;

// ---- clock and timers ------------------------------------------------------------------------

Timer* Application::earliest_due(std::int64_t limit) const {
  Timer* earliest = nullptr;
  for (Timer* timer : timers_) {
    if (!timer->pending() || timer->due() > limit)
      continue;
    if (earliest == nullptr || timer->due() < earliest->due())
      earliest = timer;
  }
  return earliest;
}

void Application::catch_up_to(std::int64_t time_ms) {
  drain();
  now_ = std::max(now_, time_ms);
  while (!ended_) {
    Timer* timer = earliest_due(now_);
    if (timer == nullptr)
      break;
    timer->due_ = now_ + timer->interval();
    if (timer->on_tick)
      timer->on_tick();
    drain();
  }
}

void Application::advance_to(std::int64_t time_ms) {
  drain();
  while (!ended_) {
    const std::optional<std::int64_t> due = next_due();
    if (!due || *due > time_ms)
      break;
    catch_up_to(*due);
  }
  catch_up_to(time_ms);
}

std::optional<std::int64_t> Application::next_due() const {
  std::optional<std::int64_t> next;
  for (const Timer* timer : timers_)
    if (timer->pending() && (!next || timer->due() < *next))
      next = timer->due();
  return next;
}

void Application::add_timer(Timer& timer) {
  timers_.push_back(&timer);
}

void Application::remove_timer(Timer& timer) {
  std::erase(timers_, &timer);
}

// ---- the queue -------------------------------------------------------------------------------

void Application::enqueue(const Form& target, std::function<void()> event) {
  if (!ended_)
    queue_.push_back(Event{&target, std::move(event)});
}

void Application::drain() {
  if (draining_)
    return;
  draining_ = true;
  while (!queue_.empty() && !ended_) {
    Event event = std::move(queue_.front());
    queue_.pop_front();
    event.run();
  }
  draining_ = false;
}

void Application::drop_events_of(const Form& form) {
  std::erase_if(queue_, [&](const Event& event) { return event.target == &form; });
}

void Application::End() {
  if (ended_)
    return;
  ended_ = true;
  for (Timer* timer : timers_)
    timer->enabled_ = false;
  queue_.clear();
  if (on_end)
    on_end();
}

// ---- forms -----------------------------------------------------------------------------------

void Application::add_form(Form& form) {
  forms_.push_back(&form);
}

void Application::remove_form(Form& form) {
  std::erase(forms_, &form);
}

// ---- focus -----------------------------------------------------------------------------------

void Application::set_focus(Control& control) {
  give_focus(control, false);
}

void Application::give_focus(Control& control, bool by_user) {
  if (ended_ || !control.can_take_focus() || !control.form().loaded())
    return;
  if (focus_ == &control) {
    focus_from_user_ = focus_from_user_ || by_user;
    // An owner that was hidden or disabled and is given the focus again gets it anew.
    if (owner_hidden_since_got_focus_)
      raise_got_focus(control);
    return;
  }
  Control* old = focus_;
  focus_ = &control;
  focus_from_user_ = by_user;
  mark_changed();
  if (old != nullptr) {
    post(old->form(), [old] {
      if (old->on_lost_focus)
        old->on_lost_focus();
    });
  }
  raise_got_focus(control);
}

void Application::raise_got_focus(Control& control) {
  owner_hidden_since_got_focus_ = false;
  post(control.form(), [&control] {
    if (control.on_got_focus)
      control.on_got_focus();
  });
}

void Application::forget_focus_in(const Form& form) {
  if (focus_in(form) != nullptr) {
    focus_ = nullptr;
    focus_from_user_ = false;
    owner_hidden_since_got_focus_ = false;
  }
}

Control* Application::focus_in(const Form& form) const {
  return focus_ != nullptr && &focus_->form() == &form ? focus_ : nullptr;
}

Control* Application::key_target_in(const Form& form) const {
  Control* owner = focus_in(form);
  return owner != nullptr && owner->visible() && owner->enabled() ? owner : nullptr;
}

// ---- user input ------------------------------------------------------------------------------

void Application::click(Control& control) {
  if (ended_ || !control.visible() || !control.enabled() || !control.form().loaded())
    return;
  drain();
  if (control.focus_policy() == FocusPolicy::User)
    give_focus(control, true);
  post(control.form(), [&control] {
    if (control.on_click)
      control.on_click();
  });
  drain();
}

void Application::click_at(Form& form, float x, float y) {
  if (Control* target = form.hit_test(x, y))
    click(*target);
}

void Application::key_down(Form& form, int key_code, int shift, bool repeat) {
  if (ended_ || !form.loaded())
    return;
  drain();
  post(form, [this, &form, key_code, shift, repeat] {
    if (form.key_preview() && form.on_key_down)
      form.on_key_down(key_code, shift);
    // Tab moves on from the owner's place in tab order, also from a hidden owner; other keys
    // reach only an owner that is seen.
    if (key_code == kKeyTab) {
      if (Control* next = form.next_tab_stop(focus_in(form), (shift & kShift) != 0))
        give_focus(*next, true);
      return;
    }
    Control* owner = key_target_in(form);
    switch (key_code) {
      case kKeyEnter:
      case kKeySpace:
        // A held key presses once.
        if (repeat)
          return;
        if (owner != nullptr && owner->kind() == ControlKind::Button) {
          press_button(form, *owner);
          return;
        }
        if (key_code == kKeyEnter)
          press_control_key(form, kKeyEnter);
        return;
      case kKeyEscape:
        press_control_key(form, kKeyEscape);
        return;
      case kKeyBackspace:
        press_control_key(form, kKeyBackspace);
        return;
      case kKeyDelete:
      case kKeyLeft:
      case kKeyRight:
      case kKeyHome:
      case kKeyEnd:
        if (owner != nullptr && owner->kind() == ControlKind::TextBox)
          edit_text(*owner, key_code);
        return;
      default:
        return;
    }
  });
  drain();
}

void Application::press_button(Form& form, Control& button) {
  // A button that guards against stray keys presses only where the user put the focus.
  if (button.keys_need_user_focus() && !focus_from_user_)
    return;
  post(form, [&button] {
    if (button.on_click)
      button.on_click();
  });
}

void Application::close_window(Form& form) {
  if (ended_ || !form.loaded())
    return;
  drain();
  form.request_close();
  drain();
}

}  // namespace platform
