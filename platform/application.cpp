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

std::uint64_t Application::enqueue(const Form& target, std::function<void()> event) {
  if (ended_)
    return 0;
  queue_.push_back(Event{&target, std::move(event), ++last_event_id_});
  return last_event_id_;
}

bool Application::drop_event(std::uint64_t id) {
  const auto found =
      std::find_if(queue_.begin(), queue_.end(), [id](const Event& e) { return e.id == id; });
  if (found == queue_.end())
    return false;
  queue_.erase(found);
  return true;
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
    return;
  }
  handed_on_.reset();
  move_focus(&control, by_user, true);
}

std::uint64_t Application::move_focus(Control* to, bool by_user, bool old_loses_focus) {
  Control* old = focus_;
  focus_ = to;
  focus_from_user_ = to != nullptr && by_user;
  mark_changed();
  if (old != nullptr && old_loses_focus) {
    post(old->form(), [old] {
      if (old->on_lost_focus)
        old->on_lost_focus();
    });
  }
  if (to == nullptr)
    return 0;
  return enqueue(to->form(), [to] {
    if (to->on_got_focus)
      to->on_got_focus();
  });
}

void Application::focus_owner_unavailable(Control& control) {
  // One handler hiding several controls in a row walks the focus over them; a control it passed
  // to and hides before its GotFocus has run never really held the focus: it raises no focus
  // events at all.
  const bool never_held =
      handed_on_ && handed_on_->control == &control && drop_event(handed_on_->got_focus_event);
  handed_on_.reset();
  Control* next = control.form().next_tab_stop(&control);
  const std::uint64_t got_focus = move_focus(next, false, !never_held);
  if (next != nullptr)
    handed_on_ = HandedOnFocus{next, got_focus};
}

void Application::forget_focus_in(const Form& form) {
  if (focus_ != nullptr && &focus_->form() == &form) {
    focus_ = nullptr;
    focus_from_user_ = false;
    handed_on_.reset();
  }
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
    Control* owner = focus_in(form);
    switch (key_code) {
      case kKeyTab:
        if (Control* next = form.next_tab_stop(owner, (shift & kShift) != 0))
          give_focus(*next, true);
        return;
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
          press_control_key(form, '\r');
        return;
      case kKeyEscape:
        press_control_key(form, 27);
        return;
      case kKeyBackspace:
        press_control_key(form, 8);
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
