#include "platform/sdl/key_map.h"

#include <gtest/gtest.h>

#include "platform/keys.h"

namespace platform::sdl {
namespace {

TEST(KeyMap, RangesOfLettersDigitsAndFunctionKeysEndWhereTheyShould) {
  EXPECT_EQ(key_code_of(SDLK_a), 'A');
  EXPECT_EQ(key_code_of(SDLK_z), 'Z');
  EXPECT_EQ(key_code_of(SDLK_0), '0');
  EXPECT_EQ(key_code_of(SDLK_9), '9');
  EXPECT_EQ(key_code_of(SDLK_F1), kKeyF1);
  EXPECT_EQ(key_code_of(SDLK_F10), kKeyF10);
  EXPECT_EQ(key_code_of(SDLK_F12), 123);
}

TEST(KeyMap, BothEnterKeysAndNoCodeForKeysThatTypeOrModify) {
  EXPECT_EQ(key_code_of(SDLK_RETURN), kKeyEnter);
  EXPECT_EQ(key_code_of(SDLK_KP_ENTER), kKeyEnter);
  EXPECT_EQ(key_code_of(SDLK_DELETE), kKeyDelete);
  EXPECT_EQ(key_code_of(SDLK_KP_PERIOD), 0);  // types a point; must not delete like Del
  EXPECT_EQ(key_code_of(SDLK_LSHIFT), 0);
  EXPECT_EQ(key_code_of(SDLK_CAPSLOCK), 0);
}

TEST(KeyMap, ModifiersBecomeShiftStateBits) {
  EXPECT_EQ(shift_state_of(KMOD_NONE), 0);
  EXPECT_EQ(shift_state_of(KMOD_LSHIFT), kShift);
  EXPECT_EQ(shift_state_of(KMOD_RCTRL | KMOD_RSHIFT), kShift | kCtrl);
  EXPECT_EQ(shift_state_of(KMOD_LALT | KMOD_NUM | KMOD_CAPS), kAlt);
}

}  // namespace
}  // namespace platform::sdl
