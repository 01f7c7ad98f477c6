#pragma once

#include <span>

namespace platform::sdl {

// The two faces every text is drawn with, as TrueType files in memory (normally arrays embedded
// in the executable). The bytes must outlive everything that draws with them.
struct FontSet {
  std::span<const unsigned char> regular;
  std::span<const unsigned char> bold;  // may be empty: the regular face is emboldened instead
};

}  // namespace platform::sdl
