// Draws the card sheet and the room pictures and writes them encoded, one file per bitmap:
//   omaha_resource_generator <output dir> [--preview <dir>]
// With --preview it also writes each picture as a PPM file for looking at.

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "card_sheet.h"
#include "resources/image_codec.h"
#include "rooms.h"

namespace {

constexpr int kSheetDensity = 2;

void write_file(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  if (!out) {
    throw std::runtime_error("cannot write " + path.string());
  }
}

void write_ppm(const std::filesystem::path& path, const resources::DecodedImage& image) {
  const std::string header =
      "P6\n" + std::to_string(image.width) + " " + std::to_string(image.height) + "\n255\n";
  std::vector<std::uint8_t> bytes(header.begin(), header.end());
  bytes.insert(bytes.end(), image.rgb.begin(), image.rgb.end());
  write_file(path, bytes);
}

void emit(int id, const resgen::Canvas& canvas, int density, const std::filesystem::path& out_dir,
          const std::filesystem::path& preview_dir) {
  const resources::DecodedImage image{canvas.width(), canvas.height(), density, canvas.to_rgb8()};
  write_file(out_dir / ("bitmap_" + std::to_string(id) + ".orgb"), resources::encode_image(image));
  if (!preview_dir.empty()) {
    write_ppm(preview_dir / ("bitmap_" + std::to_string(id) + ".ppm"), image);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const bool with_preview = argc == 4 && std::string_view(argv[2]) == "--preview";
  if (argc != 2 && !with_preview) {
    std::fprintf(stderr, "usage: %s <output dir> [--preview <dir>]\n", argv[0]);
    return 2;
  }
  try {
    const std::filesystem::path out_dir = argv[1];
    const std::filesystem::path preview_dir = with_preview ? argv[3] : "";
    std::filesystem::create_directories(out_dir);
    if (with_preview) {
      std::filesystem::create_directories(preview_dir);
    }
    emit(101, resgen::draw_card_sheet(kSheetDensity), kSheetDensity, out_dir, preview_dir);
    emit(102, resgen::draw_club_room(), 1, out_dir, preview_dir);
    emit(103, resgen::draw_casino_hall(), 1, out_dir, preview_dir);
    emit(104, resgen::draw_lounge(), 1, out_dir, preview_dir);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
