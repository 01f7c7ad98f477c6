#pragma once

#include "platform/application.h"
#include "platform/form.h"

namespace omaha {

class settings;

// The splash screen: the title for a moment, then the settings screen.
class frmSplash : public platform::Form {
 public:
  frmSplash(platform::Application& app, settings& next);

 private:
  settings& next_;
};

}  // namespace omaha
