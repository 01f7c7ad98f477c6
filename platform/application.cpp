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

void Application::advance_to(std::int64_t time_ms) {
  drain();
  while (!ended_) {
    Timer* timer = earliest_due(time_ms);
    if (timer == nullptr)
      break;
    now_ = std::max(now_, timer->due());
    // The next tick is one interval from now: a late tick is delivered once, not as a backlog.
    timer->due_ = now_ + timer->interval();
    if (timer->on_tick)
      timer->on_tick();
    drain();
  }
  now_ = std::max(now_, time_ms);
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

void Application::post(const Form& target, std::function<void()> event) {
  if (ended_)
    return;
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
  if (focus_ == &control || ended_ || !control.can_take_focus() || !control.form().loaded())
    return;
  Control* old = focus_;
  focus_ = &control;
  mark_changed();
  if (old != nullptr) {
    post(old->form(), [old] {
      if (old->on_lost_focus)
        old->on_lost_focus();
    });
  }
  post(control.form(), [&control] {
    if (control.on_got_focus)
      control.on_got_focus();
  });
}

void Application::focus_owner_unavailable(Control& control) {
  if (Control* next = control.form().next_tab_stop(&control)) {
    set_focus(*next);
    return;
  }
  focus_ = nullptr;
  mark_changed();
  post(control.form(), [&control] {
    if (control.on_lost_focus)
      control.on_lost_focus();
  });
}

void Application::forget_focus_in(const Form& form) {
  if (focus_ != nullptr && &focus_->form() == &form)
    focus_ = nullptr;
}

// ---- user input ------------------------------------------------------------------------------

void Application::click(Control& control) {
  if (ended_ || !control.visible() || !control.enabled() || !control.form().loaded())
    return;
  drain();
  if (control.focus_policy() == FocusPolicy::User)
    set_focus(control);
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

void Application::key_down(Form& form, int key_code, int shift) {
  if (ended_ || !form.loaded())
    return;
  drain();
  post(form, [this, &form, key_code, shift] {
    if (form.key_preview() && form.on_key_down)
      form.on_key_down(key_code, shift);
    Control* owner = (focus_ != nullptr && &focus_->form() == &form) ? focus_ : nullptr;
    switch (key_code) {
      case kKeyTab:
        if (Control* next = form.next_tab_stop(owner, (shift & kShift) != 0))
          set_focus(*next);
        return;
      case kKeyEnter:
      case kKeySpace:
        if (owner != nullptr && owner->kind() == ControlKind::Button) {
          post(form, [owner] {
            if (owner->on_click)
              owner->on_click();
          });
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

void Application::type_text(Form& form, std::string_view utf8) {
  if (ended_ || !form.loaded())
    return;
  drain();
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    // One code point at a time: its first byte, then its continuation bytes.
    std::size_t end = pos + 1;
    while (end < utf8.size() && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80)
      ++end;
    const std::string piece(utf8.substr(pos, end - pos));
    pos = end;
    const unsigned char first = static_cast<unsigned char>(piece[0]);
    if (first < 32 || first == 127)
      continue;  // control characters arrive as keys
    post(form, [this, &form, piece, first] {
      int key_ascii = first < 128 ? first : 0x3F;  // '?' stands for a character outside ASCII
      Control* box = deliver_key_press(form, key_ascii);
      if (box == nullptr || key_ascii == 0)
        return;
      std::string text = box->text();
      const std::size_t caret = box->caret();
      const std::string inserted = key_ascii == first ? piece : std::string(1, char(key_ascii));
      text.insert(caret, inserted);
      box->set_text(text);
      box->set_caret(caret + inserted.size());
    });
  }
  drain();
}

Control* Application::deliver_key_press(Form& form, int& key_ascii) {
  if (form.key_preview() && form.on_key_press)
    form.on_key_press(key_ascii);
  Control* owner = (focus_ != nullptr && &focus_->form() == &form) ? focus_ : nullptr;
  if (owner == nullptr) {
    if (!form.key_preview() && form.on_key_press)
      form.on_key_press(key_ascii);
    return nullptr;
  }
  if (owner->kind() != ControlKind::TextBox)
    return nullptr;
  if (owner->on_key_press)
    owner->on_key_press(key_ascii);
  return owner;
}

void Application::press_control_key(Form& form, int key_ascii) {
  Control* box = deliver_key_press(form, key_ascii);
  if (box != nullptr && key_ascii == 8)
    edit_text(*box, kKeyBackspace);
}

void Application::edit_text(Control& box, int key_code) {
  std::string text = box.text();
  std::size_t caret = std::min(box.caret(), text.size());
  auto is_continuation = [&](std::size_t i) {
    return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
  };
  auto previous = [&](std::size_t i) {
    if (i == 0)
      return i;
    do
      --i;
    while (i > 0 && is_continuation(i));
    return i;
  };
  auto following = [&](std::size_t i) {
    if (i >= text.size())
      return text.size();
    do
      ++i;
    while (is_continuation(i));
    return i;
  };
  switch (key_code) {
    case kKeyBackspace: {
      const std::size_t from = previous(caret);
      text.erase(from, caret - from);
      caret = from;
      break;
    }
    case kKeyDelete:
      text.erase(caret, following(caret) - caret);
      break;
    case kKeyLeft:
      caret = previous(caret);
      break;
    case kKeyRight:
      caret = following(caret);
      break;
    case kKeyHome:
      caret = 0;
      break;
    case kKeyEnd:
      caret = text.size();
      break;
    default:
      return;
  }
  box.set_text(text);
  box.set_caret(caret);
}

void Application::close_window(Form& form) {
  if (ended_ || !form.loaded())
    return;
  drain();
  form.request_close();
  drain();
}

}  // namespace platform
