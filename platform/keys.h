#pragma once

namespace platform {

// Key codes of key-down events, as the game's handlers read them.
enum KeyCode : int {
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyDelete = 46,
  kKeyF1 = 112,
  kKeyF9 = 120,
  kKeyF10 = 121,
};

// Shift-state bits of key-down events.
enum ShiftState : int { kShift = 1, kCtrl = 2, kAlt = 4 };

}  // namespace platform
