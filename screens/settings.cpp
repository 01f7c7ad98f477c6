#include "screens/settings.h"

#include <cstddef>

#include "platform/units.h"
#include "resources/built_in_pictures.h"
#include "table/card_code.h"

namespace omaha {

namespace {

using platform::Control;
using platform::ControlKind;

// The card backs' and the rooms' choices, in the order of their group's controls.
static_assert(resources::kCardBackCells[0] == kDefaultCardBack);
// 0: no room picture.
constexpr std::array<int, 4> kRoomBitmaps{0, resources::kClubRoomBitmap,
                                          resources::kCasinoHallBitmap, resources::kLoungeBitmap};

// A card back is shown at the cell's own size.
constexpr auto kCardBackWidth =
    static_cast<float>(resources::kCellWidth * platform::kTwipsPerPixel);
constexpr auto kCardBackHeight =
    static_cast<float>(resources::kCellHeight * platform::kTwipsPerPixel);

constexpr platform::Colour kButtonFace = 0xC0C0C0;
constexpr double kFontPoints = 7.8;  // the screen's font; the name box has it in bold
// The longest name the box takes: as much as a seat's name plate shows whole.
constexpr std::size_t kNameLength = 20;

Control& caption_label(platform::Form& form, const char* name, const char* caption) {
  Control& label = form.add(ControlKind::Label, name);
  label.set_caption(caption);
  label.set_back_transparent(true);
  label.set_font(kFontPoints, false);
  return label;
}

// A transparent label without text that only takes clicks.
Control& click_area(platform::Form& form, const char* name) {
  Control& label = form.add(ControlKind::Label, name);
  label.set_back_transparent(true);
  return label;
}

Control& outline(platform::Form& form, const char* name) {
  Control& shape = form.add(ControlKind::Shape, name);
  shape.set_border_colour(0xFF);
  return shape;
}

Control& swatch(platform::Form& form, const char* name, platform::Colour colour) {
  Control& shape = form.add(ControlKind::Shape, name);
  shape.set_filled(true);
  shape.set_fill_colour(colour);
  shape.set_border_width(0);
  return shape;
}

Control& image(platform::Form& form, const char* name, bool stretch) {
  Control& picture = form.add(ControlKind::Image, name);
  picture.set_stretch(stretch);
  return picture;
}

Control& button(platform::Form& form, const char* name, const char* caption) {
  Control& command = form.add(ControlKind::Button, name);
  command.set_caption(caption);
  command.set_back_colour(kButtonFace);
  command.set_font(kFontPoints, false);
  return command;
}

}  // namespace

settings::settings(platform::Application& app)
    : Form(app, "settings"),
      Label2(caption_label(*this, "Label2", "Player Name")),
      Text1(add(ControlKind::TextBox, "Text1")),
      Label1(caption_label(*this, "Label1", "Table Tops")),
      Shape1(outline(*this, "Shape1")),
      Shape3(swatch(*this, "Shape3", kTableTopColours[0])),
      Shape6(swatch(*this, "Shape6", kTableTopColours[1])),
      Shape4(swatch(*this, "Shape4", kTableTopColours[2])),
      Shape5(swatch(*this, "Shape5", kTableTopColours[3])),
      Label7(click_area(*this, "Label7")),
      Label6(click_area(*this, "Label6")),
      Label5(click_area(*this, "Label5")),
      Label4(click_area(*this, "Label4")),
      Label3(caption_label(*this, "Label3", "Cards BackGround")),
      Shape2(outline(*this, "Shape2")),
      Image5(image(*this, "Image5", false)),
      Image6(image(*this, "Image6", false)),
      Image7(image(*this, "Image7", false)),
      Image8(image(*this, "Image8", false)),
      Label8(caption_label(*this, "Label8", "Room BackGround")),
      Shape7(outline(*this, "Shape7")),
      Image4(image(*this, "Image4", true)),
      Image3(image(*this, "Image3", true)),
      Image2(image(*this, "Image2", true)),
      Shape8(swatch(*this, "Shape8", 0x000000)),
      Label9(click_area(*this, "Label9")),
      Command1(button(*this, "Command1", "Ok")),
      Command2(button(*this, "Command2", "Exit")),
      table_tops_{&Label7, &Label6, &Label5, &Label4},
      card_backs_{&Image5, &Image6, &Image7, &Image8},
      room_choices_{&Label9, &Image2, &Image3, &Image4} {
  set_caption("Welcome To Omaha Tournament");
  set_client_size(5136, 4920);
  Text1.set_back_colour(0xC0FFFF);
  Text1.set_font(kFontPoints, true);
  Text1.set_max_length(kNameLength);
  lay_out();
  connect_handlers();
}

void settings::lay_out() {
  Label2.set_bounds(288, 264, 1440, 264);
  Text1.set_bounds(264, 492, 1980, 456);

  Label1.set_bounds(372, 1116, 852, 192);
  Shape1.set_bounds(384, 1404, 1824, 2076);
  Shape3.set_bounds(660, 1656, 516, 708);
  Shape6.set_bounds(1404, 1656, 516, 708);
  Shape4.set_bounds(672, 2556, 516, 708);
  Shape5.set_bounds(1392, 2556, 516, 708);
  // Each click area lies exactly on its swatch, so that its frame is the swatch's edge.
  const Group swatches{&Shape3, &Shape6, &Shape4, &Shape5};
  for (std::size_t k = 0; k < swatches.size(); ++k) {
    const Control& swatch = *swatches[k];
    table_tops_[k]->set_bounds(swatch.left(), swatch.top(), swatch.width(), swatch.height());
  }

  Label3.set_bounds(2952, 1104, 1368, 192);
  Shape2.set_bounds(2940, 1392, 1824, 2076);
  Image5.set_bounds(3216, 1656, kCardBackWidth, kCardBackHeight);
  Image6.set_bounds(3996, 1656, kCardBackWidth, kCardBackHeight);
  Image7.set_bounds(3204, 2580, kCardBackWidth, kCardBackHeight);
  Image8.set_bounds(3996, 2580, kCardBackWidth, kCardBackHeight);

  Label8.set_bounds(2400, 3552, 1380, 192);
  Shape7.set_bounds(2340, 3792, 2760, 1116);
  Image4.set_bounds(2448, 3852, 1032, 432);
  Image3.set_bounds(3876, 3840, 1032, 432);
  Image2.set_bounds(2448, 4416, 1032, 432);
  Shape8.set_bounds(3876, 4428, 1032, 432);
  Label9.set_bounds(3852, 4404, 1068, 468);

  Command1.set_bounds(36, 4080, 984, 564);
  Command2.set_bounds(1140, 4080, 984, 564);
}

void settings::connect_handlers() {
  on_load = [this] { Form_Load(); };
  on_close = [this] { Command2_Click(); };
  Label4.on_click = [this] { Label4_Click(); };
  Label5.on_click = [this] { Label5_Click(); };
  Label6.on_click = [this] { Label6_Click(); };
  Label7.on_click = [this] { Label7_Click(); };
  Image5.on_click = [this] { Image5_Click(); };
  Image6.on_click = [this] { Image6_Click(); };
  Image7.on_click = [this] { Image7_Click(); };
  Image8.on_click = [this] { Image8_Click(); };
  Image2.on_click = [this] { Image2_Click(); };
  Image3.on_click = [this] { Image3_Click(); };
  Image4.on_click = [this] { Image4_Click(); };
  Label9.on_click = [this] { Label9_Click(); };
  Command1.on_click = [this] { Command1_Click(); };
  Command2.on_click = [this] { Command2_Click(); };
}

namespace {
constexpr int kThumbnailReduction = 4;
}  // namespace

void settings::Form_Load() {
  backside = kDefaultCardBack;
  mark(card_backs_, 0);
  tabletop = kDefaultTableTop;
  mark(table_tops_, 0);

  auto& resources = app().resources();
  PictureClip1.set_picture(resources.bitmap(kCardSheetBitmap));
  // The rooms are only ever shown as small thumbnails here: keep reduced copies, so that only
  // the room chosen is held at full size.
  for (std::size_t k = 1; k < room_choices_.size(); ++k) {
    const auto room = resources.bitmap(kRoomBitmaps[k]);
    room_choices_[k]->set_picture(room ? room->reduced(kThumbnailReduction) : nullptr);
  }

  // Without a card sheet the card backs stay empty.
  for (std::size_t k = 0; k < card_backs_.size(); ++k)
    card_backs_[k]->set_picture(PictureClip1.cell(resources::kCardBackCells[k]));
}

void settings::choose_table_top(int choice) {
  tabletop = kTableTopColours[static_cast<std::size_t>(choice)];
  mark(table_tops_, choice);
}

void settings::choose_card_back(int choice) {
  backside = static_cast<std::int16_t>(resources::kCardBackCells[static_cast<std::size_t>(choice)]);
  mark(card_backs_, choice);
}

void settings::choose_room_picture(int choice) {
  room_picture_ = app().resources().bitmap(kRoomBitmaps[static_cast<std::size_t>(choice)]);
  mark(room_choices_, choice);
}

// "No picture" only moves the mark: a picture chosen before stays chosen.
void settings::Label9_Click() {
  mark(room_choices_, 0);
}

void settings::Command1_Click() {
  if (table_screen_ != nullptr) {
    table_screen_->show();  // loads the table first: its start-up reads this screen's choices
    if (room_picture_)
      table_screen_->set_picture(room_picture_);
  }
  hide();
}

void settings::Command2_Click() {
  unload();
  app().End();
}

void settings::mark(const Group& group, int chosen) {
  for (std::size_t k = 0; k < group.size(); ++k)
    group[k]->set_border_style(static_cast<int>(k) == chosen ? 1 : 0);
}

}  // namespace omaha
