// The club room: burgundy wallpaper over wood panelling, framed paintings, brass wall lamps and
// a green-shaded lamp hanging over the table.

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "pictures.h"
#include "room_tools.h"

namespace resgen {
namespace {

const Perspective kRoom{{512, 300}, kRoomWidth, kRoomHeight, 2.4};
constexpr double kRailTop = 470;     // top of the wood panelling
constexpr double kRailBottom = 490;  // bottom of the chair rail
constexpr double kDepthUnit = 420;   // room units per unit of depth along the side walls

const Rgb kWallpaper = rgb8(84, 22, 28);
const Rgb kWallpaperStripe = rgb8(72, 18, 24);
const Rgb kWallpaperFigure = rgb8(98, 32, 34);
const Rgb kWood = rgb8(78, 42, 22);
const Rgb kWoodDark = rgb8(48, 24, 12);
const Rgb kWoodLight = rgb8(112, 64, 32);
const Rgb kBrass = rgb8(170, 128, 60);
const Rgb kLampLight = rgb8(255, 190, 110);

// Wallpaper: two-tone stripes with a small diamond figure, u across the wall, v down it.
Rgb wallpaper(double u, double v) {
  const double s = u / 44 - std::floor(u / 44);
  Rgb c = s < 0.5 ? kWallpaper : kWallpaperStripe;
  const double fu = std::abs(s - 0.25) * 2;
  const double fv = std::abs(v / 60 - std::floor(v / 60) - 0.5) * 2;
  if (s < 0.5 && fu * 0.5 + fv * 0.5 < 0.22) {
    c = kWallpaperFigure;
  }
  // A little darker towards the ceiling, where the lamps do not reach.
  return scaled(c, 0.75 + 0.25 * smoothstep(0, 300, v));
}

// Wood with slow streaks of grain along u.
Rgb wood(double u, double v, Rgb base, int seed) {
  const double grain =
      (2 * value_noise(u / 90, v / 9, seed) + value_noise(u / 45, v / 4.5, seed + 1)) / 3;
  return scaled(base, 0.86 + 0.28 * grain);
}

// A pattern on the walls, given (distance along the wall, height) in room units.
template <typename F>
Shader on_walls(F pattern) {
  return [pattern](double x, double y) {
    const double z = kRoom.wall_depth(x);
    const Vec2 r = kRoom.room_point({x, y}, z);
    return pattern(z == kRoom.back ? r.x : z * kDepthUnit, r.y);
  };
}

void draw_shell(Canvas& c) {
  fill_walls(c, kRoom, 0, kRailTop, on_walls(wallpaper));
  fill_walls(c, kRoom, kRailTop, kRoomHeight,
             on_walls([](double u, double v) { return wood(u, v, kWood, 5); }));
}

// Raised panels below the chair rail: a dark groove round a lighter field.
void draw_panels(Canvas& c) {
  const double top = kRailBottom + 24;
  const double bottom = kRoomHeight - 60;
  const auto raised = [&](const Figure& outer, const Figure& inner) {
    c.fill(outer, kWoodDark);
    c.fill(inner, kWoodLight, 0.35);
  };
  for (int i = 0; i < 4; ++i) {
    const double z0 = 1.0 + i * 0.36 + 0.06;
    const double z1 = z0 + 0.28;
    for (const double x : {0, kRoomWidth}) {
      raised(kRoom.side_wall(x, z0, z1, top, bottom),
             kRoom.side_wall(x, z0 + 0.02, z1 - 0.02, top + 10, bottom - 10));
    }
  }
  for (int i = 0; i < 6; ++i) {
    const double x0 = 24 + i * 166.0;
    const double x1 = x0 + 142;
    raised(kRoom.back_wall(x0, top, x1, bottom),
           kRoom.back_wall(x0 + 10, top + 10, x1 - 10, bottom - 10));
  }
  // Chair rail and skirting.
  for (const auto& [y0, y1] :
       {std::pair{kRailTop, kRailBottom}, std::pair{kRoomHeight - 30.0, 768.0}}) {
    fill_walls(c, kRoom, y0, y1, kWoodLight);
  }
}

void draw_ceiling(Canvas& c) {
  c.fill(kRoom.ceiling(0, kRoomWidth, 1, kRoom.back),
         vertical_gradient(0, rgb8(30, 16, 10), kRoom.at(0, 0, kRoom.back).y, rgb8(52, 30, 18)));
  // Beams running back from the viewer and across.
  for (const double x : {0.0, 256.0, 512.0, 768.0, 1024.0}) {
    c.fill(kRoom.ceiling(x - 18, x + 18, 1, kRoom.back), kWoodDark);
  }
  for (const double z : {1.3, 1.75, 2.3}) {
    c.fill(kRoom.ceiling(0, kRoomWidth, z, z + 0.06), kWoodDark);
  }
  // Crown moulding where the walls meet the ceiling.
  fill_walls(c, kRoom, 0, 18, kWood);
}

void draw_floor(Canvas& c) {
  const Shader boards = [](double x, double y) {
    const double z = kRoom.floor_depth(y);
    const Vec2 r = kRoom.room_point({x, y}, z);
    const double width = 72;
    const int plank = static_cast<int>(std::floor(r.x / width));
    const double along = z * 500 + hash01(plank, 0, 7) * 300;
    const int board = static_cast<int>(std::floor(along / 380));
    const double tone = 0.8 + 0.35 * hash01(plank, board, 3);
    const double seam = std::abs(r.x / width - std::floor(r.x / width + 0.5)) * width;
    const double end = std::abs(along / 380 - std::floor(along / 380 + 0.5)) * 380;
    const Rgb base = wood(along, r.x, scaled(rgb8(70, 36, 20), tone), 9);
    return scaled(base, std::min(1.0, 0.45 + 0.55 * std::min(seam, end) / 2.5));
  };
  c.fill(kRoom.floor(0, kRoomWidth, 1, kRoom.back), Paint(supersampled(boards)));

  // A deep red rug with a gold border under the table.
  c.fill(kRoom.floor(140, 884, 1.08, 2.2), rgb8(120, 96, 46));
  c.fill(kRoom.floor(160, 864, 1.11, 2.15), rgb8(86, 18, 22));
  c.fill(kRoom.floor(200, 824, 1.16, 2.08), rgb8(120, 96, 46), 0.6);
  c.fill(kRoom.floor(208, 816, 1.175, 2.07), rgb8(96, 22, 26));
}

// A gilt frame holding a dark landscape, on the back wall.
void draw_painting(Canvas& c, double x0, double y0, double x1, double y1, int seed) {
  c.fill(kRoom.back_wall(x0 - 14, y0 - 14, x1 + 14, y1 + 14), rgb8(150, 110, 48));
  c.fill(kRoom.back_wall(x0 - 6, y0 - 6, x1 + 6, y1 + 6), rgb8(98, 70, 30));
  const Vec2 top = kRoom.at(x0, y0, kRoom.back);
  const Vec2 bottom = kRoom.at(x1, y1, kRoom.back);
  c.fill(kRoom.back_wall(x0, y0, x1, y1),
         vertical_gradient(top.y, rgb8(70, 84, 88), bottom.y, rgb8(150, 110, 70)));
  // Rolling hills.
  for (int layer = 0; layer < 2; ++layer) {
    std::vector<Vec2> hill;
    const double base = y0 + (y1 - y0) * (0.55 + 0.15 * layer);
    for (int i = 0; i <= 24; ++i) {
      const double x = x0 + (x1 - x0) * i / 24;
      const double wave = std::sin(i * 0.45 + seed + layer * 2.0) * (y1 - y0) * 0.08;
      hill.push_back(kRoom.at(x, base + wave, kRoom.back));
    }
    hill.push_back(kRoom.at(x1, y1, kRoom.back));
    hill.push_back(kRoom.at(x0, y1, kRoom.back));
    c.fill(polygon(hill), layer == 0 ? rgb8(52, 62, 40) : rgb8(34, 40, 26));
  }
}

// A painting on the left wall.
void draw_side_painting(Canvas& c, double z0, double z1, double y0, double y1) {
  c.fill(kRoom.side_wall(0, z0 - 0.03, z1 + 0.03, y0 - 14, y1 + 14), rgb8(150, 110, 48));
  c.fill(kRoom.side_wall(0, z0, z1, y0, y1),
         vertical_gradient(kRoom.at(0, y0, z0).y, rgb8(60, 70, 76), kRoom.at(0, y1, z0).y,
                           rgb8(110, 80, 56)));
  c.fill(kRoom.side_wall(0, z0, z1, y0 + (y1 - y0) * 0.6, y1), rgb8(40, 46, 30));
}

// A brass wall lamp with a cream shade at a point on a wall (its depth sets the size).
void draw_sconce(Canvas& c, Vec2 at, double z) {
  const double k = 1.0 / z;
  c.add_glow(at, 230 * k, kLampLight, 0.22);
  c.add_glow(at, 70 * k, kLampLight, 0.35);
  c.fill(rect(at.x - 4 * k, at.y, at.x + 4 * k, at.y + 46 * k), kBrass);
  c.fill(circle({at.x, at.y + 48 * k}, 9 * k), kBrass);
  c.fill(trapezoid(at.x, at.y - 30 * k, 14 * k, at.y + 2 * k, 22 * k), rgb8(250, 226, 180));
}

// The lamp over the table: a chain, a green glass shade and its pool of light.
void draw_table_lamp(Canvas& c) {
  c.fill(rect(509, 0, 515, 86), rgb8(60, 46, 24));
  add_light_cone(c, {512, 120}, 90, 48, 640, kLampLight, 0.22);
  const Figure shade = [](cairo_t* cr) {
    cairo_move_to(cr, 452, 126);
    quad_to(cr, {458, 92}, {500, 86});
    cairo_line_to(cr, 524, 86);
    quad_to(cr, {566, 92}, {572, 126});
    cairo_close_path(cr);
  };
  c.fill(shade, rgb8(26, 92, 52));
  c.fill(rect(452, 122, 572, 128), rgb8(190, 150, 70));
  c.add_glow({512, 128}, 90, kLampLight, 0.5);
  c.fill(ellipse({512, 128}, 56, 6), rgb8(255, 236, 190));
}

void draw_door(Canvas& c) {
  const double z0 = 1.22, z1 = 1.58;
  c.fill(kRoom.side_wall(kRoomWidth, z0 - 0.03, z1 + 0.03, 120, kRoomHeight), kWoodLight);
  c.fill(kRoom.side_wall(kRoomWidth, z0, z1, 140, kRoomHeight), kWoodDark);
  for (const auto& [y0, y1] : {std::pair{180.0, 420.0}, std::pair{470.0, 700.0}}) {
    c.fill(kRoom.side_wall(kRoomWidth, z0 + 0.04, z1 - 0.04, y0, y1), kWood);
  }
  c.fill(circle(kRoom.at(kRoomWidth, 450, z0 + 0.05), 7), kBrass);
}

}  // namespace

Canvas draw_club_room() {
  Canvas c(kRoomWidth, kRoomHeight, kWoodDark);
  draw_shell(c);
  draw_panels(c);
  draw_ceiling(c);
  draw_floor(c);
  draw_painting(c, 110, 150, 400, 380, 1);
  draw_painting(c, 624, 150, 914, 380, 4);
  draw_side_painting(c, 1.25, 1.75, 150, 380);
  draw_door(c);
  for (const double x : {40.0, 512.0, 984.0}) {
    draw_sconce(c, kRoom.at(x, 250, kRoom.back), kRoom.back);
  }
  draw_sconce(c, kRoom.at(0, 250, 1.95), 1.95);
  draw_sconce(c, kRoom.at(kRoomWidth, 250, 1.95), 1.95);
  draw_table_lamp(c);
  c.darken_edges(0.55);
  return c;
}

}  // namespace resgen
