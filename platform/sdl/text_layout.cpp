#include "platform/sdl/text_layout.h"

namespace platform::sdl {

namespace {

std::size_t next_code_point(std::string_view text, std::size_t pos) {
  ++pos;
  while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0xC0) == 0x80)
    ++pos;
  return pos;
}

std::string_view trim_end(std::string_view text) {
  while (!text.empty() && text.back() == ' ')
    text.remove_suffix(1);
  return text;
}

// Splits a word too wide for any line between characters; the last piece is returned unbroken
// so that the following words may join it.
std::string_view break_long_word(std::string_view word, int width, const MeasureText& measure,
                                 std::vector<std::string>& lines) {
  while (measure(word) > width) {
    std::size_t fit = next_code_point(word, 0);  // at least one character a line
    for (std::size_t end = next_code_point(word, fit); end <= word.size();
         end = next_code_point(word, end)) {
      if (measure(word.substr(0, end)) > width)
        break;
      fit = end;
    }
    if (fit >= word.size())
      break;
    lines.emplace_back(word.substr(0, fit));
    word.remove_prefix(fit);
  }
  return word;
}

void wrap_paragraph(std::string_view paragraph, int width, const MeasureText& measure,
                    std::vector<std::string>& lines) {
  std::string line;
  std::size_t pos = 0;
  while (pos < paragraph.size()) {
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
      lines.emplace_back(trim_end(line));
    line.assign(break_long_word(word, width, measure, lines)).append(blanks);
  }
  lines.emplace_back(trim_end(line));
}

}  // namespace

std::vector<std::string> wrap_lines(std::string_view text, int width, const MeasureText& measure) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find_first_of("\r\n", start);
    const std::string_view paragraph =
        text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (width > 0) {
      wrap_paragraph(paragraph, width, measure, lines);
    } else {
      lines.emplace_back(paragraph);
    }
    if (end == std::string_view::npos)
      break;
    if (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  return lines;
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
