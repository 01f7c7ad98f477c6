#pragma once

#include "platform/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"

namespace omaha {

class settings;

// The splash screen: the title for a moment, then the settings screen. It leaves on its
// timer, on a key that types a character or on a click of its frame, whichever comes first.
class frmSplash : public platform::Form {
 public:
  frmSplash(platform::Application& app, settings& next);

  // ---- controls, in drawing order ----
  platform::Control& Frame1;
  platform::Control& Shape5;  // the circle behind the little picture
  platform::Control &Shape1, &Shape2, &Shape3, &Shape4, &Shape6;
  platform::Control& lblProductName;  // "TARROW OMAHA"
  platform::Control& Label1;          // "Multi Table Tournament Software"
  platform::Control& lblVersion;      // "Version 1.0"
  platform::Timer& Timer1;            // 2500 ms, on from the moment the form loads

  // ---- handlers: all three leave the splash ----
  void Timer1_Timer() { leave(); }
  void Form_KeyPress(int& /*code_point*/) { leave(); }
  void Frame1_Click() { leave(); }

 private:
  // Shows the settings screen, then unloads the splash, which takes its timer with it.
  void leave();

  settings& next_;
};

}  // namespace omaha
