#pragma once

#include <array>

// The pictures built into the program: what the game asks for them by, and the card sheet's
// grid. The generator draws to this grid, the resources library embeds what it drew, and the
// game cuts the sheet by it.

namespace resources {

// Resource numbers of the built-in pictures.
inline constexpr int kCardSheetBitmap = 101;
inline constexpr int kClubRoomBitmap = 102;
inline constexpr int kCasinoHallBitmap = 103;
inline constexpr int kLoungeBitmap = 104;
inline constexpr std::array<int, 4> kBuiltInBitmaps{kCardSheetBitmap, kClubRoomBitmap,
                                                    kCasinoHallBitmap, kLoungeBitmap};

// The card sheet: 4 rows of 18 cells, each 40 x 56 logical pixels, numbered row by row from the
// top left, with a blank margin to the right and below.
inline constexpr int kSheetRows = 4;
inline constexpr int kSheetColumns = 18;
inline constexpr int kCellWidth = 40;
inline constexpr int kCellHeight = 56;
inline constexpr int kSheetMargin = 2;
inline constexpr int kSheetWidth = kSheetColumns * kCellWidth + kSheetMargin;  // 722
inline constexpr int kSheetHeight = kSheetRows * kCellHeight + kSheetMargin;   // 226
// The cells that hold the four card backs; 1..52 hold the faces by card code.
inline constexpr std::array<int, 4> kCardBackCells{0, 53, 54, 55};
// Real pixels per logical pixel of the sheet, so cards stay sharp in a window scaled up.
inline constexpr int kSheetDensity = 2;

}  // namespace resources
