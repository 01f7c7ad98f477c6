#pragma once

#include "geometry.h"

namespace resgen {

// Card ranks are 0 (deuce) .. 12 (ace); they are written "2".."10", "J", "Q", "K", "A" in a
// bold sans style built from strokes of the given weight (line width).

// Width of the rank text when it is `height` high; squeeze < 1 narrows it.
double rank_width(int rank, double height, double weight, double squeeze = 1.0);

// Outline of the rank text with its box's top-left corner at top_left.
Path rank_outline(int rank, Vec2 top_left, double height, double weight, double squeeze = 1.0);

}  // namespace resgen
