#include "platform/timer.h"

#include "platform/application.h"

namespace platform {

Timer::Timer(Application& app, Form& form, std::string name, int interval_ms)
    : app_(app), form_(form), name_(std::move(name)), interval_ms_(interval_ms) {
  app_.add_timer(*this);
}

Timer::~Timer() {
  app_.remove_timer(*this);
}

void Timer::set_enabled(bool on) {
  if (on == enabled_)
    return;
  if (on && app_.ended())
    return;
  enabled_ = on;
  if (on)
    due_ = app_.now() + interval_ms_;
}

}  // namespace platform
