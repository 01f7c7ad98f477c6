#include <gtest/gtest.h>

#include "test_support.h"

namespace sdl_test {
namespace {

using platform::ControlKind;
using platform::ShapeKind;

constexpr platform::Colour kRed = 0x0000FF;
constexpr platform::Colour kBlue = 0xFF0000;
constexpr platform::Colour kYellow = 0x00FFFF;

class ShapeTest : public OffscreenTest {
 protected:
  // A filled shape with a red outline 2 pixels wide.
  platform::Control& shape(ShapeKind kind, float left, float top, float width, float height,
                           platform::Colour fill) {
    platform::Control& s = add(ControlKind::Shape, left, top, width, height);
    s.set_shape(kind);
    s.set_filled(true);
    s.set_fill_colour(fill);
    s.set_border_colour(kRed);
    s.set_border_width(2);
    return s;
  }
};

TEST_F(ShapeTest, FilledOvalHasItsFillInsideOutlineOnTheEdgeAndFormOutside) {
  shape(ShapeKind::Oval, 150, 150, 1500, 900, kYellow);  // pixels 10..110 x 10..70
  const platform::Bitmap image = render();
  EXPECT_EQ(image.pixel(60, 40), kYellow);
  EXPECT_EQ(image.pixel(11, 11), kBack);  // the box's corner lies outside the oval
  EXPECT_EQ(image.pixel(108, 68), kBack);
  EXPECT_EQ(image.pixel(60, 10), kRed);     // top of the outline
  EXPECT_EQ(image.pixel(10, 40), kRed);     // left end
  EXPECT_EQ(image.pixel(60, 13), kYellow);  // just inside the 2-pixel outline
  EXPECT_EQ(image.pixel(9, 40), kBack);
}

TEST_F(ShapeTest, CircleTakesTheShorterSideAndSitsInTheMiddle) {
  shape(ShapeKind::Circle, 150, 150, 2400, 900, kYellow);  // box 160 x 60 at (10, 10)
  const platform::Bitmap image = render();
  EXPECT_EQ(image.pixel(90, 40), kYellow);  // centre of the box
  EXPECT_EQ(image.pixel(30, 40), kBack);    // inside the box, left of the circle
  EXPECT_EQ(image.pixel(150, 40), kBack);
  EXPECT_EQ(image.pixel(90, 10), kRed);  // top of a circle of diameter 60
  EXPECT_EQ(image.pixel(61, 40), kRed);  // its left end at 90 - 30
  EXPECT_EQ(image.pixel(118, 40), kRed);
  EXPECT_EQ(image.pixel(122, 40), kBack);
}

TEST_F(ShapeTest, UnfilledShapesShowWhatIsBehindThemAndRoundedCornersStayOpen) {
  platform::Control& under = add(ControlKind::Label, 0, 0, 3000, 1500);
  under.set_back_colour(kBlue);
  platform::Control& ring = shape(ShapeKind::Oval, 150, 150, 1500, 900, kYellow);
  ring.set_filled(false);
  shape(ShapeKind::RoundedRectangle, 1800, 150, 900, 900, kYellow);  // 60 x 60 at (120, 10)
  const platform::Bitmap image = render();
  EXPECT_EQ(image.pixel(60, 40), kBlue);
  EXPECT_EQ(image.pixel(60, 10), kRed);
  EXPECT_EQ(image.pixel(120, 10), kBlue);  // rounded corner: not drawn
  EXPECT_EQ(image.pixel(150, 10), kRed);   // middle of the top edge: outline
  EXPECT_EQ(image.pixel(150, 40), kYellow);
}

TEST_F(ShapeTest, ShapesAreAntiAliasedAlongCurves) {
  shape(ShapeKind::Circle, 150, 150, 900, 900, kYellow);
  const platform::Bitmap image = render();
  // Along the curve some pixels mix the outline with the form behind.
  const int mixed = count_pixels(image, {10, 10, 70, 70}, [](platform::Colour c) {
    return c != kRed && c != kYellow && c != kBack;
  });
  EXPECT_GT(mixed, 20);
}

TEST_F(ShapeTest, HiddenControlsAreNotDrawn) {
  shape(ShapeKind::Rectangle, 150, 150, 900, 900, kYellow).set_visible(false);
  const platform::Bitmap image = render();
  EXPECT_EQ(count_pixels(image, {0, 0, 200, 100}, [](platform::Colour c) { return c != kBack; }),
            0);
}

TEST_F(ShapeTest, LaterControlsAreDrawnOnTop) {
  shape(ShapeKind::Rectangle, 150, 150, 900, 900, kYellow);                         // 10..70
  platform::Control& top = shape(ShapeKind::Rectangle, 600, 600, 900, 600, kBlue);  // 40..100
  platform::Bitmap image = render();
  EXPECT_EQ(image.pixel(50, 50), kBlue);
  EXPECT_EQ(image.pixel(30, 30), kYellow);

  top.set_visible(false);
  image = render();
  EXPECT_EQ(image.pixel(50, 50), kYellow);
  EXPECT_EQ(image.pixel(80, 50), kBack);
}

TEST_F(ShapeTest, ScaleTwoDoublesPositionsAndSizes) {
  shape(ShapeKind::Rectangle, 300, 300, 600, 300, kYellow);  // 20..60 x 20..40 at scale 1
  const platform::Bitmap one = render(1.0);
  const platform::Bitmap two = render(2.0);
  ASSERT_EQ(one.width(), 200);
  ASSERT_EQ(two.width(), 400);
  ASSERT_EQ(two.height(), 200);
  auto drawn = [](platform::Colour c) { return c != kBack; };
  const PixelBox at_one = bounds_of(one, {0, 0, 200, 100}, drawn);
  const PixelBox at_two = bounds_of(two, {0, 0, 400, 200}, drawn);
  EXPECT_EQ(at_one.left, 20);
  EXPECT_EQ(at_one.right, 60);
  EXPECT_EQ(at_two.left, 2 * at_one.left);
  EXPECT_EQ(at_two.top, 2 * at_one.top);
  EXPECT_EQ(at_two.right, 2 * at_one.right);
  EXPECT_EQ(at_two.bottom, 2 * at_one.bottom);
  // The outline grows with the scale too: 2 pixels become 4.
  EXPECT_EQ(two.pixel(43, 50), kRed);
  EXPECT_EQ(two.pixel(44, 50), kYellow);
}

}  // namespace
}  // namespace sdl_test
