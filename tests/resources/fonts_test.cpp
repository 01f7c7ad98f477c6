#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "resources/embedded_resources.h"

namespace {

std::uint32_t big_endian(std::span<const std::uint8_t> bytes, std::size_t at, int size) {
  std::uint32_t v = 0;
  for (int i = 0; i < size; ++i) {
    v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
  }
  return v;
}

// Checks the TrueType table directory: every table lies inside the data, and the tables a
// renderer needs are there.
void expect_valid_truetype(std::span<const std::uint8_t> font) {
  ASSERT_GT(font.size(), 12u);
  EXPECT_EQ(big_endian(font, 0, 4), 0x00010000u);
  const std::uint32_t tables = big_endian(font, 4, 2);
  ASSERT_GT(tables, 0u);
  ASSERT_LE(12 + 16 * tables, font.size());
  std::set<std::string> tags;
  for (std::uint32_t i = 0; i < tables; ++i) {
    const std::size_t record = 12 + 16 * i;
    const std::string tag(font.begin() + static_cast<long>(record),
                          font.begin() + static_cast<long>(record) + 4);
    const std::uint64_t offset = big_endian(font, record + 8, 4);
    const std::uint64_t length = big_endian(font, record + 12, 4);
    EXPECT_LE(offset + length, font.size()) << "table " << tag;
    tags.insert(tag);
  }
  for (const char* needed : {"cmap", "glyf", "head", "hhea", "hmtx", "loca", "maxp", "name"}) {
    EXPECT_TRUE(tags.contains(needed)) << "missing table " << needed;
  }
}

void expect_same_as_installed(std::span<const std::uint8_t> font, const char* file) {
  const std::filesystem::path path = std::filesystem::path(OMAHA_FONT_DIR) / file;
  // The build embeds the font from this file, so it is there wherever the test was built.
  ASSERT_TRUE(std::filesystem::exists(path)) << path;
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> original((std::istreambuf_iterator<char>(in)),
                                           std::istreambuf_iterator<char>());
  EXPECT_TRUE(std::equal(font.begin(), font.end(), original.begin(), original.end()));
}

TEST(Fonts, RegularIsAWholeTrueTypeFont) {
  expect_valid_truetype(resources::font_regular());
  expect_same_as_installed(resources::font_regular(), "LiberationSans-Regular.ttf");
}

TEST(Fonts, BoldIsAWholeTrueTypeFont) {
  expect_valid_truetype(resources::font_bold());
  expect_same_as_installed(resources::font_bold(), "LiberationSans-Bold.ttf");
}

TEST(Fonts, RegularAndBoldAreDifferentFonts) {
  const auto regular = resources::font_regular();
  const auto bold = resources::font_bold();
  EXPECT_FALSE(std::equal(regular.begin(), regular.end(), bold.begin(), bold.end()));
}

}  // namespace
