#pragma once

#include <cstdint>
#include <string>

#include "platform/application.h"
#include "screens/settings.h"
#include "table/tables.h"

namespace omaha::testing {

// The real game, headless: the settings screen and the table screen on one application whose
// clock the test advances by hand. The random source starts from a fixed seed.
struct GameHarness {
  explicit GameHarness(std::uint64_t seed = 1) {
    app.random().use_seed(seed);
    settings_screen.set_table_screen(table);
  }

  // Opens the table as "Ok" would, with the settings screen's current choices.
  void open_table() {
    settings_screen.load();
    table.load();
    app.drain();
  }

  platform::Application app;
  settings settings_screen{app};
  tables table{app, settings_screen};
};

}  // namespace omaha::testing
