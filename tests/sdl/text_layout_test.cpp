#include "platform/sdl/text_layout.h"

#include <gtest/gtest.h>

#include <tuple>

#include "platform/sdl/painter.h"
#include "test_support.h"

namespace platform::sdl {
namespace {

using Lines = std::vector<std::string>;

// Every character (code point) 10 pixels wide.
int ten_per_character(std::string_view text) {
  int count = 0;
  for (const char c : text)
    count += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return 10 * count;
}

TEST(WrapLines, BreaksBetweenWordsWhereTheLineWouldBeTooWide) {
  EXPECT_EQ(wrap_lines("aaa bbb ccc", 75, ten_per_character), (Lines{"aaa bbb", "ccc"}));
  EXPECT_EQ(wrap_lines("aaa bbb ccc", 70, ten_per_character), (Lines{"aaa bbb", "ccc"}));
  EXPECT_EQ(wrap_lines("aaa bbb ccc", 69, ten_per_character), (Lines{"aaa", "bbb", "ccc"}));
  EXPECT_EQ(wrap_lines("aaa bbb ccc", 500, ten_per_character), (Lines{"aaa bbb ccc"}));
}

TEST(WrapLines, BlanksAtABreakAreDroppedOthersKept) {
  EXPECT_EQ(wrap_lines("aa   bb", 45, ten_per_character), (Lines{"aa", "bb"}));
  EXPECT_EQ(wrap_lines("aa  bb", 500, ten_per_character), (Lines{"aa  bb"}));
}

TEST(WrapLines, WordWiderThanTheLineIsBrokenBetweenCharacters) {
  EXPECT_EQ(wrap_lines("abcdefghij", 35, ten_per_character), (Lines{"abc", "def", "ghi", "j"}));
  EXPECT_EQ(wrap_lines("x abcdefg y", 35, ten_per_character), (Lines{"x", "abc", "def", "g y"}));
  // Never a character cut in half, and at least one a line.
  EXPECT_EQ(wrap_lines("\xC3\xA9\xC3\xA9\xC3\xA9", 25, ten_per_character),
            (Lines{"\xC3\xA9\xC3\xA9", "\xC3\xA9"}));
  EXPECT_EQ(wrap_lines("ab", 5, ten_per_character), (Lines{"a", "b"}));
}

TEST(WrapLines, LineBreaksInTheTextAlwaysBreak) {
  EXPECT_EQ(wrap_lines("a\r\nb\nc\rd", 500, ten_per_character), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(wrap_lines("a\n\nb", 500, ten_per_character), (Lines{"a", "", "b"}));
  EXPECT_EQ(wrap_lines("a b\nc", 0, ten_per_character), (Lines{"a b", "c"}));
}

// A font whose characters are half its pixel size wide, with lines one pixel apart.
FontMetrics half_size_wide(int size) {
  return FontMetrics{[size](std::string_view text) { return ten_per_character(text) * size / 20; },
                     size + 1, size};
}

TEST(FitText, TextThatFitsKeepsItsSize) {
  const FittedText fitted = fit_text("aaa bbb", 100, 20, 12, 9, half_size_wide);
  EXPECT_TRUE(fitted.whole);
  EXPECT_EQ(fitted.size, 12);
  EXPECT_EQ(fitted.lines, (Lines{"aaa bbb"}));
  EXPECT_EQ(fitted.widths, (std::vector<int>{42}));
}

TEST(FitText, TextThatWouldWrapOutOfItsBoxIsDrawnSmaller) {
  // 11 characters: 66 pixels at size 12, 60 at 11, 55 at 10; the box is one line high.
  const FittedText fitted = fit_text("Version 1.0", 58, 14, 12, 9, half_size_wide);
  EXPECT_TRUE(fitted.whole);
  EXPECT_EQ(fitted.size, 10);
  EXPECT_EQ(fitted.lines, (Lines{"Version 1.0"}));
}

TEST(FitText, WrappingBetweenWordsAtFullSizeWhereTheBoxIsHighEnough) {
  const FittedText fitted = fit_text("aaaa bbbb", 30, 30, 12, 9, half_size_wide);
  EXPECT_TRUE(fitted.whole);
  EXPECT_EQ(fitted.size, 12);
  EXPECT_EQ(fitted.lines, (Lines{"aaaa", "bbbb"}));
}

TEST(FitText, AWordIsBrokenOnlyWhereNoSizeKeepsItWhole) {
  // Eight characters fit 40 pixels whole at size 10.
  FittedText fitted = fit_text("abcdefgh", 40, 30, 12, 9, half_size_wide);
  EXPECT_TRUE(fitted.whole);
  EXPECT_EQ(fitted.size, 10);
  EXPECT_EQ(fitted.lines, (Lines{"abcdefgh"}));
  // Twenty do not at any size down to 9: broken over two lines at full size.
  fitted = fit_text("WWWWWWWWWWWWWWWWWWWW", 60, 26, 12, 9, half_size_wide);
  EXPECT_TRUE(fitted.whole);
  EXPECT_EQ(fitted.size, 12);
  EXPECT_EQ(fitted.lines, (Lines{"WWWWWWWWWW", "WWWWWWWWWW"}));
}

TEST(FitText, TextThatCannotFitIsCutAtTheSmallestSize) {
  const FittedText fitted = fit_text("one two three four five six", 40, 20, 12, 9, half_size_wide);
  EXPECT_FALSE(fitted.whole);
  EXPECT_EQ(fitted.size, 9);
  // Two whole lines of size 9 fit a box 20 high, and the third shows in part.
  EXPECT_EQ(fitted.lines, (Lines{"one two", "three", "four five"}));
}

TEST(FitText, AVeryLongTextCostsNoMoreThanWhatTheBoxShows) {
  for (const std::string& text : {std::string(20000, 'W'), [] {
                                    std::string words;
                                    for (int i = 0; i < 4000; ++i)
                                      words += "word ";
                                    return words;
                                  }()}) {
    long measured = 0;
    const auto counting = [&](int size) {
      FontMetrics font = half_size_wide(size);
      font.measure = [&measured, size](std::string_view piece) {
        measured += static_cast<long>(piece.size());
        return ten_per_character(piece) * size / 20;
      };
      return font;
    };
    const FittedText fitted = fit_text(text, 100, 30, 12, 9, counting);
    EXPECT_FALSE(fitted.whole);
    EXPECT_LE(fitted.lines.size(), 4u);  // the three lines the box holds and one in part
    // A few passes over the text, not one for every line it would make.
    EXPECT_LT(measured, 40L * static_cast<long>(text.size()));
  }
}

// The same text in boxes that differ in one input each (boldness, width, height), laid out one
// after the other with the layouts kept: each box gets the layout it would get alone.
TEST(KeptLayouts, EveryBoxGetsItsOwnLayout) {
  const SurfaceHandle surface(SDL_CreateRGBSurfaceWithFormat(0, 1, 1, 32, SDL_PIXELFORMAT_RGB888));
  const RendererHandle renderer(SDL_CreateSoftwareRenderer(surface.get()));
  FontCache fonts(sdl_test::liberation_fonts());
  RenderCaches kept(renderer.get());
  const auto lay_out = [&](RenderCaches& caches, const SDL_Rect& box, bool bold) {
    Painter painter(renderer.get(), fonts, caches, Viewport{}, 3000, 1500);
    const FittedText& fitted =
        painter.laid_out("Limits Go Up in Every 10 mins", box, TextStyle{10, bold});
    return std::tuple(fitted.size, fitted.lines, fitted.widths, fitted.whole);
  };
  struct Case {
    SDL_Rect box;
    bool bold;
  };
  decltype(lay_out(kept, {}, false)) before;
  for (const Case& c : {Case{{0, 0, 200, 20}, false}, Case{{0, 0, 200, 20}, true},
                        Case{{0, 0, 100, 20}, false}, Case{{0, 0, 100, 40}, false}}) {
    RenderCaches fresh(renderer.get());
    const auto alone = lay_out(fresh, c.box, c.bold);
    EXPECT_NE(alone, before);  // the box needs another layout than the one before it
    EXPECT_EQ(lay_out(kept, c.box, c.bold), alone)
        << c.box.w << " x " << c.box.h << (c.bold ? " bold" : "");
    before = alone;
  }
}

TEST(AccessKeys, MarkIsHiddenAndDoubledMarkShowsOnce) {
  EXPECT_EQ(strip_access_keys("&Deal"), "Deal");
  EXPECT_EQ(strip_access_keys("E&xit"), "Exit");
  EXPECT_EQ(strip_access_keys("Fish && Chips"), "Fish & Chips");
  EXPECT_EQ(strip_access_keys("plain"), "plain");
  EXPECT_EQ(strip_access_keys("end&"), "end");
}

}  // namespace
}  // namespace platform::sdl
