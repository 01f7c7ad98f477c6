#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/sdl/font_set.h"

namespace sdl_test {

// Liberation Sans from the system's fonts, the faces the game embeds.
platform::sdl::FontSet liberation_fonts();

// A bitmap of one colour.
std::shared_ptr<const platform::Bitmap> solid_bitmap(int width, int height, int density,
                                                     platform::Colour colour);

struct PixelBox {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
};

// How many pixels of the box pass the test; the smallest box around them.
int count_pixels(const platform::Bitmap& image, PixelBox box,
                 const std::function<bool(platform::Colour)>& test);
PixelBox bounds_of(const platform::Bitmap& image, PixelBox box,
                   const std::function<bool(platform::Colour)>& test);

// Draws small hand-built forms offscreen. The form is 200 x 100 pixels at scale 1.
class OffscreenTest : public ::testing::Test {
 protected:
  OffscreenTest() {
    form.set_client_size(3000, 1500);
    form.set_back_colour(kBack);
  }

  platform::Bitmap render(double scale = 1.0) const;
  platform::Control& add(platform::ControlKind kind, float left, float top, float width,
                         float height);

  static constexpr platform::Colour kBack = 0x008000;  // the form: green
  platform::Application app;
  platform::Form form{app, "test"};
};

}  // namespace sdl_test
