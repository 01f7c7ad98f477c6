#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sdl {

// Width in pixels of a piece of text, as the font draws it.
using MeasureText = std::function<int(std::string_view)>;

struct WrapOptions {
  // A word wider than the whole width is broken between characters; otherwise it stays whole
  // on a line of its own, wider than the width.
  bool break_long_words = true;
  // Wrapping stops once it has made more lines than this.
  std::size_t max_lines = std::numeric_limits<std::size_t>::max();
};

// Breaks text into lines the way a desktop label does: at line breaks ("\r\n", "\n" or "\r"),
// and between words where a line would grow wider than `width`. Blanks at the end of a broken
// line are dropped.
std::vector<std::string> wrap_lines(std::string_view text, int width, const MeasureText& measure,
                                    const WrapOptions& options = {});

// How a font of one pixel size measures text.
struct FontMetrics {
  MeasureText measure;
  int line_skip = 0;    // from the top of one line to the top of the next
  int line_height = 0;  // of the glyphs of one line
};
using MetricsOfSize = std::function<FontMetrics(int pixel_size)>;

// Text laid out in a box, at the font size that shows it.
struct FittedText {
  int size = 0;  // pixel size of the font
  std::vector<std::string> lines;
  std::vector<int> widths;  // of each line, in pixels
  bool whole = false;       // every character lies inside the box
};

// Lays out text in a box of width x height pixels at the largest pixel size, from `largest`
// down to `smallest`, at which all of it shows: wrapped between words if any size allows it,
// else also inside words. Where no size shows it all, it is laid out at the smallest size and
// cut at the bottom of the box.
FittedText fit_text(std::string_view text, int width, int height, int largest, int smallest,
                    const MetricsOfSize& metrics);

// A caption as shown: "&" marks the access key and is not drawn, "&&" shows one "&".
std::string strip_access_keys(std::string_view caption);

}  // namespace platform::sdl
