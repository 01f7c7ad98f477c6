#pragma once

#include <cairo.h>

#include "canvas.h"

namespace resgen {

// Suit symbols drawn to stay apart when small: the heart's round lobes against the diamond's
// narrow points, the club's three round leaves high up against the spade's sharp tip over low
// lobes. Suit 0..3 in the order clubs, diamonds, hearts, spades.

// How tall the symbol is for its width.
double suit_symbol_height(int suit);

// Adds the symbol's outline to the context's path with the middle of its top at `top`: a heart,
// club or spade `width` wide, a diamond narrower. All its parts run the same way round, so
// they fill as one where they overlap (Cairo's default winding rule).
void trace_suit_symbol(cairo_t* cr, int suit, Vec2 top, double width);

}  // namespace resgen
