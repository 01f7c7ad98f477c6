#pragma once

#include <cstdint>

namespace platform {

// A colour as the game writes it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr std::uint8_t red_of(Colour c) {
  return static_cast<std::uint8_t>(c & 0xFF);
}
constexpr std::uint8_t green_of(Colour c) {
  return static_cast<std::uint8_t>((c >> 8) & 0xFF);
}
constexpr std::uint8_t blue_of(Colour c) {
  return static_cast<std::uint8_t>((c >> 16) & 0xFF);
}
constexpr Colour rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return static_cast<Colour>(r) | (static_cast<Colour>(g) << 8) | (static_cast<Colour>(b) << 16);
}

}  // namespace platform
