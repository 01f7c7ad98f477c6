// Draws the card sheet and the room pictures and writes them as PNG files, bitmap_<id>.png:
//   omaha_resource_generator <output dir> <bold font file>

#include <cstdio>
#include <exception>
#include <filesystem>

#include "pictures.h"

namespace {
constexpr int kSheetDensity = 2;
}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output dir> <bold font file>\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path out_dir = argv[1];
    std::filesystem::create_directories(out_dir);
    resgen::draw_card_sheet(kSheetDensity, argv[2]).write_png(out_dir / "bitmap_101.png");
    resgen::draw_club_room().write_png(out_dir / "bitmap_102.png");
    resgen::draw_casino_hall().write_png(out_dir / "bitmap_103.png");
    resgen::draw_lounge().write_png(out_dir / "bitmap_104.png");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
