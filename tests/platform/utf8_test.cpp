#include "platform/utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::CodePoint;
using platform::decode_utf8;
using platform::encode_utf8;

TEST(Utf8, CharactersOnBothSidesOfEveryLengthBoundaryComeBackWhole) {
  struct Case {
    char32_t value;
    std::size_t bytes;
  };
  for (const Case c : {Case{0x7F, 1}, Case{0x80, 2}, Case{0x7FF, 2}, Case{0x800, 3},
                       Case{0xFFFD, 3}, Case{0xFFFF, 3}, Case{0x10000, 4}, Case{0x10FFFF, 4}}) {
    const std::string bytes = encode_utf8(c.value);
    EXPECT_EQ(bytes.size(), c.bytes) << std::hex << static_cast<unsigned>(c.value);
    const CodePoint read = decode_utf8(bytes, 0);
    EXPECT_TRUE(read.well_formed) << std::hex << static_cast<unsigned>(c.value);
    EXPECT_EQ(read.value, c.value);
    EXPECT_EQ(read.length, bytes.size()) << std::hex << static_cast<unsigned>(c.value);
  }
}

TEST(Utf8, OverLongFormsSurrogatesAndValuesPastTheTopAreNoCharacters) {
  // Over-long forms of U+0000 and of the last character below each length boundary.
  for (const std::string bytes :
       {"\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xE0\x9F\xBF", "\xF0\x80\x80\x80",
        "\xF0\x8F\xBF\xBF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\x80", "\xE2\x82"}) {
    const CodePoint read = decode_utf8(bytes, 0);
    EXPECT_FALSE(read.well_formed) << testing::PrintToString(bytes);
    EXPECT_EQ(read.value, U'\uFFFD');
    EXPECT_EQ(read.length, 1u) << testing::PrintToString(bytes);
  }
}

}  // namespace
