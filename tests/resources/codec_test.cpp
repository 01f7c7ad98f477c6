#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "resources/image_codec.h"

namespace {

using resources::decode_image;
using resources::DecodedImage;
using resources::encode_image;

constexpr std::size_t kHeaderSize = 13;

template <typename F>
DecodedImage make_image(int width, int height, F colour_of, int density = 1) {
  DecodedImage image{width, height, density, {}};
  image.rgb.resize(static_cast<std::size_t>(width) * height * 3);
  std::size_t i = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      for (const std::uint8_t channel : colour_of(x, y)) {
        image.rgb[i++] = channel;
      }
    }
  }
  return image;
}

void expect_round_trip(const DecodedImage& image) {
  const DecodedImage back = decode_image(encode_image(image));
  EXPECT_EQ(back.width, image.width);
  EXPECT_EQ(back.height, image.height);
  EXPECT_EQ(back.density, image.density);
  EXPECT_EQ(back.rgb, image.rgb);
}

std::array<std::uint8_t, 3> rgb(int r, int g, int b) {
  return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b)};
}

TEST(ImageCodec, RoundTripsNoiseOfManyShapes) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (const auto& [w, h] : {std::pair{1, 1}, {2, 3}, {17, 5}, {1, 200}, {300, 1}, {64, 64}}) {
    SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
    expect_round_trip(
        make_image(w, h, [&](int, int) { return rgb(byte(random), byte(random), byte(random)); }));
  }
}

// Small random steps exercise the difference codes, including wrap-around at 0 and 255.
TEST(ImageCodec, RoundTripsSmallStepsAcrossTheChannelEnds) {
  std::mt19937 random(11);
  for (const int step : {1, 2, 5, 20, 40}) {
    SCOPED_TRACE(step);
    std::uniform_int_distribution<int> delta(-step, step);
    int r = 0, g = 255, b = 128;
    expect_round_trip(make_image(97, 31, [&](int, int) {
      r = (r + delta(random) + 256) % 256;
      g = (g + delta(random) + 256) % 256;
      b = (b + delta(random) + 256) % 256;
      return rgb(r, g, b);
    }));
  }
  expect_round_trip(make_image(
      8, 8, [](int x, int y) { return (x + y) % 2 == 0 ? rgb(0, 255, 1) : rgb(255, 0, 254); }));
}

// In a single row each pixel is predicted from its left neighbour; alternating a base colour
// with every offset around it covers each difference code and its limits.
TEST(ImageCodec, RoundTripsEveryOffsetAroundTheDifferenceCodes) {
  for (int dg = -34; dg <= 33; ++dg) {
    SCOPED_TRACE(dg);
    std::vector<std::array<std::uint8_t, 3>> row;
    for (int dr = dg - 9; dr <= dg + 8; ++dr) {
      for (int db = dg - 9; db <= dg + 8; ++db) {
        row.push_back(rgb(100, 100, 100));
        row.push_back(rgb(100 + dr, 100 + dg, 100 + db));
      }
    }
    expect_round_trip(
        make_image(static_cast<int>(row.size()), 1, [&](int x, int) { return row[x]; }));
  }
}

TEST(ImageCodec, SinglePixelsAndDensityRoundTrip) {
  for (const auto& c : {rgb(0, 0, 0), rgb(255, 255, 255), rgb(1, 2, 3), rgb(250, 0, 128)}) {
    expect_round_trip(make_image(
        1, 1, [&](int, int) { return c; }, 3));
  }
}

TEST(ImageCodec, LongRunsSplitAtTheRunLimit) {
  for (const int length : {61, 62, 63, 124, 125, 1000}) {
    SCOPED_TRACE(length);
    const DecodedImage flat = make_image(length, 1, [](int, int) { return rgb(30, 60, 90); });
    expect_round_trip(flat);
    // One literal colour, then at most one byte per 62 repeats.
    EXPECT_LE(encode_image(flat).size(), kHeaderSize + 4 + (length + 61) / 62);
  }
  // A run that continues from one row into the next.
  expect_round_trip(make_image(50, 40, [](int x, int y) {
    return y < 20 || (y == 20 && x < 10) ? rgb(200, 10, 10) : rgb(10, 200, 10);
  }));
}

TEST(ImageCodec, GradientsAreCheap) {
  const DecodedImage ramp = make_image(256, 256, [](int x, int y) { return rgb(x, y, 255 - x); });
  expect_round_trip(ramp);
  EXPECT_LT(encode_image(ramp).size(), ramp.rgb.size() / 20);
}

// Once each colour has been seen, every pixel is a table reference or part of a run. (The
// colours are picked to land in different slots of the codec's colour table.)
TEST(ImageCodec, FewColoursCostAboutAByteEach) {
  const std::array<std::array<std::uint8_t, 3>, 5> palette = {
      rgb(10, 200, 30), rgb(250, 250, 250), rgb(0, 0, 0), rgb(200, 20, 20), rgb(20, 30, 200)};
  std::mt19937 random(3);
  std::uniform_int_distribution<std::size_t> pick(0, palette.size() - 1);
  const DecodedImage image = make_image(100, 100, [&](int, int) { return palette[pick(random)]; });
  expect_round_trip(image);
  EXPECT_LE(encode_image(image).size(), kHeaderSize + palette.size() * 4 + 100 * 100);
}

TEST(ImageCodec, EncoderRefusesInconsistentImages) {
  EXPECT_THROW(encode_image(DecodedImage{0, 1, 1, {}}), std::invalid_argument);
  EXPECT_THROW(encode_image(DecodedImage{2, 2, 1, std::vector<std::uint8_t>(11)}),
               std::invalid_argument);
  EXPECT_THROW(encode_image(DecodedImage{1, 1, 0, std::vector<std::uint8_t>(3)}),
               std::invalid_argument);
}

TEST(ImageCodec, DecoderRefusesDamagedData) {
  std::mt19937 random(5);
  std::uniform_int_distribution<int> byte(0, 255);
  const std::vector<std::uint8_t> good = encode_image(make_image(20, 20, [&](int x, int) {
    return x < 10 ? rgb(9, 9, 9) : rgb(byte(random), byte(random), byte(random));
  }));
  ASSERT_NO_THROW(decode_image(good));

  for (std::size_t n = 0; n < good.size(); ++n) {
    const std::vector<std::uint8_t> cut(good.begin(), good.begin() + static_cast<long>(n));
    EXPECT_THROW(decode_image(cut), std::runtime_error) << "cut to " << n << " bytes";
  }
  std::vector<std::uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_THROW(decode_image(longer), std::runtime_error);

  std::vector<std::uint8_t> bad_magic = good;
  bad_magic[0] = 'X';
  EXPECT_THROW(decode_image(bad_magic), std::runtime_error);

  std::vector<std::uint8_t> huge = good;
  huge[7] = 0x7F;  // width far beyond any real picture
  EXPECT_THROW(decode_image(huge), std::runtime_error);

  std::vector<std::uint8_t> unknown_op = good;
  unknown_op[kHeaderSize] = 0xFF;
  EXPECT_THROW(decode_image(unknown_op), std::runtime_error);

  // A 2 x 1 image claiming a run of 62 pixels.
  std::vector<std::uint8_t> overrun(good.begin(), good.begin() + kHeaderSize);
  overrun[4] = 2;
  overrun[5] = overrun[6] = overrun[7] = 0;
  overrun[8] = 1;
  overrun[9] = overrun[10] = overrun[11] = 0;
  overrun.push_back(0xFD);
  EXPECT_THROW(decode_image(overrun), std::runtime_error);
}

}  // namespace
