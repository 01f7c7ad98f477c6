#pragma once

#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/sdl/font_set.h"

namespace platform::sdl {

// Draws a form into memory at a scale (1 = 15 twips a pixel) and returns its pixels. Needs no
// display and no video initialisation.
Bitmap render_offscreen(const Form& form, double scale, FontSet fonts);

}  // namespace platform::sdl
