#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A number as a caption shows it: one leading blank when not negative (" 20"), a minus otherwise.
std::string Str(std::int64_t n);

// The leading number of a text: blanks skipped, an optional sign, digits with at most one
// decimal point. 0 when the text does not start with a number.
double Val(std::string_view text);

// True when the whole text, blanks around it allowed, is plain digits with at most one decimal
// point and at least one digit: no sign, no exponent.
bool is_plain_amount(std::string_view text);

// Nearest whole number, an exact half going to the even neighbour (2.5 -> 2, 3.5 -> 4).
double round_half_even(double x);

// Half-to-even conversion that refuses values outside the 32-bit range.
std::optional<std::int32_t> to_int32(double x);

// Half-to-even conversion clamped into the 32-bit range.
std::int32_t clamp_to_int32(double x);

}  // namespace platform
