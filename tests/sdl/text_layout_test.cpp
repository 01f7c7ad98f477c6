#include "platform/sdl/text_layout.h"

#include <gtest/gtest.h>

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

TEST(AccessKeys, MarkIsHiddenAndDoubledMarkShowsOnce) {
  EXPECT_EQ(strip_access_keys("&Deal"), "Deal");
  EXPECT_EQ(strip_access_keys("E&xit"), "Exit");
  EXPECT_EQ(strip_access_keys("Fish && Chips"), "Fish & Chips");
  EXPECT_EQ(strip_access_keys("plain"), "plain");
  EXPECT_EQ(strip_access_keys("end&"), "end");
}

}  // namespace
}  // namespace platform::sdl
