#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/bitmap.h"
#include "platform/colour.h"
#include "platform/control.h"
#include "platform/timer.h"

namespace platform {

class Application;

// A window of the program: its controls (in z-order, later ones on top), its timers and its
// handlers. Nothing here needs a display; the window backend only reads it.
class Form {
 public:
  Form(Application& app, std::string name);
  virtual ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& app() const { return app_; }
  const std::string& name() const { return name_; }

  // Building the form. Controls and timers live as long as the form.
  Control& add(ControlKind kind, std::string name, int index = -1);
  Timer& add_timer(std::string name, int interval_ms);

  Control* find(std::string_view name, int index = -1) const;
  Control& control(std::string_view name, int index = -1) const;  // throws when missing
  Timer& timer(std::string_view name) const;                      // throws when missing
  const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& timers() const { return timers_; }

  // The control a click at (x, y) lands on: the topmost visible control there. Shapes take no
  // clicks, so a click on a shape lands on what lies under it. nullptr: the form itself.
  Control* hit_test(float x, float y) const;
  // The next control in tab order that Tab may move to, after `from` (or the first one); `from`
  // may itself be hidden or disabled.
  Control* next_tab_stop(const Control* from, bool backwards = false) const;

  // Window properties.
  const std::string& caption() const { return caption_; }
  void set_caption(std::string v);
  float width() const { return width_; }  // client area, twips
  float height() const { return height_; }
  void set_client_size(float width, float height);
  Colour back_colour() const { return back_colour_; }
  void set_back_colour(Colour v);
  const std::shared_ptr<const Bitmap>& picture() const { return picture_; }
  void set_picture(std::shared_ptr<const Bitmap> v);  // drawn stretched over the client area
  bool title_bar() const { return title_bar_; }
  void set_title_bar(bool v) { title_bar_ = v; }
  bool key_preview() const { return key_preview_; }
  void set_key_preview(bool v) { key_preview_ = v; }

  // Life cycle.
  bool loaded() const { return loaded_; }
  bool visible() const { return visible_; }
  void load();  // runs on_load once, the first time
  void show();  // loads if needed, then shows
  void hide();
  void unload();  // hides, stops its timers and drops its queued events
  // The window manager's close button: on_close, or the end of the program when there is none.
  void request_close();

  std::function<void()> on_load;
  std::function<void(int key_code, int shift)> on_key_down;
  std::function<void(int& code_point)> on_key_press;
  std::function<void()> on_close;

 private:
  void changed() const;

  Application& app_;
  std::string name_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::unique_ptr<Timer>> timers_;

  std::string caption_;
  float width_ = 4800;
  float height_ = 3600;
  Colour back_colour_ = 0xC0C0C0;
  std::shared_ptr<const Bitmap> picture_;
  bool title_bar_ = true;
  bool key_preview_ = false;
  bool loaded_ = false;
  bool visible_ = false;
};

}  // namespace platform
