#include <gtest/gtest.h>

#include "test_support.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "offscreen.h"

namespace sdl_test {

namespace {

const std::vector<unsigned char>& read_font(const std::string& name) {
  static std::map<std::string, std::vector<unsigned char>> loaded;
  auto found = loaded.find(name);
  if (found == loaded.end()) {
    std::ifstream in("/usr/share/fonts/truetype/liberation/" + name, std::ios::binary);
    found = loaded
                .emplace(name, std::vector<unsigned char>(std::istreambuf_iterator<char>(in),
                                                          std::istreambuf_iterator<char>()))
                .first;
  }
  return found->second;
}

}  // namespace

platform::sdl::FontSet liberation_fonts() {
  const auto& regular = read_font("LiberationSans-Regular.ttf");
  const auto& bold = read_font("LiberationSans-Bold.ttf");
  EXPECT_FALSE(regular.empty()) << "fonts-liberation is not installed";
  return platform::sdl::FontSet{regular, bold};
}

std::shared_ptr<const platform::Bitmap> solid_bitmap(int width, int height, int density,
                                                     platform::Colour colour) {
  std::vector<std::uint8_t> rgb;
  for (int i = 0; i < width * height; ++i) {
    rgb.push_back(platform::red_of(colour));
    rgb.push_back(platform::green_of(colour));
    rgb.push_back(platform::blue_of(colour));
  }
  return std::make_shared<const platform::Bitmap>(width, height, density, std::move(rgb));
}

int count_pixels(const platform::Bitmap& image, PixelBox box,
                 const std::function<bool(platform::Colour)>& test) {
  int count = 0;
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      count += test(image.pixel(x, y)) ? 1 : 0;
  return count;
}

PixelBox bounds_of(const platform::Bitmap& image, PixelBox box,
                   const std::function<bool(platform::Colour)>& test) {
  PixelBox found{box.right, box.bottom, box.left, box.top};
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      if (!test(image.pixel(x, y)))
        continue;
      found.left = std::min(found.left, x);
      found.top = std::min(found.top, y);
      found.right = std::max(found.right, x + 1);
      found.bottom = std::max(found.bottom, y + 1);
    }
  }
  return found;
}

platform::Bitmap OffscreenTest::render(double scale) const {
  return offscreen::render(form, scale, liberation_fonts());
}

platform::Control& OffscreenTest::add(platform::ControlKind kind, float left, float top,
                                      float width, float height) {
  std::string name = "c";
  name += std::to_string(form.controls().size());
  platform::Control& control = form.add(kind, std::move(name));
  control.set_bounds(left, top, width, height);
  return control;
}

}  // namespace sdl_test
