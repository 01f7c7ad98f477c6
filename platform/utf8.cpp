#include "platform/utf8.h"

#include <algorithm>

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;
constexpr CodePoint kIllFormed{kReplacement, 1, false};

bool is_continuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

}  // namespace

CodePoint decode_utf8(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char first = byte(at);
  if (first < 0x80)
    return {first, 1, true};
  std::size_t length = 0;
  char32_t value = 0;
  char32_t smallest = 0;
  if ((first & 0xE0) == 0xC0) {
    length = 2, value = first & 0x1F, smallest = 0x80;
  } else if ((first & 0xF0) == 0xE0) {
    length = 3, value = first & 0x0F, smallest = 0x800;
  } else if ((first & 0xF8) == 0xF0) {
    length = 4, value = first & 0x07, smallest = 0x10000;
  } else {
    return kIllFormed;
  }
  if (at + length > text.size())
    return kIllFormed;
  for (std::size_t i = 1; i < length; ++i) {
    if (!is_continuation(byte(at + i)))
      return kIllFormed;
    value = (value << 6) | (byte(at + i) & 0x3F);
  }
  // Over-long forms, surrogates and values past U+10FFFF are not characters.
  if (value < smallest || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return kIllFormed;
  return {value, length, true};
}

std::string encode_utf8(char32_t value) {
  if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    value = kReplacement;
  std::string bytes;
  if (value < 0x80) {
    bytes += static_cast<char>(value);
  } else if (value < 0x800) {
    bytes += static_cast<char>(0xC0 | (value >> 6));
    bytes += static_cast<char>(0x80 | (value & 0x3F));
  } else if (value < 0x10000) {
    bytes += static_cast<char>(0xE0 | (value >> 12));
    bytes += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (value & 0x3F));
  } else {
    bytes += static_cast<char>(0xF0 | (value >> 18));
    bytes += static_cast<char>(0x80 | ((value >> 12) & 0x3F));
    bytes += static_cast<char>(0x80 | ((value >> 6) & 0x3F));
    bytes += static_cast<char>(0x80 | (value & 0x3F));
  }
  return bytes;
}

std::size_t next_code_point(std::string_view text, std::size_t at) {
  if (at >= text.size())
    return text.size();
  do
    ++at;
  while (at < text.size() && is_continuation(static_cast<unsigned char>(text[at])));
  return at;
}

std::size_t previous_code_point(std::string_view text, std::size_t at) {
  at = std::min(at, text.size());
  if (at == 0)
    return 0;
  do
    --at;
  while (at > 0 && is_continuation(static_cast<unsigned char>(text[at])));
  return at;
}

std::size_t count_code_points(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at = next_code_point(text, at))
    ++count;
  return count;
}

}  // namespace platform
