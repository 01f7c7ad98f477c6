#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numeric>

// Small pieces the table audit's checks share.
namespace omaha::testing::audit {

inline std::size_t at(int seat) {
  return static_cast<std::size_t>(seat - 1);
}

template <typename Array>
std::int64_t sum_of(const Array& values) {
  return std::accumulate(values.begin(), values.end(), std::int64_t{0});
}

// Nearest whole number, an exact half to the even neighbour.
inline std::int64_t nearest_even(double x) {
  if (std::abs(x - std::trunc(x)) == 0.5)
    return static_cast<std::int64_t>(2.0 * std::round(x / 2.0));
  return static_cast<std::int64_t>(std::round(x));
}

}  // namespace omaha::testing::audit
