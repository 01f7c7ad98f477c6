#include "platform/sdl/text_layout.h"

#include <algorithm>

#include "platform/utf8.h"

namespace platform::sdl {

namespace {

std::string_view trim_end(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Collects the lines of a text until it has more than it needs.
class LineSink {
 public:
  LineSink(std::vector<std::string>& lines, std::size_t max_lines)
      : lines_(lines), max_lines_(max_lines) {}
  void add(std::string_view line) { lines_.emplace_back(line); }
  bool full() const { return lines_.size() > max_lines_; }

 private:
  std::vector<std::string>& lines_;
  std::size_t max_lines_;
};

// Splits a word too wide for any line between characters; the last piece is returned unbroken
// so that the following words may join it. Only prefixes are measured, never the whole rest,
// so that a very long word costs no more than its lines.
std::string_view break_long_word(std::string_view word, int width, const MeasureText& measure,
                                 LineSink& lines) {
  if (measure(word) <= width)
    return word;
  while (!lines.full()) {
    std::size_t fit = next_code_point(word, 0);  // at least one character a line
    while (fit < word.size()) {
      const std::size_t end = next_code_point(word, fit);
      if (measure(word.substr(0, end)) > width)
        break;
      fit = end;
    }
    if (fit >= word.size())
      break;
    lines.add(word.substr(0, fit));
    word.remove_prefix(fit);
  }
  return word;
}

void wrap_paragraph(std::string_view paragraph, int width, const MeasureText& measure,
                    bool break_long_words, LineSink& lines) {
  std::string line;
  std::size_t pos = 0;
  while (pos < paragraph.size() && !lines.full()) {
    // One word together with the blanks that follow it.
    std::size_t word_end = pos;
    while (word_end < paragraph.size() && paragraph[word_end] != ' ')
      ++word_end;
    std::size_t piece_end = word_end;
    while (piece_end < paragraph.size() && paragraph[piece_end] == ' ')
      ++piece_end;
    const std::string_view word = paragraph.substr(pos, word_end - pos);
    const std::string_view blanks = paragraph.substr(word_end, piece_end - word_end);
    pos = piece_end;

    if (measure(line + std::string(word)) <= width) {
      line.append(word).append(blanks);
      continue;
    }
    if (!trim_end(line).empty())
      lines.add(trim_end(line));
    line.assign(break_long_words ? break_long_word(word, width, measure, lines) : word)
        .append(blanks);
  }
  if (!lines.full())
    lines.add(trim_end(line));
}

// How many lines of a font a box of the given height shows whole.
std::size_t lines_that_fit(int height, const FontMetrics& font) {
  if (height < font.line_height)
    return 0;
  return 1 + static_cast<std::size_t>((height - font.line_height) / std::max(1, font.line_skip));
}

// The text laid out at one size, and whether all of it lies inside the box.
FittedText lay_out_at(std::string_view text, int width, int height, int size,
                      const FontMetrics& font, bool break_long_words) {
  const std::size_t rows = lines_that_fit(height, font);
  FittedText laid{size, wrap_lines(text, width, font.measure, {break_long_words, rows}), {}, true};
  if (laid.lines.size() > rows) {
    laid.whole = false;
    laid.lines.resize(rows + 1);  // the first line that does not fit shows in part
  }
  for (const std::string& line : laid.lines) {
    laid.widths.push_back(font.measure(line));
    laid.whole = laid.whole && laid.widths.back() <= width;
  }
  return laid;
}

}  // namespace

std::vector<std::string> wrap_lines(std::string_view text, int width, const MeasureText& measure,
                                    const WrapOptions& options) {
  std::vector<std::string> lines;
  LineSink sink(lines, options.max_lines);
  std::size_t start = 0;
  while (!sink.full()) {
    std::size_t end = text.find_first_of("\r\n", start);
    const std::string_view paragraph =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (width > 0) {
      wrap_paragraph(paragraph, width, measure, options.break_long_words, sink);
    } else {
      sink.add(paragraph);
    }
    if (end == std::string_view::npos)
      break;
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return lines;
}

FittedText fit_text(std::string_view text, int width, int height, int largest, int smallest,
                    const MetricsOfSize& metrics) {
  largest = std::max(1, largest);
  smallest = std::clamp(smallest, 1, largest);
  if (text.empty())
    return FittedText{largest, {}, {}, true};
  for (const bool break_long_words : {false, true}) {
    for (int size = largest; size >= smallest; --size) {
      FittedText laid = lay_out_at(text, width, height, size, metrics(size), break_long_words);
      if (laid.whole)
        return laid;
    }
  }
  return lay_out_at(text, width, height, smallest, metrics(smallest), true);
}

std::string strip_access_keys(std::string_view caption) {
  std::string shown;
  shown.reserve(caption.size());
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 >= caption.size())
        break;
      ++i;  // the character after "&" is shown, even when it is another "&"
    }
    shown.push_back(caption[i]);
  }
  return shown;
}

}  // namespace platform::sdl
