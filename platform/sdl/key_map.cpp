#include "platform/sdl/key_map.h"

#include "platform/keys.h"

namespace platform::sdl {

int key_code_of(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z)
    return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9)
    return '0' + (key - SDLK_0);
  if (key >= SDLK_F1 && key <= SDLK_F12)
    return kKeyF1 + (key - SDLK_F1);
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9)
    return 97 + (key - SDLK_KP_1);  // numeric pad
  switch (key) {
    case SDLK_KP_0:
      return 96;
    case SDLK_BACKSPACE:
      return kKeyBackspace;
    case SDLK_TAB:
      return kKeyTab;
    case SDLK_RETURN:
    case SDLK_RETURN2:
    case SDLK_KP_ENTER:
      return kKeyEnter;
    case SDLK_ESCAPE:
      return kKeyEscape;
    case SDLK_SPACE:
      return kKeySpace;
    case SDLK_PAGEUP:
      return 33;
    case SDLK_PAGEDOWN:
      return 34;
    case SDLK_END:
      return kKeyEnd;
    case SDLK_HOME:
      return kKeyHome;
    case SDLK_LEFT:
      return kKeyLeft;
    case SDLK_UP:
      return kKeyUp;
    case SDLK_RIGHT:
      return kKeyRight;
    case SDLK_DOWN:
      return kKeyDown;
    case SDLK_INSERT:
      return 45;
    case SDLK_DELETE:
      return kKeyDelete;
    default:
      return 0;
  }
}

int shift_state_of(Uint16 modifiers) {
  int state = 0;
  if (modifiers & KMOD_SHIFT)
    state |= kShift;
  if (modifiers & KMOD_CTRL)
    state |= kCtrl;
  if (modifiers & KMOD_ALT)
    state |= kAlt;
  return state;
}

}  // namespace platform::sdl
