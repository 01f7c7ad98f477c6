#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// One code point read from UTF-8 text: its value, how many bytes it took and whether they were
// a well-formed sequence. A byte that does not start one reads as U+FFFD and takes one byte.
struct CodePoint {
  char32_t value;
  std::size_t length;
  bool well_formed;
};
CodePoint decode_utf8(std::string_view text, std::size_t at);

// The UTF-8 bytes of a code point (U+FFFD for a value that is not a character).
std::string encode_utf8(char32_t value);

// The byte offset of the code point after (before) the one at `at`, stepping over continuation
// bytes; the end (the start) of the text at the most.
std::size_t next_code_point(std::string_view text, std::size_t at);
std::size_t previous_code_point(std::string_view text, std::size_t at);

// How many code points the text holds.
std::size_t count_code_points(std::string_view text);

}  // namespace platform
