#include "random_user.h"

#include <array>
#include <cstdlib>
#include <vector>

#include "autoplay.h"
#include "platform/keys.h"

namespace omaha::testing {

namespace {

constexpr std::array<int, 20> kKeys{platform::kKeyTab,
                                    platform::kKeyTab,
                                    platform::kKeyEnter,
                                    platform::kKeyEnter,
                                    platform::kKeySpace,
                                    platform::kKeySpace,
                                    platform::kKeyF9,
                                    platform::kKeyF10,
                                    platform::kKeyEscape,
                                    platform::kKeyDelete,
                                    platform::kKeyLeft,
                                    platform::kKeyRight,
                                    platform::kKeyHome,
                                    platform::kKeyEnd,
                                    platform::kKeyUp,
                                    platform::kKeyDown,
                                    platform::kKeyF1,
                                    platform::kKeyBackspace,
                                    'A',
                                    '7'};

constexpr std::array<const char*, 26> kAmounts{
    "",           "0",           "5",           "20",
    "35",         "100",         "1000",        "12.5",
    "0.5",        " 40 ",        "-20",         "-0",
    "abc",        "50abc",       "1e5",         "$50",
    "2147483647", "2147483648",  "99999999999", "1000000000000000000000000",
    "4294967296", "1..2",        ".",           "é9",
    "  ",         "-99999999999"};

}  // namespace

std::string RandomUser::amount_text() {
  if (below(3) > 0)
    return kAmounts[static_cast<std::size_t>(below(static_cast<int>(kAmounts.size())))];
  // Random characters: digits mostly, with letters, signs, points and blanks among them.
  static constexpr char kAlphabet[] = "0123456789012345678901234567890123456789.-+ eEx$a";
  std::string text;
  const int length = below(25);
  for (int i = 0; i < length; ++i)
    text += kAlphabet[below(static_cast<int>(sizeof kAlphabet - 1))];
  return text;
}

void RandomUser::click_something(GameHarness& h) {
  tables& t = h.table;
  std::vector<platform::Control*> showing;
  for (const auto& control : t.controls())
    if (control->visible() && (exit_allowed || control.get() != &t.Command2))
      showing.push_back(control.get());
  if (showing.empty())
    return;
  h.app.click(*showing[static_cast<std::size_t>(below(static_cast<int>(showing.size())))]);
}

void RandomUser::click_anywhere(GameHarness& h) {
  tables& t = h.table;
  const float x = float(below(static_cast<int>(t.width())));
  const float y = float(below(static_cast<int>(t.height())));
  if (exit_allowed || t.hit_test(x, y) != &t.Command2)
    h.app.click_at(t, x, y);
}

void RandomUser::press_a_key(GameHarness& h) {
  const int key = kKeys[static_cast<std::size_t>(below(static_cast<int>(kKeys.size())))];
  press(h, key, below(4) == 0 ? platform::kShift : 0);
}

void RandomUser::press(GameHarness& h, int key, int shift) {
  // Enter and Space press "Exit" only where the user put the focus on it. Where the game put
  // it there, they are pressed all the same: they must do nothing.
  const bool exit_pressable = h.app.focus() == &h.table.Command2 && h.app.focus_from_user();
  const bool presses_button = key == platform::kKeyEnter || key == platform::kKeySpace;
  if (presses_button && exit_pressable && !exit_allowed)
    key = platform::kKeyTab;  // a run that may not end yet moves on
  h.app.key_down(h.table, key, shift);
  if (h.app.ended() && !exit_pressable)
    problems_ += "key " + std::to_string(key) + " ended the run\n";
}

void RandomUser::type_an_amount(GameHarness& h) {
  tables& t = h.table;
  h.app.click(t.Text2);  // does nothing while the box is hidden
  if (below(2) == 0 && t.Text2.has_focus()) {
    press(h, platform::kKeyEnd);
    for (std::size_t i = t.Text2.text().size(); i > 0; --i)
      press(h, platform::kKeyBackspace);
  }
  // Often an amount the game may take: at least the Raise caption.
  if (below(3) == 0)
    h.app.type_text(t, std::to_string(std::atoll(t.Command6.caption().c_str()) + below(200)));
  else
    h.app.type_text(t, amount_text());
  if (below(2) == 0)
    press(h, platform::kKeyEnter);
  else
    h.app.click(t.Command11);
}

void RandomUser::act(GameHarness& h) {
  tables& t = h.table;
  // On the human's turn the panel draws most of the clicks.
  if (action_panel_up(t) && below(2) == 0) {
    const std::array<platform::Control*, 5> panel{&t.Command5, &t.Command6, &t.Command7,
                                                  &t.Command8, &t.Command11};
    h.app.click(*panel[static_cast<std::size_t>(below(static_cast<int>(panel.size())))]);
  } else {
    switch (below(10)) {
      case 0:
      case 1:
      case 2:
        click_something(h);
        break;
      case 3:
      case 4:
        press_a_key(h);
        break;
      case 5:
      case 6:
        type_an_amount(h);
        break;
      case 7:
        h.app.type_text(t, amount_text());  // wherever the focus is
        break;
      case 8:
        h.app.click(t.Command3);
        break;
      default:
        click_anywhere(h);
        break;
    }
  }
  if (exit_allowed && below(400) == 0)
    h.app.close_window(t);
  // Then a moment passes: nothing, a part of a turn, or a few turns.
  const int wait = below(4);
  if (wait > 0)
    h.app.advance_by(below(wait == 3 ? 14000 : 2500));
}

}  // namespace omaha::testing
