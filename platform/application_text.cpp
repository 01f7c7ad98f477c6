// The application's keyboard text: key presses, typing and pasting into text boxes, and the
// editing keys of a text box.

#include <algorithm>

#include "platform/application.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/keys.h"
#include "platform/utf8.h"

namespace platform {

void Application::type_text(Form& form, std::string_view utf8) {
  if (ended_ || !form.loaded())
    return;
  drain();
  for (std::size_t at = 0; at < utf8.size();) {
    const CodePoint character = decode_utf8(utf8, at);
    at += character.length;
    if (character.value < 32 || character.value == 127)
      continue;  // control characters arrive as keys
    post(form, [this, &form, value = character.value] { type_character(form, value); });
  }
  drain();
}

void Application::type_character(Form& form, char32_t character) {
  int key_ascii = static_cast<int>(character);
  Control* box = deliver_key_press(form, key_ascii);
  // A handler may swallow the key (0) or put another character in its place.
  if (box != nullptr && key_ascii >= 32 && key_ascii != 127)
    insert_text(*box, encode_utf8(static_cast<char32_t>(key_ascii)));
}

void Application::paste_text(Form& form, std::string_view utf8) {
  if (ended_ || !form.loaded())
    return;
  drain();
  post(form, [this, &form, utf8 = std::string(utf8)] {
    Control* owner = (focus_ != nullptr && &focus_->form() == &form) ? focus_ : nullptr;
    if (owner == nullptr || owner->kind() != ControlKind::TextBox)
      return;
    // One line of text: line breaks and other control characters are left out.
    std::string line;
    const std::size_t room = owner->max_length() == 0 ? utf8.size() : owner->max_length();
    for (std::size_t at = 0, taken = 0; at < utf8.size() && taken < room;) {
      const CodePoint character = decode_utf8(utf8, at);
      if (character.value >= 32 && character.value != 127) {
        line += encode_utf8(character.value);
        ++taken;
      }
      at += character.length;
    }
    insert_text(*owner, line);
  });
  drain();
}

void Application::insert_text(Control& box, std::string_view utf8) {
  std::string text = box.text();
  const std::size_t caret = std::min(box.caret(), text.size());
  std::size_t fits = utf8.size();
  if (box.max_length() > 0) {
    const std::size_t held = count_code_points(text);
    const std::size_t room = held >= box.max_length() ? 0 : box.max_length() - held;
    fits = offset_of_code_point(utf8, room);
  }
  if (fits == 0)
    return;
  text.insert(caret, utf8.substr(0, fits));
  box.set_text(std::move(text));
  box.set_caret(caret + fits);
}

Control* Application::deliver_key_press(Form& form, int& key_ascii) {
  if (form.key_preview() && form.on_key_press)
    form.on_key_press(key_ascii);
  Control* owner = (focus_ != nullptr && &focus_->form() == &form) ? focus_ : nullptr;
  if (owner == nullptr) {
    if (!form.key_preview() && form.on_key_press)
      form.on_key_press(key_ascii);
    return nullptr;
  }
  if (owner->kind() != ControlKind::TextBox)
    return nullptr;
  if (owner->on_key_press)
    owner->on_key_press(key_ascii);
  return owner;
}

void Application::press_control_key(Form& form, int key_ascii) {
  Control* box = deliver_key_press(form, key_ascii);
  if (box != nullptr && key_ascii == 8)
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
