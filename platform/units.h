#pragma once

namespace platform {

// Positions and sizes are twips: 1440 to the inch, 20 to a point. At scale 1 a pixel is 15
// twips.
inline constexpr double kTwipsPerPixel = 15.0;
inline constexpr double kTwipsPerPoint = 20.0;

}  // namespace platform
