#include "image_codec.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <stdexcept>

namespace resources {
namespace {

constexpr std::array<std::uint8_t, 4> kMagic = {'O', 'R', 'G', 'B'};
constexpr std::size_t kHeaderSize = 13;
constexpr int kMaxSide = 16384;
constexpr int kMaxDensity = 8;
constexpr int kMaxRun = 62;

// Operation tags: the top two bits of the first byte, except for the two full-byte tags.
constexpr std::uint8_t kOpIndex = 0x00;
constexpr std::uint8_t kOpDiff = 0x40;
constexpr std::uint8_t kOpLuma = 0x80;
constexpr std::uint8_t kOpRun = 0xC0;
constexpr std::uint8_t kOpRgb = 0xFE;
constexpr std::uint8_t kTagMask = 0xC0;

struct Pixel {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Pixel&) const = default;
};

int slot_of(Pixel p) {
  return (p.r * 3 + p.g * 5 + p.b * 7) % 64;
}

// Median edge predictor: picks left or above at an edge, else follows the local gradient.
std::uint8_t predict_channel(int left, int up, int up_left) {
  const int hi = std::max(left, up);
  const int lo = std::min(left, up);
  if (up_left >= hi) {
    return static_cast<std::uint8_t>(lo);
  }
  if (up_left <= lo) {
    return static_cast<std::uint8_t>(hi);
  }
  return static_cast<std::uint8_t>(left + up - up_left);
}

// The predicted colour of pixel (x, y) from its already coded neighbours in rgb.
Pixel predict(const std::vector<std::uint8_t>& rgb, std::size_t width, std::size_t x,
              std::size_t y) {
  const auto at = [&](std::size_t px, std::size_t py) {
    const std::size_t i = (py * width + px) * 3;
    return Pixel{rgb[i], rgb[i + 1], rgb[i + 2]};
  };
  if (y == 0) {
    return x == 0 ? Pixel{} : at(x - 1, 0);
  }
  if (x == 0) {
    return at(0, y - 1);
  }
  const Pixel l = at(x - 1, y);
  const Pixel u = at(x, y - 1);
  const Pixel ul = at(x - 1, y - 1);
  return {predict_channel(l.r, u.r, ul.r), predict_channel(l.g, u.g, ul.g),
          predict_channel(l.b, u.b, ul.b)};
}

// Difference b - a as a signed value in -128..127 (channels wrap around).
int wrapped_delta(std::uint8_t a, std::uint8_t b) {
  const int d = (b - a + 256) % 256;
  return d >= 128 ? d - 256 : d;
}

std::uint8_t wrapped_add(std::uint8_t value, int delta) {
  return static_cast<std::uint8_t>((value + delta + 256) % 256);
}

void put_u32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(v >> shift));
  }
}

std::uint32_t get_u32(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) {
    v = (v << 8) | bytes[at + static_cast<std::size_t>(i)];
  }
  return v;
}

// Codes p as a small difference from its predicted colour, or literally.
void emit_pixel(std::vector<std::uint8_t>& out, Pixel guess, Pixel p) {
  const int dr = wrapped_delta(guess.r, p.r);
  const int dg = wrapped_delta(guess.g, p.g);
  const int db = wrapped_delta(guess.b, p.b);
  if (dr >= -2 && dr <= 1 && dg >= -2 && dg <= 1 && db >= -2 && db <= 1) {
    out.push_back(
        static_cast<std::uint8_t>(kOpDiff | ((dr + 2) << 4) | ((dg + 2) << 2) | (db + 2)));
    return;
  }
  const int dr_dg = dr - dg;
  const int db_dg = db - dg;
  if (dg >= -32 && dg <= 31 && dr_dg >= -8 && dr_dg <= 7 && db_dg >= -8 && db_dg <= 7) {
    out.push_back(static_cast<std::uint8_t>(kOpLuma | (dg + 32)));
    out.push_back(static_cast<std::uint8_t>(((dr_dg + 8) << 4) | (db_dg + 8)));
    return;
  }
  out.insert(out.end(), {kOpRgb, p.r, p.g, p.b});
}

// Reads the stream one operation at a time and refuses to run past its end.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes), pos_(kHeaderSize) {}
  std::uint8_t next() {
    if (pos_ >= bytes_.size()) {
      throw std::runtime_error("encoded image is truncated");
    }
    return bytes_[pos_++];
  }
  bool at_end() const { return pos_ == bytes_.size(); }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_;
};

}  // namespace

std::vector<std::uint8_t> encode_image(const DecodedImage& image) {
  if (image.width < 1 || image.height < 1 || image.width > kMaxSide || image.height > kMaxSide) {
    throw std::invalid_argument("image size out of range");
  }
  if (image.density < 1 || image.density > kMaxDensity) {
    throw std::invalid_argument("image density out of range");
  }
  const std::size_t count = static_cast<std::size_t>(image.width) * image.height;
  if (image.rgb.size() != count * 3) {
    throw std::invalid_argument("pixel data does not match the image size");
  }

  std::vector<std::uint8_t> out(kMagic.begin(), kMagic.end());
  put_u32(out, static_cast<std::uint32_t>(image.width));
  put_u32(out, static_cast<std::uint32_t>(image.height));
  out.push_back(static_cast<std::uint8_t>(image.density));

  const std::size_t width = static_cast<std::size_t>(image.width);
  std::array<Pixel, 64> seen{};
  int run = 0;
  const auto flush_run = [&] {
    if (run > 0) {
      out.push_back(static_cast<std::uint8_t>(kOpRun | (run - 1)));
      run = 0;
    }
  };
  for (std::size_t i = 0; i < count; ++i) {
    const Pixel p{image.rgb[i * 3], image.rgb[i * 3 + 1], image.rgb[i * 3 + 2]};
    const Pixel guess = predict(image.rgb, width, i % width, i / width);
    if (p == guess) {
      if (++run == kMaxRun) {
        flush_run();
      }
      continue;
    }
    flush_run();
    const int slot = slot_of(p);
    if (seen[static_cast<std::size_t>(slot)] == p) {
      out.push_back(static_cast<std::uint8_t>(kOpIndex | slot));
    } else {
      seen[static_cast<std::size_t>(slot)] = p;
      emit_pixel(out, guess, p);
    }
  }
  flush_run();
  return out;
}

DecodedImage decode_image(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < kHeaderSize || !std::equal(kMagic.begin(), kMagic.end(), bytes.begin())) {
    throw std::runtime_error("not an encoded image");
  }
  const std::uint32_t w = get_u32(bytes, 4);
  const std::uint32_t h = get_u32(bytes, 8);
  const int density = bytes[12];
  if (w < 1 || h < 1 || w > kMaxSide || h > kMaxSide || density < 1 || density > kMaxDensity) {
    throw std::runtime_error("encoded image has a bad header");
  }

  DecodedImage image;
  image.width = static_cast<int>(w);
  image.height = static_cast<int>(h);
  image.density = density;
  const std::size_t width = w;
  const std::size_t count = width * h;
  image.rgb.resize(count * 3);

  Reader in(bytes);
  std::array<Pixel, 64> seen{};
  std::size_t i = 0;
  const auto put = [&](Pixel p) {
    image.rgb[i * 3] = p.r;
    image.rgb[i * 3 + 1] = p.g;
    image.rgb[i * 3 + 2] = p.b;
    ++i;
  };
  while (i < count) {
    const std::uint8_t op = in.next();
    if (op == 0xFF) {
      throw std::runtime_error("encoded image has an unknown operation");
    }
    if (op != kOpRgb && (op & kTagMask) == kOpRun) {
      const std::size_t repeat = static_cast<std::size_t>(op & 0x3F) + 1;
      if (repeat > count - i) {
        throw std::runtime_error("encoded image runs past its end");
      }
      for (std::size_t k = 0; k < repeat; ++k) {
        put(predict(image.rgb, width, i % width, i / width));
      }
      continue;
    }
    if ((op & kTagMask) == kOpIndex) {
      put(seen[op]);
      continue;
    }
    const Pixel guess = predict(image.rgb, width, i % width, i / width);
    Pixel p = guess;
    if (op == kOpRgb) {
      p.r = in.next();
      p.g = in.next();
      p.b = in.next();
    } else if ((op & kTagMask) == kOpDiff) {
      p.r = wrapped_add(guess.r, ((op >> 4) & 3) - 2);
      p.g = wrapped_add(guess.g, ((op >> 2) & 3) - 2);
      p.b = wrapped_add(guess.b, (op & 3) - 2);
    } else {
      const std::uint8_t second = in.next();
      const int dg = (op & 0x3F) - 32;
      p.r = wrapped_add(guess.r, dg + (second >> 4) - 8);
      p.g = wrapped_add(guess.g, dg);
      p.b = wrapped_add(guess.b, dg + (second & 0x0F) - 8);
    }
    seen[static_cast<std::size_t>(slot_of(p))] = p;
    put(p);
  }
  if (!in.at_end()) {
    throw std::runtime_error("encoded image has trailing bytes");
  }
  return image;
}

}  // namespace resources
