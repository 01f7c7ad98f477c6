#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/colour.h"

namespace omaha::testing {

// The colour a fake card sheet paints cell n with: every cell tells itself apart.
constexpr platform::Colour fake_cell_colour(int n) {
  return platform::rgb(static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(255 - n), 7);
}

// A bitmap whose pixel (x, y) has the colour `colour_at(x, y)`.
template <typename ColourAt>
std::shared_ptr<const platform::Bitmap> painted_bitmap(int width, int height, ColourAt colour_at) {
  std::vector<std::uint8_t> rgb;
  rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const platform::Colour c = colour_at(x, y);
      rgb.insert(rgb.end(), {platform::red_of(c), platform::green_of(c), platform::blue_of(c)});
    }
  }
  return std::make_shared<const platform::Bitmap>(width, height, 1, std::move(rgb));
}

// A card sheet of 4 x 18 cells of 40 x 56 pixels, each cell in its own colour.
inline std::shared_ptr<const platform::Bitmap> fake_card_sheet() {
  return painted_bitmap(722, 226,
                        [](int x, int y) { return fake_cell_colour(y / 56 * 18 + x / 40); });
}

// Registers the card sheet (101) and three small room pictures (102..104). The loaders hand
// out the same bitmap every time, so a test can compare pictures by identity.
inline void register_fake_pictures(platform::Application& app) {
  auto sheet = fake_card_sheet();
  app.resources().add_bitmap(101, [sheet] { return sheet; });
  for (int id = 102; id <= 104; ++id) {
    const platform::Colour colour = platform::rgb(static_cast<std::uint8_t>(id), 40, 90);
    auto room = painted_bitmap(8, 6, [colour](int, int) { return colour; });
    app.resources().add_bitmap(id, [room] { return room; });
  }
}

}  // namespace omaha::testing
