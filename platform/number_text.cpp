#include "platform/number_text.h"

#include <cmath>
#include <limits>

namespace platform {

std::string Str(std::int64_t n) {
  std::string text = n < 0 ? "" : " ";
  text += std::to_string(n);
  return text;
}

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t';
}
bool is_digit(char c) {
  return c >= '0' && c <= '9';
}

struct Scan {
  std::size_t end = 0;  // one past the last character of the number
  bool has_digits = false;
};

// Scans a number (optional sign, digits, one optional point) starting at `pos`.
Scan scan_number(std::string_view text, std::size_t pos, bool allow_sign) {
  Scan scan;
  if (allow_sign && pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
    ++pos;
  bool seen_point = false;
  for (; pos < text.size(); ++pos) {
    if (is_digit(text[pos])) {
      scan.has_digits = true;
    } else if (text[pos] == '.' && !seen_point) {
      seen_point = true;
    } else {
      break;
    }
  }
  scan.end = pos;
  return scan;
}

std::size_t skip_blanks(std::string_view text, std::size_t pos) {
  while (pos < text.size() && is_blank(text[pos]))
    ++pos;
  return pos;
}

}  // namespace

double Val(std::string_view text) {
  const std::size_t start = skip_blanks(text, 0);
  const Scan scan = scan_number(text, start, true);
  if (!scan.has_digits)
    return 0.0;
  const std::string number(text.substr(start, scan.end - start));
  return std::strtod(number.c_str(), nullptr);
}

bool is_plain_amount(std::string_view text) {
  const std::size_t start = skip_blanks(text, 0);
  const Scan scan = scan_number(text, start, false);
  return scan.has_digits && skip_blanks(text, scan.end) == text.size();
}

double round_half_even(double x) {
  return std::nearbyint(x);
}

std::optional<std::int32_t> to_int32(double x) {
  if (!std::isfinite(x))
    return std::nullopt;
  const double r = round_half_even(x);
  if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
    return std::nullopt;
  return static_cast<std::int32_t>(r);
}

std::int32_t clamp_to_int32(double x) {
  if (std::isnan(x))
    return 0;
  const double r = round_half_even(x);
  if (r <= std::numeric_limits<std::int32_t>::min())
    return std::numeric_limits<std::int32_t>::min();
  if (r >= std::numeric_limits<std::int32_t>::max())
    return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(r);
}

}  // namespace platform
