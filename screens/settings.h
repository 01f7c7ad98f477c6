#pragma once

#include <cstdint>
#include <memory>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"

namespace omaha {

// The settings screen "Welcome To Omaha Tournament": the player's name, the table-top colour,
// the card back and the room picture. It stays loaded for the whole run: the table reads the
// chosen card back at every deal.
class settings : public platform::Form {
 public:
  explicit settings(platform::Application& app);

  // The screen "Ok" opens. Set once, before the screen is shown.
  void set_table_screen(platform::Form& table_screen) { table_screen_ = &table_screen; }

  std::int16_t backside = 0;       // card-sheet cell of the chosen card back
  std::int32_t tabletop = 0x8000;  // table-top colour

  platform::Control& Text1;  // the player's name

 private:
  platform::Form* table_screen_ = nullptr;
};

}  // namespace omaha
