#include <gtest/gtest.h>

#include "platform/sdl/font_cache.h"
#include "test_support.h"

namespace sdl_test {
namespace {

using platform::Align;
using platform::Colour;
using platform::ControlKind;

constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kWhite = 0xFFFFFF;

// Text ink: pixels that are clearly reddish on a light or blue back.
bool reddish(Colour c) {
  return platform::red_of(c) > 128 && platform::green_of(c) < 100;
}

class TextTest : public OffscreenTest {
 protected:
  platform::Control& label(float left, float top, float width, float height, std::string caption) {
    platform::Control& l = add(ControlKind::Label, left, top, width, height);
    l.set_caption(std::move(caption));
    l.set_fore_colour(kRed);
    l.set_back_colour(kWhite);
    l.set_font(10, false);
    return l;
  }
};

// What text boxes take: the characters both faces draw, not the ones that would show as boxes.
TEST(FontCoverage, LatinGreekAndCyrillicAreDrawnHebrewArabicAndEmojiAreNot) {
  platform::sdl::FontCache fonts(liberation_fonts());
  for (const char32_t drawn : {U'J', U'\u00e9', U'\u0142', U'\u03a9', U'\u0416', U'\u20ac'})
    EXPECT_TRUE(fonts.draws(drawn)) << static_cast<unsigned>(drawn);
  for (const char32_t missing : {U'\u05d0', U'\u0627', U'\U0001F600', U'\u4e2d'})
    EXPECT_FALSE(fonts.draws(missing)) << static_cast<unsigned>(missing);
}

TEST_F(TextTest, LabelTextIsDrawnInItsForeColourInsideTheLabelOnly) {
  label(300, 300, 1500, 450, "Hello");  // 100 x 30 at (20, 20)
  const platform::Bitmap shot = render();
  EXPECT_GT(count_pixels(shot, {20, 20, 120, 50}, [](Colour c) { return c == kRed; }), 10);
  const PixelBox ink = bounds_of(shot, {0, 0, 200, 100}, reddish);
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.right, 120);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.bottom, 50);
  EXPECT_LT(ink.right - ink.left, 50);  // "Hello" at 10 points is about 30 pixels wide
}

TEST_F(TextTest, TransparentLabelShowsWhatIsBehindItAndOpaqueOneDoesNot) {
  add(ControlKind::Label, 0, 0, 3000, 1500).set_back_colour(kBlue);
  platform::Control& clear = label(150, 150, 1200, 600, "Hi");  // 80 x 40 at (10, 10)
  clear.set_back_transparent(true);
  label(1650, 150, 1200, 600, "Hi");  // at (110, 10)
  const platform::Bitmap shot = render();
  EXPECT_EQ(shot.pixel(80, 45), kBlue);
  EXPECT_EQ(shot.pixel(180, 45), kWhite);
  EXPECT_GT(count_pixels(shot, {10, 10, 90, 50}, reddish), 10);  // the text still shows
}

TEST_F(TextTest, AlignmentPlacesTheTextInItsLine) {
  label(0, 0, 3000, 450, "Left").set_alignment(Align::Left);
  label(0, 450, 3000, 450, "Mid").set_alignment(Align::Centre);
  label(0, 900, 3000, 450, "Right").set_alignment(Align::Right);
  const platform::Bitmap shot = render();
  const PixelBox left = bounds_of(shot, {0, 0, 200, 30}, reddish);
  const PixelBox centre = bounds_of(shot, {0, 30, 200, 60}, reddish);
  const PixelBox right = bounds_of(shot, {0, 60, 200, 90}, reddish);
  EXPECT_LT(left.left, 4);
  EXPECT_LT(left.right, 60);
  EXPECT_NEAR((centre.left + centre.right) / 2, 100, 3);
  EXPECT_GT(right.right, 195);
  EXPECT_GT(right.left, 140);
}

TEST_F(TextTest, LongTextWrapsBetweenWordsAndStaysInsideTheLabel) {
  const std::string text = "one two three four five six seven eight nine ten";
  label(0, 0, 1200, 1500, text);    // 80 pixels wide, the whole height
  label(1500, 0, 1500, 300, text);  // one line high: the rest is cut off
  const platform::Bitmap shot = render();
  const PixelBox wrapped = bounds_of(shot, {0, 0, 80, 100}, reddish);
  EXPECT_GT(wrapped.bottom - wrapped.top, 40);  // several lines
  EXPECT_LE(wrapped.right, 80);
  EXPECT_EQ(count_pixels(shot, {100, 20, 200, 100}, reddish), 0);
  EXPECT_GT(count_pixels(shot, {100, 0, 200, 20}, reddish), 10);
}

TEST_F(TextTest, TextIsRenderedAtTheScaledSize) {
  label(150, 150, 2700, 1200, "Scaled").set_font(12, true);
  const platform::Bitmap one = render(1.0);
  const platform::Bitmap two = render(2.0);
  const PixelBox a = bounds_of(one, {0, 0, 200, 100}, reddish);
  const PixelBox b = bounds_of(two, {0, 0, 400, 200}, reddish);
  EXPECT_NEAR(b.right - b.left, 2 * (a.right - a.left), 4);
  EXPECT_NEAR(b.bottom - b.top, 2 * (a.bottom - a.top), 3);
}

TEST_F(TextTest, TextTooWideForItsOneLineIsDrawnSmallerAndWhole) {
  // A box one line high that the text at its own size just overflows at some scales.
  label(300, 150, 1272, 288, "Version 1.0").set_font(12, true);
  label(300, 750, 2700, 600, "Version 1.0").set_font(12, true);  // room to spare
  for (double scale : {1.75, 2.0}) {
    const platform::Bitmap shot = render(scale);
    const auto px = [scale](double twips) { return static_cast<int>(twips * scale / 15); };
    const PixelBox tight = bounds_of(shot, {0, 0, px(3000), px(600)}, reddish);
    const PixelBox roomy = bounds_of(shot, {0, px(700), px(3000), px(1500)}, reddish);
    EXPECT_GE(tight.left, px(300)) << scale;
    EXPECT_LE(tight.right, px(1572) + 1) << scale;
    // Both words show: nearly as wide as at full size.
    EXPECT_GT(tight.right - tight.left, (roomy.right - roomy.left) * 9 / 10) << scale;
  }
}

TEST_F(TextTest, BoldDrawsHeavierStrokes) {
  label(0, 0, 3000, 750, "Heavy");
  label(0, 750, 3000, 750, "Heavy").set_font(10, true);
  const platform::Bitmap shot = render();
  EXPECT_GT(count_pixels(shot, {0, 50, 200, 100}, reddish),
            count_pixels(shot, {0, 0, 200, 50}, reddish) * 5 / 4);
}

TEST_F(TextTest, AccessKeyMarkIsNotDrawn) {
  label(0, 0, 3000, 750, "&Deal");
  label(0, 750, 3000, 750, "Deal");
  const platform::Bitmap shot = render();
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 200; ++x)
      ASSERT_EQ(shot.pixel(x, y), shot.pixel(x, y + 50)) << x << "," << y;
}

TEST_F(TextTest, TextBoxClipsItsTextAndShowsACaretWhenFocused) {
  platform::Control& box = add(ControlKind::TextBox, 150, 150, 900, 450);  // 60 x 30 at (10, 10)
  box.set_fore_colour(kRed);
  box.set_text("");
  platform::Bitmap shot = render();
  EXPECT_EQ(count_pixels(shot, {10, 10, 70, 40}, reddish), 0);

  form.show();  // the box takes the focus
  ASSERT_TRUE(box.has_focus());
  shot = render();
  const PixelBox caret = bounds_of(shot, {10, 10, 70, 40}, reddish);
  EXPECT_EQ(caret.right - caret.left, 1);
  EXPECT_GT(caret.bottom - caret.top, 8);

  box.set_text("A very long amount of text 1234567890");
  shot = render();
  EXPECT_GT(count_pixels(shot, {14, 14, 66, 36}, reddish), 20);
  EXPECT_EQ(count_pixels(shot, {70, 0, 200, 100}, reddish), 0);
  EXPECT_EQ(count_pixels(shot, {0, 0, 10, 100}, reddish), 0);

  // With the caret at the end the text has scrolled: the box no longer starts with "A very".
  box.set_caret(0);
  const platform::Bitmap from_start = render();
  int differing = 0;
  for (int y = 12; y < 38; ++y)
    for (int x = 14; x < 40; ++x)
      differing += shot.pixel(x, y) != from_start.pixel(x, y);
  EXPECT_GT(differing, 20);
}

TEST_F(TextTest, ButtonsAreRaisedAndShowWhichHasTheFocus) {
  platform::Control& first = add(ControlKind::Button, 150, 150, 1200, 450);  // 80 x 30
  platform::Control& second = add(ControlKind::Button, 1650, 150, 1200, 450);
  for (platform::Control* b : {&first, &second}) {
    b->set_caption("OK");
    b->set_back_colour(0xC0C0C0);
  }
  form.show();
  ASSERT_TRUE(first.has_focus());
  const platform::Bitmap shot = render();
  EXPECT_EQ(shot.pixel(140, 10), kWhite);     // light top edge of the plain button
  EXPECT_EQ(shot.pixel(140, 39), Colour{0});  // dark bottom edge
  EXPECT_EQ(shot.pixel(40, 10), Colour{0});   // the focused one wears a dark outline
  // ... and a dotted mark inside: some black pixels along a row near its top.
  EXPECT_GT(count_pixels(shot, {14, 14, 86, 15}, [](Colour c) { return c == 0; }), 10);
  EXPECT_EQ(count_pixels(shot, {114, 14, 186, 15}, [](Colour c) { return c == 0; }), 0);
}

}  // namespace
}  // namespace sdl_test
