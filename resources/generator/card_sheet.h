#pragma once

#include "raster.h"

namespace resgen {

// The card sheet: 4 rows of 18 cells, each 40 x 56 logical pixels, numbered row by row from the
// top left, drawn at `density` real pixels per logical pixel. Cell 0 and 53..55 are card backs,
// 1..52 the faces by card code, the rest blank white.
constexpr int kSheetColumns = 18;
constexpr int kSheetRows = 4;
constexpr int kCellWidth = 40;
constexpr int kCellHeight = 56;
constexpr int kSheetWidth = 722;
constexpr int kSheetHeight = 226;

Canvas draw_card_sheet(int density);

}  // namespace resgen
