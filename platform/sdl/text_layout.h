#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sdl {

// Width in pixels of a piece of text, as the font draws it.
using MeasureText = std::function<int(std::string_view)>;

// Breaks text into lines the way a desktop label does: at line breaks ("\r\n", "\n" or "\r"),
// and between words where a line would grow wider than `width`; a word wider than the whole
// width is broken between characters. Blanks at the end of a broken line are dropped.
std::vector<std::string> wrap_lines(std::string_view text, int width, const MeasureText& measure);

// A caption as shown: "&" marks the access key and is not drawn, "&&" shows one "&".
std::string strip_access_keys(std::string_view caption);

}  // namespace platform::sdl
