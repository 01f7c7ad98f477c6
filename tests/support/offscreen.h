#pragma once

#include <vector>

#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/sdl/font_set.h"

namespace offscreen {

using platform::Bitmap;
using platform::Control;
using platform::Form;
using platform::sdl::FontSet;

// Draws a form into memory at a scale (1 = 15 twips a pixel) and returns its pixels. Needs no
// display and no video initialisation.
Bitmap render(const Form& form, double scale, FontSet fonts);

// How the caption of a visible label or button is drawn at a scale: the exact pixel size of its
// font there (before rounding to whole pixels), the size the text is drawn at, and whether all of
// it shows in the control. Buttons are taken as having the focus, which leaves their caption the
// least room.
struct CaptionFit {
  const Control* control;
  double font_size;
  int drawn_size;
  bool whole;
};
std::vector<CaptionFit> fit_captions(const Form& form, double scale, FontSet fonts);

}  // namespace offscreen
