#pragma once

#include <filesystem>

#include "canvas.h"
#include "resources/built_in_pictures.h"

namespace resgen {

using resources::kCellHeight;
using resources::kCellWidth;

// The card sheet on the grid of resources/built_in_pictures.h, drawn at `density` real pixels per
// logical pixel. Cell 0 and 53..55 are card backs, 1..52 the faces by card code, the rest blank
// white. Ranks are set in the bold font.
Canvas draw_card_sheet(int density, const std::filesystem::path& bold_font);

// The room pictures; the middle is hidden by the table, so the detail sits around the edges.
constexpr int kRoomWidth = 1024;
constexpr int kRoomHeight = 768;
Canvas draw_club_room();    // warm wood-panelled club room with lamps
Canvas draw_casino_hall();  // dark blue hall with rows of lights
Canvas draw_lounge();       // green and brown lounge with tall windows

// Each card is drawn in card coordinates, 0..kCellWidth across and 0..kCellHeight down, into a
// context that has been placed on and clipped to the card's cell.
inline constexpr Vec2 kCardCentre{kCellWidth / 2.0, kCellHeight / 2.0};

// The white card with its thin border and rounded corners.
void draw_card_blank(cairo_t* cr);

// A face: code 1..52, rank (code - 1) / 4 from the deuce to the ace, suit (code - 1) % 4 in the
// order clubs, diamonds, hearts, spades. Ranks are set in the context's font.
void draw_card_face(cairo_t* cr, int code);

// A back in the given main colour with the round emblem in the middle.
void draw_card_back(cairo_t* cr, Rgb colour);

}  // namespace resgen
