#include "table/tables.h"

#include <string>

#include "betting/betting.h"
#include "platform/number_text.h"
#include "table/table_layout.h"
#include "table/table_startup.h"

namespace omaha {

namespace {

using platform::ControlKind;

ControlArray control_array(tables& t, ControlKind kind, const char* name, int count) {
  ControlArray array;
  for (int i = 0; i < count; ++i)
    array.add(t.add(kind, name, i));
  return array;
}

}  // namespace

tables::tables(platform::Application& app, settings& settings_screen)
    : Form(app, "tables"),
      settings_screen(settings_screen),
      Shape13(add(ControlKind::Shape, "Shape13")),
      Shape1(add(ControlKind::Shape, "Shape1")),
      seat_plates(control_array(*this, ControlKind::Shape, "seat_plates", kSeats)),
      Shape2(add(ControlKind::Shape, "Shape2")),
      Shape3(add(ControlKind::Shape, "Shape3")),
      Shape4(add(ControlKind::Shape, "Shape4")),
      Shape5(add(ControlKind::Shape, "Shape5")),
      Shape6(add(ControlKind::Shape, "Shape6")),
      Shape7(add(ControlKind::Shape, "Shape7")),
      Shape8(add(ControlKind::Shape, "Shape8")),
      Shape9(add(ControlKind::Shape, "Shape9")),
      Shape10(add(ControlKind::Shape, "Shape10")),
      Shape11(add(ControlKind::Shape, "Shape11")),
      Picture2(add(ControlKind::PictureBox, "Picture2")),
      Picture3(add(ControlKind::PictureBox, "Picture3")),
      Picture4(add(ControlKind::PictureBox, "Picture4")),
      Picture5(add(ControlKind::PictureBox, "Picture5")),
      Picture6(add(ControlKind::PictureBox, "Picture6")),
      Picture7(add(ControlKind::PictureBox, "Picture7")),
      Picture8(add(ControlKind::PictureBox, "Picture8")),
      Picture9(add(ControlKind::PictureBox, "Picture9")),
      Picture10(add(ControlKind::PictureBox, "Picture10")),
      Picture11(add(ControlKind::PictureBox, "Picture11")),
      Label3(add(ControlKind::Label, "Label3")),
      Label4(add(ControlKind::Label, "Label4")),
      Label5(add(ControlKind::Label, "Label5")),
      Label6(add(ControlKind::Label, "Label6")),
      Label7(add(ControlKind::Label, "Label7")),
      Label8(add(ControlKind::Label, "Label8")),
      Label9(add(ControlKind::Label, "Label9")),
      Label10(add(ControlKind::Label, "Label10")),
      Label11(add(ControlKind::Label, "Label11")),
      Label12(add(ControlKind::Label, "Label12")),
      Label13(add(ControlKind::Label, "Label13")),
      Label14(add(ControlKind::Label, "Label14")),
      Label15(add(ControlKind::Label, "Label15")),
      Label16(add(ControlKind::Label, "Label16")),
      Label17(add(ControlKind::Label, "Label17")),
      Label18(add(ControlKind::Label, "Label18")),
      Label19(add(ControlKind::Label, "Label19")),
      Label20(add(ControlKind::Label, "Label20")),
      Label21(add(ControlKind::Label, "Label21")),
      Label22(add(ControlKind::Label, "Label22")),
      Image1(control_array(*this, ControlKind::Image, "Image1", kDeckSize)),
      backchips(control_array(*this, ControlKind::Shape, "backchips", kLastPotChip + 1)),
      chiplabel1(add(ControlKind::Label, "chiplabel1")),
      chiplabel2(add(ControlKind::Label, "chiplabel2")),
      chiplabel3(add(ControlKind::Label, "chiplabel3")),
      chiplabel4(add(ControlKind::Label, "chiplabel4")),
      chiplabel5(add(ControlKind::Label, "chiplabel5")),
      chiplabel6(add(ControlKind::Label, "chiplabel6")),
      chiplabel7(add(ControlKind::Label, "chiplabel7")),
      chiplabel8(add(ControlKind::Label, "chiplabel8")),
      chiplabel9(add(ControlKind::Label, "chiplabel9")),
      chiplabel10(add(ControlKind::Label, "chiplabel10")),
      potlabel(add(ControlKind::Label, "potlabel")),
      sidepotlabel(add(ControlKind::Label, "sidepotlabel")),
      Label1(add(ControlKind::Label, "Label1")),
      Label2(add(ControlKind::Label, "Label2")),
      Label23(add(ControlKind::Label, "Label23")),
      limitslabel(add(ControlKind::Label, "limitslabel")),
      limitsdisplay(add(ControlKind::Label, "limitsdisplay")),
      winnerlabel(add(ControlKind::Label, "winnerlabel")),
      Label24(add(ControlKind::Label, "Label24")),
      Shape12(add(ControlKind::Shape, "Shape12")),
      Command5(add(ControlKind::Button, "Command5")),
      Command6(add(ControlKind::Button, "Command6")),
      Command7(add(ControlKind::Button, "Command7")),
      Command8(add(ControlKind::Button, "Command8")),
      Text2(add(ControlKind::TextBox, "Text2")),
      Command11(add(ControlKind::Button, "Command11")),
      Command3(add(ControlKind::Button, "Command3")),
      Command2(add(ControlKind::Button, "Command2")),
      Command1(add(ControlKind::Button, "Command1")),
      Command4(add(ControlKind::Button, "Command4")),
      Timer1(add_timer("Timer1", kNextHandDelay)),
      roundtimer(add_timer("roundtimer", kTurnClockTick)),
      seat_lamps_{&Picture2, &Picture3, &Picture4, &Picture5,  &Picture6,
                  &Picture7, &Picture8, &Picture9, &Picture10, &Picture11},
      turn_lights_{&Shape7, &Shape6,  &Shape5,  &Shape4, &Shape3,
                   &Shape2, &Shape11, &Shape10, &Shape9, &Shape8},
      player_labels_{&Label3, &Label4, &Label5,  &Label6,  &Label7,
                     &Label8, &Label9, &Label10, &Label11, &Label12},
      prize_labels_{&Label13, &Label14, &Label15, &Label16, &Label17,
                    &Label18, &Label19, &Label20, &Label21, &Label22},
      bet_labels_{&chiplabel1, &chiplabel2, &chiplabel3, &chiplabel4, &chiplabel5,
                  &chiplabel6, &chiplabel7, &chiplabel8, &chiplabel9, &chiplabel10} {
  lay_out_table(*this);
  connect_table_handlers(*this);
  connect_betting_handlers(*this);
}

void show_prize(tables& t, int seat) {
  t.prize_label(seat).set_caption(platform::Str(std::int64_t{t.player(seat).prize}));
}

}  // namespace omaha
