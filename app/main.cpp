// The program: the splash screen, then the settings screen, then the table, in real windows.

#include <malloc.h>

#include "platform/application.h"
#include "platform/sdl/sdl_backend.h"
#include "resources/embedded_bitmaps.h"
#include "resources/embedded_resources.h"
#include "screens/settings.h"
#include "screens/splash.h"
#include "table/tables.h"

int main() {
  // Pictures are large, short-lived allocations: give them their own mappings, returned to the
  // system when freed, instead of letting the heap grow round them and keep the space.
  mallopt(M_MMAP_THRESHOLD, 64 * 1024);
  mallopt(M_TRIM_THRESHOLD, 256 * 1024);

  platform::Application app;
  resources::register_embedded_bitmaps(app.resources());

  omaha::settings settings_screen(app);
  omaha::tables table(app, settings_screen);
  settings_screen.set_table_screen(table);
  omaha::frmSplash splash(app, settings_screen);
  splash.show();

  platform::sdl::SdlBackend backend({resources::font_regular(), resources::font_bold()});
  return backend.run(app);
}
