#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"
#include "resources/built_in_pictures.h"

namespace omaha {

// The table-top colours offered, in the order of the swatches: green, teal, brown, navy. Green is
// the table's colour until a choice is made.
inline constexpr std::array<std::int32_t, 4> kTableTopColours{0x8000, 0xC0C000, 0x4080, 0x800000};
inline constexpr std::int32_t kDefaultTableTop = kTableTopColours[0];

// The settings screen "Welcome To Omaha Tournament": the player's name, the table-top colour,
// the card back and the room picture. It stays loaded for the whole run: the table reads the
// chosen card back at every deal.
class settings : public platform::Form {
 public:
  explicit settings(platform::Application& app);

  // The screen "Ok" opens. Set once, before the screen is shown.
  void set_table_screen(platform::Form& table_screen) { table_screen_ = &table_screen; }

  std::int16_t backside = 0;                 // card-sheet cell of the chosen card back
  std::int32_t tabletop = kDefaultTableTop;  // table-top colour

  // ---- controls, in drawing order ----
  platform::Control& Label2;                             // "Player Name"
  platform::Control& Text1;                              // the player's name
  platform::Control& Label1;                             // "Table Tops"
  platform::Control& Shape1;                             // outline round the colour swatches
  platform::Control &Shape3, &Shape6, &Shape4, &Shape5;  // swatches: green, teal, brown, navy
  platform::Control &Label7, &Label6, &Label5, &Label4;  // click areas over the swatches
  platform::Control& Label3;                             // "Cards BackGround"
  platform::Control& Shape2;                             // outline round the card backs
  platform::Control &Image5, &Image6, &Image7, &Image8;  // card backs: cells 0, 53, 54, 55
  platform::Control& Label8;                             // "Room BackGround"
  platform::Control& Shape7;                             // outline round the room choices
  platform::Control &Image4, &Image3, &Image2;           // lounge, casino hall, club room
  platform::Control& Shape8;                             // black: no room picture
  platform::Control& Label9;                             // click area over Shape8
  platform::Control& Command1;                           // "Ok"
  platform::Control& Command2;                           // "Exit"
  // The card sheet.
  platform::PictureClip PictureClip1{resources::kSheetRows, resources::kSheetColumns};

  // ---- handlers ----
  void Form_Load();
  void Label4_Click() { choose_table_top(3); }
  void Label5_Click() { choose_table_top(2); }
  void Label6_Click() { choose_table_top(1); }
  void Label7_Click() { choose_table_top(0); }
  void Image5_Click() { choose_card_back(0); }
  void Image6_Click() { choose_card_back(1); }
  void Image7_Click() { choose_card_back(2); }
  void Image8_Click() { choose_card_back(3); }
  void Image2_Click() { choose_room_picture(1); }
  void Image3_Click() { choose_room_picture(2); }
  void Image4_Click() { choose_room_picture(3); }
  void Label9_Click();
  void Command1_Click();  // "Ok"
  void Command2_Click();  // "Exit"

 private:
  using Group = std::array<platform::Control*, 4>;

  void lay_out();
  void connect_handlers();
  void choose_table_top(int choice);
  void choose_card_back(int choice);
  void choose_room_picture(int choice);
  // Single-line border on `chosen`, none on the rest of the group, in the group's order.
  static void mark(const Group& group, int chosen);

  // Each group in the order its handlers set the marks.
  Group table_tops_;    // Label7, Label6, Label5, Label4
  Group card_backs_;    // Image5, Image6, Image7, Image8
  Group room_choices_;  // Label9, Image2, Image3, Image4

  platform::Form* table_screen_ = nullptr;
  // The room picture chosen so far: held here and put on the table screen by "Ok".
  std::shared_ptr<const platform::Bitmap> room_picture_;
};

}  // namespace omaha
