// The application's keyboard text: key presses, typing and pasting into text boxes, and the
// editing keys of a text box.

#include <algorithm>
#include <limits>

#include "platform/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/utf8.h"

namespace platform {

namespace {

// Control characters arrive as keys (Enter, Backspace, ...), never as text.
bool is_control_character(char32_t character) {
  return character < 32 || character == 127;
}

}  // namespace

void Application::set_drawable_characters(std::function<bool(char32_t)> can_draw) {
  can_draw_ = std::move(can_draw);
}

bool Application::can_draw(char32_t character) const {
  return !can_draw_ || can_draw_(character);
}

void Application::type_text(Form& form, std::string_view utf8) {
  if (ended_ || !form.loaded())
    return;
  drain();
  for (std::size_t at = 0; at < utf8.size();) {
    const CodePoint character = decode_utf8(utf8, at);
    at += character.length;
    if (!character.well_formed || is_control_character(character.value))
      continue;
    post(form, [this, &form, value = character.value] { type_character(form, value); });
  }
  drain();
}

void Application::type_character(Form& form, char32_t character) {
  int code_point = static_cast<int>(character);
  Control* box = deliver_key_press(form, code_point);
  // A handler may swallow the key (0) or put another character in its place.
  if (box != nullptr && code_point > 0)
    insert_text(*box, encode_utf8(static_cast<char32_t>(code_point)));
}

void Application::paste_text(Form& form, std::string_view utf8) {
  if (ended_ || !form.loaded())
    return;
  drain();
  post(form, [this, &form, utf8 = std::string(utf8)] {
    Control* owner = key_target_in(form);
    if (owner != nullptr && owner->kind() == ControlKind::TextBox)
      insert_text(*owner, utf8);
  });
  drain();
}

void Application::insert_text(Control& box, std::string_view utf8) {
  // A text box takes only well-formed characters the fonts can draw, on one line, as many as its
  // length limit leaves room for.
  std::size_t room = std::numeric_limits<std::size_t>::max();
  if (box.max_length() > 0) {
    const std::size_t held = count_code_points(box.text());
    room = held >= box.max_length() ? 0 : box.max_length() - held;
  }
  std::string taken;
  for (std::size_t at = 0; at < utf8.size() && room > 0;) {
    const CodePoint character = decode_utf8(utf8, at);
    at += character.length;
    if (character.well_formed && !is_control_character(character.value) &&
        can_draw(character.value)) {
      taken += utf8.substr(at - character.length, character.length);
      --room;
    }
  }
  if (taken.empty())
    return;
  std::string text = box.text();
  const std::size_t caret = std::min(box.caret(), text.size());
  text.insert(caret, taken);
  box.set_text(std::move(text));
  box.set_caret(caret + taken.size());
}

Control* Application::deliver_key_press(Form& form, int& code_point) {
  if (form.key_preview() && form.on_key_press)
    form.on_key_press(code_point);
  Control* owner = focus_in(form);
  if (owner == nullptr) {
    if (!form.key_preview() && form.on_key_press)
      form.on_key_press(code_point);
    return nullptr;
  }
  // A hidden or disabled owner takes no keys.
  if (owner != key_target_in(form) || owner->kind() != ControlKind::TextBox)
    return nullptr;
  if (owner->on_key_press)
    owner->on_key_press(code_point);
  return owner;
}

void Application::press_control_key(Form& form, int code_point) {
  Control* box = deliver_key_press(form, code_point);
  if (box != nullptr && code_point == kKeyBackspace)
    edit_text(*box, kKeyBackspace);
}

void Application::edit_text(Control& box, int key_code) {
  std::string text = box.text();
  std::size_t caret = std::min(box.caret(), text.size());
  switch (key_code) {
    case kKeyBackspace: {
      const std::size_t from = previous_code_point(text, caret);
      text.erase(from, caret - from);
      caret = from;
      break;
    }
    case kKeyDelete:
      text.erase(caret, next_code_point(text, caret) - caret);
      break;
    case kKeyLeft:
      caret = previous_code_point(text, caret);
      break;
    case kKeyRight:
      caret = next_code_point(text, caret);
      break;
    case kKeyHome:
      caret = 0;
      break;
    case kKeyEnd:
      caret = text.size();
      break;
    default:
      return;
  }
  box.set_text(text);
  box.set_caret(caret);
}

}  // namespace platform
