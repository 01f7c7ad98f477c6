#include "platform/sdl/x11_gone_windows.h"

#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include <mutex>
#include <set>

namespace platform::sdl {

namespace {

// Xlib may call the handler on any thread that reads from a connection.
std::mutex our_windows_mutex;
std::set<unsigned long> our_windows;
XErrorHandler replaced_handler = nullptr;

bool says_our_window_is_gone(const XErrorEvent& error) {
  if (error.error_code != BadWindow && error.error_code != BadDrawable)
    return false;
  const std::lock_guard lock(our_windows_mutex);
  return our_windows.contains(error.resourceid);
}

extern "C" int on_x_error(Display* display, XErrorEvent* error) {
  if (says_our_window_is_gone(*error))
    return 0;
  return replaced_handler(display, error);
}

}  // namespace

void pass_over_gone_window_errors() {
  static std::once_flag installed;
  // Xlib hands back its default handler when none was set, so there is always one to call.
  std::call_once(installed, [] { replaced_handler = XSetErrorHandler(on_x_error); });
}

unsigned long claim_x11_window(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11)
    return 0;
  const std::lock_guard lock(our_windows_mutex);
  our_windows.insert(info.info.x11.window);
  return info.info.x11.window;
}

void forget_x11_windows() {
  const std::lock_guard lock(our_windows_mutex);
  our_windows.clear();
}

unsigned long destroyed_x11_window(const SDL_Event& event) {
  if (event.type != SDL_SYSWMEVENT || event.syswm.msg == nullptr ||
      event.syswm.msg->subsystem != SDL_SYSWM_X11)
    return 0;
  const XEvent& x_event = event.syswm.msg->msg.x11.event;
  return x_event.type == DestroyNotify ? x_event.xdestroywindow.window : 0;
}

}  // namespace platform::sdl
