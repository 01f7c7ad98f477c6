#include "card_sheet.h"

#include "card_drawing.h"

namespace resgen {
namespace {

constexpr int kFirstFace = 1;
constexpr int kLastFace = 52;

// Colours of the four card backs and the cells that hold them.
struct BackCell {
  int cell;
  Rgb colour;
};
const BackCell kBacks[] = {
    {0, rgb8(226, 112, 150)},   // pink
    {53, rgb8(24, 132, 132)},   // teal
    {54, rgb8(70, 110, 160)},   // steel blue
    {55, rgb8(240, 160, 112)},  // peach
};

}  // namespace

Canvas draw_card_sheet(int density) {
  Canvas sheet(kSheetWidth * density, kSheetHeight * density, rgb8(255, 255, 255));
  const auto frame_of = [&](int cell) {
    const int x = (cell % kSheetColumns) * kCellWidth * density;
    const int y = (cell / kSheetColumns) * kCellHeight * density;
    const Affine place = Affine::translate(x, y).after(Affine::scale(density, density));
    return CardFrame{place, {x, y, x + kCellWidth * density, y + kCellHeight * density}};
  };
  for (int code = kFirstFace; code <= kLastFace; ++code) {
    draw_card_face(sheet, frame_of(code), code);
  }
  for (const BackCell& back : kBacks) {
    draw_card_back(sheet, frame_of(back.cell), back.colour);
  }
  return sheet;
}

}  // namespace resgen
