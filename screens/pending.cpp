// Placeholder until the start-up screens land: removed when they are written.
#include "screens/settings.h"
#include "screens/splash.h"

namespace omaha {

settings::settings(platform::Application& app)
    : Form(app, "settings"), Text1(add(platform::ControlKind::TextBox, "Text1")) {}

frmSplash::frmSplash(platform::Application& app, settings& next)
    : Form(app, "frmSplash"), next_(next) {}

}  // namespace omaha
