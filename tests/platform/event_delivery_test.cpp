#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/form.h"
#include "platform/keys.h"

namespace {

using platform::Application;
using platform::Control;
using platform::ControlKind;
using platform::FocusPolicy;
using platform::Form;

// A form with a few buttons whose focus and click events are written into one log.
class EventLog : public ::testing::Test {
 protected:
  EventLog() {
    form.load();
    form.show();
    app.drain();
    log.clear();
  }

  Control& button(const std::string& name) {
    Control& b = form.add(ControlKind::Button, name);
    b.set_bounds(0, 0, 100, 100);
    watch(b);
    return b;
  }

  void watch(Control& c) {
    c.on_got_focus = [this, &c] { log.push_back("got " + c.name()); };
    c.on_lost_focus = [this, &c] { log.push_back("lost " + c.name()); };
    c.on_click = [this, &c] { log.push_back("click " + c.name()); };
  }

  Application app;
  Form form{app, "form"};
  std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST_F(EventLog, FocusEventsRunAfterTheHandlerInTheOrderRaised) {
  Control& a = button("a");
  Control& b = button("b");
  Control& c = button("c");
  a.SetFocus();
  app.drain();
  log.clear();

  c.on_click = [&] {
    log.push_back("click c begins");
    b.SetFocus();
    c.SetFocus();
    log.push_back("click c ends");
  };
  app.post(form, c.on_click);
  app.drain();
  EXPECT_EQ(log, (Log{"click c begins", "click c ends", "lost a", "got b", "lost b", "got c"}));
  EXPECT_EQ(app.focus(), &c);
}

TEST_F(EventLog, GivingTheFocusTwiceToOneControlRaisesOneEvent) {
  Control& a = button("a");
  app.post(form, [&] {
    a.SetFocus();
    a.SetFocus();
  });
  app.drain();
  EXPECT_EQ(log, (Log{"got a"}));
}

TEST_F(EventLog, HandlersQueueFurtherFocusEventsBehindTheOnesAlreadyQueued) {
  Control& a = button("a");
  Control& b = button("b");
  Control& c = button("c");
  a.on_got_focus = [&] {
    log.push_back("got a");
    c.SetFocus();
  };
  app.post(form, [&] {
    a.SetFocus();
    b.SetFocus();
  });
  app.drain();
  // a's handler runs after b was already given the focus: the focus moves from b to c.
  EXPECT_EQ(log, (Log{"got a", "lost a", "got b", "lost b", "got c"}));
}

TEST_F(EventLog, TimerTicksOnlyAfterEveryQueuedEvent) {
  Control& a = button("a");
  Control& b = button("b");
  platform::Timer& timer = form.add_timer("clock", 2000);
  timer.on_tick = [&] { log.push_back("tick"); };
  a.on_got_focus = [&] {
    log.push_back("got a");
    b.SetFocus();
  };
  timer.set_enabled(true);
  app.post(form, [&] { a.SetFocus(); });
  app.advance_by(2000);
  EXPECT_EQ(log, (Log{"got a", "lost a", "got b", "tick"}));
}

TEST_F(EventLog, TimerIntervalsAndCancelling) {
  platform::Timer& timer = form.add_timer("clock", 2000);
  int ticks = 0;
  timer.on_tick = [&] { ++ticks; };
  timer.set_enabled(true);
  app.advance_by(1999);
  EXPECT_EQ(ticks, 0);
  app.advance_by(1);
  EXPECT_EQ(ticks, 1);
  app.advance_by(4000);
  EXPECT_EQ(ticks, 3);

  // Enabling an enabled timer does not restart it.
  app.advance_by(1500);
  timer.set_enabled(true);
  app.advance_by(500);
  EXPECT_EQ(ticks, 4);

  // Disabling cancels the pending tick; enabling again starts a fresh interval.
  app.advance_by(1000);
  timer.set_enabled(false);
  app.advance_by(5000);
  EXPECT_EQ(ticks, 4);
  timer.set_enabled(true);
  app.advance_by(1999);
  EXPECT_EQ(ticks, 4);
  app.advance_by(1);
  EXPECT_EQ(ticks, 5);
}

TEST_F(EventLog, TimerDisabledByAnEarlierHandlerDoesNotTick) {
  platform::Timer& first = form.add_timer("first", 1000);
  platform::Timer& second = form.add_timer("second", 1000);
  int second_ticks = 0;
  first.on_tick = [&] { second.set_enabled(false); };
  second.on_tick = [&] { ++second_ticks; };
  first.set_enabled(true);
  second.set_enabled(true);
  app.advance_by(1000);
  EXPECT_EQ(second_ticks, 0);
}

TEST_F(EventLog, TheManualClockTicksAtEveryDueTimeAsItPasses) {
  platform::Timer& timer = form.add_timer("clock", 100);
  std::vector<std::int64_t> at;
  timer.on_tick = [&] { at.push_back(app.now()); };
  timer.set_enabled(true);
  app.advance_by(350);
  EXPECT_EQ(at, (std::vector<std::int64_t>{100, 200, 300}));
  EXPECT_EQ(app.now(), 350);
}

TEST_F(EventLog, AClickFocusesFirstThenClicks) {
  Control& a = button("a");
  Control& b = button("b");
  a.SetFocus();
  app.drain();
  log.clear();
  app.click(b);
  EXPECT_EQ(log, (Log{"lost a", "got b", "click b"}));
}

TEST_F(EventLog, ProgramOnlyControlsAreNotFocusedByClickOrTab) {
  Control& a = button("a");
  Control& lamp = form.add(ControlKind::PictureBox, "lamp");
  lamp.set_focus_policy(FocusPolicy::ProgramOnly);
  watch(lamp);
  Control& b = button("b");
  a.SetFocus();
  app.drain();
  log.clear();

  app.click(lamp);
  EXPECT_EQ(app.focus(), &a);
  app.key_down(form, platform::kKeyTab);
  EXPECT_EQ(app.focus(), &b);

  // The program still can.
  app.post(form, [&] { lamp.SetFocus(); });
  app.drain();
  EXPECT_EQ(app.focus(), &lamp);
}

TEST_F(EventLog, ControlsThatTakeNoFocusStillClick) {
  Control& label = form.add(ControlKind::Label, "label");
  watch(label);
  app.click(label);
  EXPECT_EQ(log, (Log{"click label"}));
  EXPECT_EQ(app.focus(), nullptr);
}

// A hidden or disabled owner keeps the focus, unseen: it raises nothing and takes no keys but Tab,
// which moves on from its place; shown again and given the focus, it gets the focus anew.
TEST_F(EventLog, AHiddenOrDisabledOwnerKeepsTheFocusUnseen) {
  Control& a = button("a");
  Control& b = button("b");
  Control& c = button("c");
  Control& box = form.add(ControlKind::TextBox, "box");
  watch(box);
  struct Case {
    const char* how;
    Control& owner;
    std::function<void()> hide;
  };
  const std::vector<Case> cases{
      {"hidden", b, [&] { b.set_visible(false); }},
      {"disabled", b, [&] { b.set_enabled(false); }},
      {"hidden twice in one handler", b,
       [&] {
         b.set_visible(false);
         b.set_enabled(false);
         b.set_visible(false);
       }},
      {"a hidden text box", box, [&] { box.set_visible(false); }},
  };
  auto restore = [&] {
    for (Control* control : {&a, &b, &c, &box}) {
      control->set_visible(true);
      control->set_enabled(true);
    }
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.how);
    auto hide_owner = [&] {
      restore();
      k.owner.SetFocus();
      app.drain();
      log.clear();
      app.post(form, k.hide);
      app.drain();
    };
    hide_owner();
    EXPECT_EQ(app.focus(), &k.owner);
    app.key_down(form, platform::kKeyEnter);
    app.key_down(form, platform::kKeySpace);
    app.type_text(form, "7");
    app.paste_text(form, "8");
    EXPECT_EQ(log, Log{});
    EXPECT_EQ(box.text(), "");

    // Tab and Shift+Tab move on from the owner's place in tab order.
    app.key_down(form, platform::kKeyTab);
    EXPECT_EQ(log, (Log{"lost " + k.owner.name(), "got " + form.next_tab_stop(&k.owner)->name()}));
    hide_owner();
    app.key_down(form, platform::kKeyTab, platform::kShift);
    EXPECT_EQ(app.focus(), form.next_tab_stop(&k.owner, true));

    // The program moves the focus away as usual.
    hide_owner();
    app.post(form, [&] { a.SetFocus(); });
    app.drain();
    EXPECT_EQ(log, (Log{"lost " + k.owner.name(), "got a"}));

    // Shown again it is the visible owner, silently; given the focus then, it gets it once more.
    hide_owner();
    restore();
    app.drain();
    EXPECT_EQ(log, Log{});
    app.post(form, [&] {
      k.owner.SetFocus();
      k.owner.SetFocus();
    });
    app.drain();
    EXPECT_EQ(log, (Log{"got " + k.owner.name()}));
    log.clear();
    app.post(form, [&] { k.owner.SetFocus(); });
    app.drain();
    EXPECT_EQ(log, Log{});
  }
}

TEST_F(EventLog, TabAndShiftTabFollowTabOrderOverAvailableControls) {
  Control& a = button("a");
  Control& b = button("b");
  Control& c = button("c");
  Control& d = button("d");
  Control& e = button("e");
  c.set_visible(false);
  e.set_enabled(false);
  a.SetFocus();
  app.drain();
  app.key_down(form, platform::kKeyTab);
  EXPECT_EQ(app.focus(), &b);
  app.key_down(form, platform::kKeyTab);
  EXPECT_EQ(app.focus(), &d);  // c is hidden
  app.key_down(form, platform::kKeyTab);
  EXPECT_EQ(app.focus(), &a);  // e is disabled; wraps round
  app.key_down(form, platform::kKeyTab, platform::kShift);
  EXPECT_EQ(app.focus(), &d);
}

TEST_F(EventLog, EnterAndSpaceClickTheFocusedButtonOncePerPress) {
  Control& a = button("a");
  a.SetFocus();
  app.drain();
  log.clear();
  app.key_down(form, platform::kKeyEnter);
  app.key_down(form, platform::kKeySpace);
  // A held key repeats: it does not press again.
  app.key_down(form, platform::kKeyEnter, 0, true);
  app.key_down(form, platform::kKeySpace, 0, true);
  EXPECT_EQ(log, (Log{"click a", "click a"}));
}

TEST_F(EventLog, AGuardedButtonTakesKeysOnlyWhereTheUserPutTheFocus) {
  Control& a = button("a");
  Control& quit = button("quit");
  quit.set_keys_need_user_focus(true);
  struct Step {
    const char* how;
    std::function<void()> focus_quit;
    bool keys_press;
  };
  const std::vector<Step> steps{
      {"program", [&] { quit.SetFocus(); }, false},
      {"program after the owner was hidden",
       [&] {
         a.set_visible(false);
         quit.SetFocus();
       },
       false},
      {"Tab from a hidden owner",
       [&] {
         a.set_visible(false);
         app.key_down(form, platform::kKeyTab);
       },
       true},
      {"Tab", [&] { app.key_down(form, platform::kKeyTab); }, true},
      {"Shift+Tab", [&] { app.key_down(form, platform::kKeyTab, platform::kShift); }, true},
      {"program after a click elsewhere",
       [&] {
         app.click(a);
         quit.SetFocus();
       },
       false},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.how);
    a.set_visible(true);
    a.SetFocus();
    app.drain();
    step.focus_quit();
    app.drain();
    ASSERT_EQ(app.focus(), &quit);
    log.clear();
    app.key_down(form, platform::kKeyEnter);
    app.key_down(form, platform::kKeySpace);
    EXPECT_EQ(log.size(), step.keys_press ? 2u : 0u);
  }
  // A click presses it wherever the focus was, and leaves the focus given by the user.
  quit.SetFocus();
  app.drain();
  log.clear();
  app.click(quit);
  app.key_down(form, platform::kKeyEnter);
  EXPECT_EQ(log, (Log{"click quit", "click quit"}));
}

TEST_F(EventLog, KeyPreviewSeesKeysBeforeTheControl) {
  Control& box = form.add(ControlKind::TextBox, "box");
  box.SetFocus();
  app.drain();
  std::vector<int> keys;
  form.set_key_preview(true);
  form.on_key_down = [&](int code, int) { keys.push_back(code); };
  app.key_down(form, platform::kKeyF10);
  app.key_down(form, platform::kKeyF9);
  EXPECT_EQ(keys, (std::vector<int>{platform::kKeyF10, platform::kKeyF9}));
}

TEST_F(EventLog, TextBoxTypingEditingAndKeyPress) {
  Control& box = form.add(ControlKind::TextBox, "box");
  std::vector<int> pressed;
  box.on_key_press = [&](int& key) {
    pressed.push_back(key);
    if (key == 'x')
      key = 0;  // a handler can swallow a key
  };
  box.SetFocus();
  app.drain();
  app.type_text(form, "12x3");
  EXPECT_EQ(box.text(), "123");
  app.key_down(form, platform::kKeyLeft);
  app.key_down(form, platform::kKeyBackspace);
  EXPECT_EQ(box.text(), "13");
  app.key_down(form, platform::kKeyHome);
  app.key_down(form, platform::kKeyDelete);
  EXPECT_EQ(box.text(), "3");
  app.key_down(form, platform::kKeyEnd);
  app.type_text(form, "5");
  EXPECT_EQ(box.text(), "35");
  app.key_down(form, platform::kKeyEnter);
  EXPECT_EQ(box.text(), "35");
  EXPECT_EQ(pressed, (std::vector<int>{'1', '2', 'x', '3', 8, '5', 13}));
}

TEST_F(EventLog, TextBoxLengthLimitPasteAndCharactersOutsideAscii) {
  Control& box = form.add(ControlKind::TextBox, "box");
  box.set_max_length(6);
  std::vector<int> pressed;
  box.on_key_press = [&](int& key) {
    pressed.push_back(key);
    if (key == 0x20AC)
      key = 0;  // the euro sign is swallowed
    if (key == 0xE8)
      key = 0xE9;  // and a grave e becomes an acute one
  };
  // Fonts that draw nothing past Cyrillic but the euro sign and U+FFFD (so a kept ill-formed
  // byte would show).
  app.set_drawable_characters([](char32_t c) { return c < 0x0530 || c == 0x20AC || c == 0xFFFD; });
  box.SetFocus();
  app.drain();
  // Characters outside ASCII arrive with their own codes and are kept as typed.
  app.type_text(form, "Jos\u00e8\u20ac");
  EXPECT_EQ(box.text(), "Jos\u00e9");
  EXPECT_EQ(pressed, (std::vector<int>{'J', 'o', 's', 0xE8, 0x20AC}));
  app.key_down(form, platform::kKeyBackspace);
  // A character the fonts cannot draw raises KeyPress but stays out of the box and takes no
  // room; an ill-formed byte is no key at all.
  app.type_text(form, "\u00e9 \U0001F0A1\u05d0\xffxyz");  // y and z do not fit
  EXPECT_EQ(box.text(), "Jos\u00e9 x");
  EXPECT_EQ(pressed.size(), 13u) << "a full box still raises KeyPress";

  // A paste is one edit at the caret, without line breaks, cut to the limit; no KeyPress.
  box.set_text("");
  pressed.clear();
  app.paste_text(form, "12\r\n34");
  app.key_down(form, platform::kKeyHome);
  app.paste_text(form, "-\u00e9-\u00e9-");
  EXPECT_EQ(box.text(), "-\u00e91234");
  EXPECT_TRUE(pressed.empty());
  // Ill-formed bytes and characters the fonts lack are dropped, not replaced, and leave their
  // room to the characters after them.
  box.set_text("");
  app.paste_text(form,
                 "a\xff\xc3"
                 "b\u05d0\u0627\U0001F600cdef");
  EXPECT_EQ(box.text(), "abcdef");
  app.set_drawable_characters(nullptr);

  // A huge paste costs one event and keeps only what fits.
  box.set_text("");
  const std::string huge(300000, '7');
  app.paste_text(form, huge);
  EXPECT_EQ(box.text(), "777777");
  box.set_max_length(0);
  box.set_text("");
  app.paste_text(form, huge);
  EXPECT_EQ(box.text(), huge);
  EXPECT_EQ(box.caret(), huge.size());
}

TEST_F(EventLog, FormWithoutFocusableControlsGetsTypedCharacters) {
  Form bare(app, "bare");
  bare.show();
  app.drain();
  std::vector<int> pressed;
  bare.on_key_press = [&](int& key) { pressed.push_back(key); };
  app.key_down(bare, platform::kKeyLeft);  // produces no character
  app.type_text(bare, "q");
  app.key_down(bare, platform::kKeyEscape);
  EXPECT_EQ(pressed, (std::vector<int>{'q', 27}));
}

TEST_F(EventLog, UnloadingAFormStopsItsTimersAndDropsItsEvents) {
  Form other(app, "other");
  other.load();
  Control& x = other.add(ControlKind::Button, "x");
  int got = 0;
  x.on_got_focus = [&] { ++got; };
  platform::Timer& timer = other.add_timer("t", 100);
  int ticks = 0;
  timer.on_tick = [&] { ++ticks; };
  timer.set_enabled(true);
  app.post(form, [&] {
    x.SetFocus();
    other.unload();
  });
  app.advance_by(1000);
  EXPECT_EQ(got, 0);
  EXPECT_EQ(ticks, 0);
}

TEST_F(EventLog, EndingTheProgramStopsEverything) {
  Control& a = button("a");
  platform::Timer& timer = form.add_timer("t", 100);
  int ticks = 0;
  bool ended = false;
  app.on_end = [&] { ended = true; };
  timer.on_tick = [&] { ++ticks; };
  timer.set_enabled(true);
  app.post(form, [&] {
    a.SetFocus();
    app.End();
  });
  app.advance_by(1000);
  EXPECT_TRUE(ended);
  EXPECT_EQ(ticks, 0);
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(app.next_due().has_value());
}

TEST_F(EventLog, ClicksLandOnTheTopmostControlButNeverOnShapes) {
  Control& under = form.add(ControlKind::Label, "under");
  under.set_bounds(0, 0, 1000, 1000);
  Control& over = form.add(ControlKind::Label, "over");
  over.set_bounds(500, 500, 1000, 1000);
  Control& shape = form.add(ControlKind::Shape, "shape");
  shape.set_bounds(0, 0, 2000, 2000);
  EXPECT_EQ(form.hit_test(100, 100), &under);
  EXPECT_EQ(form.hit_test(600, 600), &over);
  over.set_visible(false);
  EXPECT_EQ(form.hit_test(600, 600), &under);
  EXPECT_EQ(form.hit_test(1500, 1500), nullptr);
}

TEST_F(EventLog, ChangesThatShowBumpTheGeneration) {
  Control& a = button("a");
  const auto before = app.generation();
  a.set_caption("Call");
  EXPECT_GT(app.generation(), before);
  const auto after = app.generation();
  a.set_caption("Call");  // no change, no redraw
  EXPECT_EQ(app.generation(), after);
}

}  // namespace
