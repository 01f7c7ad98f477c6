// Draws the card sheet and the room pictures and writes them as PNG files named for what they
// show (card_sheet.png, club_room.png, casino_hall.png, lounge.png):
//   omaha_resource_generator <output dir> <bold font file>

#include <cstdio>
#include <exception>
#include <filesystem>

#include "pictures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output dir> <bold font file>\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path out_dir = argv[1];
    std::filesystem::create_directories(out_dir);
    resgen::draw_card_sheet(resources::kSheetDensity, argv[2])
        .write_png(out_dir / "card_sheet.png");
    resgen::draw_club_room().write_png(out_dir / "club_room.png");
    resgen::draw_casino_hall().write_png(out_dir / "casino_hall.png");
    resgen::draw_lounge().write_png(out_dir / "lounge.png");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
