#include "platform/form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/application.h"

namespace platform {

Form::Form(Application& app, std::string name) : app_(app), name_(std::move(name)) {
  app_.add_form(*this);
}

Form::~Form() {
  app_.forget_focus_in(*this);
  app_.drop_events_of(*this);
  timers_.clear();
  app_.remove_form(*this);
}

Control& Form::add(ControlKind kind, std::string name, int index) {
  controls_.push_back(std::make_unique<Control>(*this, kind, std::move(name), index));
  Control& control = *controls_.back();
  control.set_tab_index(static_cast<int>(controls_.size()));
  return control;
}

Timer& Form::add_timer(std::string name, int interval_ms) {
  timers_.push_back(std::make_unique<Timer>(app_, *this, std::move(name), interval_ms));
  return *timers_.back();
}

Control* Form::find(std::string_view name, int index) const {
  for (const auto& control : controls_)
    if (control->name() == name && control->index() == index)
      return control.get();
  return nullptr;
}

Control& Form::control(std::string_view name, int index) const {
  if (Control* found = find(name, index))
    return *found;
  throw std::out_of_range("no control " + std::string(name) + " on form " + name_);
}

Timer& Form::timer(std::string_view name) const {
  for (const auto& timer : timers_)
    if (timer->name() == name)
      return *timer;
  throw std::out_of_range("no timer " + std::string(name) + " on form " + name_);
}

Control* Form::hit_test(float x, float y) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    const Control& control = **it;
    if (control.visible() && control.kind() != ControlKind::Shape && control.contains(x, y))
      return it->get();
  }
  return nullptr;
}

Control* Form::next_tab_stop(const Control* from, bool backwards) const {
  std::vector<Control*> order;
  for (const auto& control : controls_)
    if (control->tab_stop() || control.get() == from)
      order.push_back(control.get());
  std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
    return a->tab_index() < b->tab_index();
  });
  if (order.empty())
    return nullptr;
  const auto at = std::find(order.begin(), order.end(), from);
  if (at == order.end())
    return backwards ? order.back() : order.front();
  const auto n = static_cast<std::ptrdiff_t>(order.size());
  for (std::ptrdiff_t step = 1; step < n; ++step) {
    const std::ptrdiff_t offset = backwards ? -step : step;
    Control* candidate = order[static_cast<std::size_t>(((at - order.begin()) + offset + n) % n)];
    if (candidate->tab_stop())
      return candidate;
  }
  return nullptr;
}

void Form::changed() const {
  app_.mark_changed();
}

void Form::set_caption(std::string v) {
  caption_ = std::move(v);
  changed();
}

void Form::set_client_size(float width, float height) {
  width_ = width;
  height_ = height;
  changed();
}

void Form::set_back_colour(Colour v) {
  back_colour_ = v;
  changed();
}

void Form::set_picture(std::shared_ptr<const Bitmap> v) {
  picture_ = std::move(v);
  changed();
}

void Form::load() {
  if (loaded_ || app_.ended())
    return;
  loaded_ = true;
  if (on_load)
    on_load();
}

void Form::show() {
  load();
  if (!loaded_ || visible_)
    return;
  visible_ = true;
  changed();
  // A form that is shown takes the focus to its first control, unless it holds it already.
  const Control* owner = app_.focus();
  if (owner == nullptr || &owner->form() != this)
    if (Control* first = next_tab_stop(nullptr))
      app_.set_focus(*first);
}

void Form::hide() {
  if (!visible_)
    return;
  visible_ = false;
  changed();
}

void Form::unload() {
  if (!loaded_)
    return;
  hide();
  loaded_ = false;
  for (const auto& timer : timers_)
    timer->set_enabled(false);
  app_.forget_focus_in(*this);
  app_.drop_events_of(*this);
}

void Form::request_close() {
  if (on_close) {
    on_close();
  } else {
    app_.End();
  }
}

}  // namespace platform
