#pragma once

#include "raster.h"

namespace resgen {

// Where one card goes on the sheet: logical card coordinates (0..40 x 0..56) map to canvas
// pixels through `place`; nothing outside `clip` is touched.
struct CardFrame {
  Affine place;
  PixelRect clip;
};

// Fills the path, given in card coordinates, into the card's cell.
void fill_on_card(Canvas& canvas, const CardFrame& frame, const Path& path, const Paint& paint,
                  double opacity = 1.0);

// The white card with its thin border and rounded corners (felt colour shows at the corners).
void draw_card_blank(Canvas& canvas, const CardFrame& frame);

// A face: code 1..52, rank (code - 1) / 4, suit (code - 1) % 4.
void draw_card_face(Canvas& canvas, const CardFrame& frame, int code);

// A back in the given main colour with the round emblem in the middle.
void draw_card_back(Canvas& canvas, const CardFrame& frame, Rgb colour);

}  // namespace resgen
