#pragma once

#include "canvas.h"

namespace resgen {

constexpr int kRoomWidth = 1024;
constexpr int kRoomHeight = 768;

// Card-room backgrounds; the middle is hidden by the table, so the detail sits around the edges.
Canvas draw_club_room();    // warm wood-panelled club room with lamps
Canvas draw_casino_hall();  // dark blue hall with rows of lights
Canvas draw_lounge();       // green and brown lounge with tall windows

}  // namespace resgen
