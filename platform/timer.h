#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

class Application;
class Form;

// A timer of a form. A tick is due one interval after the timer was enabled or last ticked;
// ticks are delivered only while the event queue is empty, and never as a backlog.
class Timer {
 public:
  Timer(Application& app, Form& form, std::string name, int interval_ms);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  Form& form() const { return form_; }

  bool enabled() const { return enabled_; }
  // Enabling a disabled timer starts its interval; enabling an enabled one changes nothing.
  // Disabling cancels the pending tick.
  void set_enabled(bool on);
  int interval() const { return interval_ms_; }
  // When the next tick is due, in application milliseconds (meaningful while enabled).
  std::int64_t due() const { return due_; }
  bool pending() const { return enabled_ && interval_ms_ > 0; }

  std::function<void()> on_tick;

 private:
  friend class Application;

  Application& app_;
  Form& form_;
  std::string name_;
  const int interval_ms_;
  bool enabled_ = false;
  std::int64_t due_ = 0;
};

}  // namespace platform
