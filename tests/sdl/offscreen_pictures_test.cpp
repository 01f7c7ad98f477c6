#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/sdl/font_cache.h"
#include "platform/sdl/form_renderer.h"
#include "platform/sdl/sdl_handles.h"
#include "test_support.h"

namespace sdl_test {
namespace {

using platform::Colour;
using platform::ControlKind;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;

// Left half red, right half blue.
std::shared_ptr<const platform::Bitmap> halves(int width, int height, int density) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Colour c = x < width / 2 ? kRed : kBlue;
      rgb.insert(rgb.end(), {platform::red_of(c), platform::green_of(c), platform::blue_of(c)});
    }
  }
  return std::make_shared<const platform::Bitmap>(width, height, density, std::move(rgb));
}

// Black with a white column every 8 pixels.
std::shared_ptr<const platform::Bitmap> thin_stripes(int size) {
  std::vector<std::uint8_t> rgb;
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      rgb.insert(rgb.end(), 3, x % 8 == 0 ? 255 : 0);
  return std::make_shared<const platform::Bitmap>(size, size, 1, std::move(rgb));
}

using PictureTest = OffscreenTest;

TEST_F(PictureTest, StretchedImageFillsItsBox) {
  platform::Control& image = add(ControlKind::Image, 150, 150, 1800, 900);  // 120 x 60 at (10, 10)
  image.set_picture(halves(4, 2, 1));
  image.set_stretch(true);
  const platform::Bitmap shot = render();
  // Away from the middle, where smooth scaling may mix the halves.
  EXPECT_EQ(shot.pixel(10, 10), kRed);
  EXPECT_EQ(shot.pixel(50, 69), kRed);
  EXPECT_EQ(shot.pixel(90, 10), kBlue);
  EXPECT_EQ(shot.pixel(129, 69), kBlue);
  EXPECT_EQ(shot.pixel(130, 40), kBack);
  EXPECT_EQ(shot.pixel(60, 70), kBack);
}

TEST_F(PictureTest, UnstretchedImageKeepsItsLogicalSizeAtEveryScale) {
  platform::Control& image = add(ControlKind::Image, 150, 150, 1800, 900);
  image.set_picture(halves(60, 36, 3));  // logical 20 x 12
  auto drawn = [](Colour c) { return c != kBack; };

  const platform::Bitmap one = render(1.0);
  const PixelBox at_one = bounds_of(one, {0, 0, 200, 100}, drawn);
  EXPECT_EQ(at_one.left, 10);
  EXPECT_EQ(at_one.top, 10);
  EXPECT_EQ(at_one.right, 30);
  EXPECT_EQ(at_one.bottom, 22);
  EXPECT_EQ(one.pixel(12, 15), kRed);
  EXPECT_EQ(one.pixel(28, 15), kBlue);

  const platform::Bitmap two = render(2.0);
  const PixelBox at_two = bounds_of(two, {0, 0, 400, 200}, drawn);
  EXPECT_EQ(at_two.right - at_two.left, 40);
  EXPECT_EQ(at_two.bottom - at_two.top, 24);
}

TEST_F(PictureTest, PictureDrawnSmallIsAveragedNotSampled) {
  platform::Control& image = add(ControlKind::Image, 150, 150, 150, 150);  // 10 x 10 pixels
  image.set_picture(thin_stripes(80));
  image.set_stretch(true);
  const platform::Bitmap shot = render();
  // Each pixel stands for 8 x 8 source pixels, one column of them white: an eighth of full
  // brightness. Sampling one or two source pixels would give black or white instead.
  for (int y = 10; y < 20; ++y) {
    for (int x = 10; x < 20; ++x) {
      EXPECT_NEAR(platform::red_of(shot.pixel(x, y)), 32, 2) << x << "," << y;
    }
  }
}

TEST_F(PictureTest, FormPictureCoversTheClientAreaUnderTheControls) {
  form.set_picture(halves(8, 8, 1));
  add(ControlKind::Label, 1500, 750, 300, 300).set_back_colour(0x00FFFF);  // 20 x 20 at (100, 50)
  const platform::Bitmap shot = render();
  EXPECT_EQ(shot.pixel(0, 0), kRed);
  EXPECT_EQ(shot.pixel(50, 99), kRed);
  EXPECT_EQ(shot.pixel(199, 0), kBlue);
  EXPECT_EQ(shot.pixel(199, 99), kBlue);
  EXPECT_EQ(shot.pixel(110, 60), Colour{0x00FFFF});
}

TEST_F(PictureTest, PictureBoxDrawsItsBackAndSunkenBorder) {
  platform::Control& box = add(ControlKind::PictureBox, 150, 150, 900, 900);  // 60 x 60
  box.set_back_colour(kBlue);
  box.set_border_style(1);
  const platform::Bitmap shot = render();
  EXPECT_EQ(shot.pixel(40, 40), kBlue);
  EXPECT_EQ(shot.pixel(10, 40), Colour{0x808080});  // shadow on the left
  EXPECT_EQ(shot.pixel(69, 40), Colour{0xFFFFFF});  // light on the right
}

// Draws straight through a form renderer, to watch its textures.
class TextureCacheTest : public OffscreenTest {
 protected:
  TextureCacheTest()
      : surface(SDL_CreateRGBSurfaceWithFormat(0, 200, 100, 32, SDL_PIXELFORMAT_RGB888)),
        renderer(SDL_CreateSoftwareRenderer(surface.get())),
        fonts(liberation_fonts()),
        form_renderer(renderer.get(), fonts) {}

  platform::sdl::SurfaceHandle surface;
  platform::sdl::RendererHandle renderer;
  platform::sdl::FontCache fonts;
  platform::sdl::FormRenderer form_renderer;
};

TEST_F(TextureCacheTest, TexturesOfPicturesNoLongerShownAreDropped) {
  platform::Control& first = add(ControlKind::Image, 0, 0, 300, 300);
  platform::Control& second = add(ControlKind::Image, 600, 0, 300, 300);
  auto shared = solid_bitmap(20, 20, 1, kRed);
  first.set_picture(shared);
  second.set_picture(shared);
  form_renderer.draw(form);
  EXPECT_EQ(form_renderer.cached_textures(), 1u);  // one bitmap, one size: one texture

  second.set_picture(solid_bitmap(20, 20, 1, kBlue));
  form_renderer.draw(form);
  EXPECT_EQ(form_renderer.cached_textures(), 2u);

  first.set_visible(false);
  second.set_picture(nullptr);
  form_renderer.draw(form);
  EXPECT_EQ(form_renderer.cached_textures(), 0u);
}

}  // namespace
}  // namespace sdl_test
