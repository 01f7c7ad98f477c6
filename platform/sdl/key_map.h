#pragma once

#include <SDL.h>

namespace platform::sdl {

// The key code a key-down event carries (see platform/keys.h): letters 'A'..'Z', digits '0'..'9',
// F1..F12 = 112..123, the editing and arrow keys; 0 for a key the game has no code for.
int key_code_of(SDL_Keycode key);

// The shift-state bits (kShift, kCtrl, kAlt) of SDL's modifier state.
int shift_state_of(Uint16 modifiers);

}  // namespace platform::sdl
