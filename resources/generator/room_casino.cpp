// The casino hall: a long dark-blue hall with rows of ceiling lights, pillars, neon trim and
// slot machines glowing along the walls.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "pictures.h"
#include "room_tools.h"

namespace resgen {
namespace {

const Perspective kHall{{512, 290}, kRoomWidth, kRoomHeight, 3.4};
constexpr double kDepthUnit = 420;
constexpr double kNeonHeight = 236;

const Rgb kWallTop = rgb8(10, 14, 38);
const Rgb kWallBottom = rgb8(26, 34, 84);
const Rgb kPillar = rgb8(34, 46, 104);
const Rgb kGold = rgb8(176, 140, 64);
const Rgb kCyan = rgb8(60, 220, 255);
const Rgb kMagenta = rgb8(236, 70, 200);
const Rgb kWarmLight = rgb8(255, 214, 150);

Paint wall_gradient(double z) {
  return vertical_gradient(kHall.at(0, 0, z).y, kWallTop, kHall.at(0, kRoomHeight, z).y,
                           kWallBottom);
}

void draw_walls(Canvas& c) {
  // Side walls shade with height in room units, so map back to the room first.
  const Shader side = [](double x, double y) {
    const double v = kHall.room_point({x, y}, kHall.wall_depth(x)).y;
    return mix(kWallTop, kWallBottom, std::clamp(v / kRoomHeight, 0.0, 1.0));
  };
  c.fill(kHall.side_wall(0, 1, kHall.back, 0, kRoomHeight), Paint(side));
  c.fill(kHall.side_wall(kRoomWidth, 1, kHall.back, 0, kRoomHeight), Paint(side));
  c.fill(kHall.back_wall(0, 0, kRoomWidth, kRoomHeight), wall_gradient(kHall.back));

  // Pillars with gold bands, and a soft uplight between each pair.
  for (int i = 0; i < 6; ++i) {
    const double z0 = 1.08 + i * 0.4;
    const double z1 = z0 + 0.09;
    for (const double x : {0, kRoomWidth}) {
      const double zm = z0 + 0.24;
      c.add_glow(kHall.at(x, 420, zm), 260 / zm, rgb8(90, 110, 255), 0.16);
      c.fill(kHall.side_wall(x, z0, z1, 0, kRoomHeight), kPillar);
      c.fill(kHall.side_wall(x, z0, z1, 60, 74), kGold);
      c.fill(kHall.side_wall(x, z0, z1, kRoomHeight - 120, kRoomHeight - 106), kGold);
    }
  }
}

// Thin glowing neon lines along both side walls and across the back wall.
void draw_neon(Canvas& c) {
  for (const double x : {0, kRoomWidth}) {
    for (int i = 0; i < 24; ++i) {
      const double z = 1.0 + i * 0.1;
      c.add_glow(kHall.at(x, kNeonHeight, z), 70 / z, kMagenta, 0.08);
    }
    c.fill(kHall.side_wall(x, 1, kHall.back, kNeonHeight - 3, kNeonHeight + 3),
           rgb8(255, 170, 240));
  }
  const Vec2 a = kHall.at(0, kNeonHeight, kHall.back);
  const Vec2 b = kHall.at(kRoomWidth, kNeonHeight, kHall.back);
  for (int i = 0; i <= 12; ++i) {
    c.add_glow(lerp(a, b, i / 12.0), 40, kCyan, 0.1);
  }
  c.fill(kHall.back_wall(0, kNeonHeight - 4, kRoomWidth, kNeonHeight + 4), rgb8(170, 250, 255));
}

void draw_ceiling(Canvas& c) {
  c.fill(kHall.ceiling(0, kRoomWidth, 1, kHall.back),
         vertical_gradient(0, rgb8(6, 8, 24), kHall.at(0, 0, kHall.back).y, rgb8(16, 20, 52)));
  for (int i = 0; i < 12; ++i) {
    const double z = 1.0 + i * 0.2;
    c.fill(kHall.ceiling(0, kRoomWidth, z, z + 0.025), rgb8(30, 38, 86));
  }
  for (int row = 0; row < 11; ++row) {
    const double z = 1.1 + row * 0.2;
    for (const double x : {128.0, 384.0, 640.0, 896.0}) {
      const Vec2 p = kHall.at(x, 0, z);
      c.add_glow(p, 44 / z, kWarmLight, 0.3);
      c.fill(circle(p, 5 / z), rgb8(255, 246, 220));
    }
  }
}

void draw_chandelier(Canvas& c) {
  const Vec2 centre{512, 92};
  c.fill(rect(510, 0, 514, 60), kGold);
  c.add_glow(centre, 240, kWarmLight, 0.3);
  c.fill(ellipse(centre, 120, 22), kGold);
  c.fill(ellipse({512, 88}, 108, 16), rgb8(70, 56, 30));
  for (int i = 0; i < 13; ++i) {
    const double x = 412 + i * 200.0 / 12;
    const double y = 108 + 10 * std::sin(i * std::numbers::pi / 12);
    c.fill(rect(x - 1.5, y - 6, x + 1.5, y + 22), rgb8(220, 230, 255));
    c.add_glow({x, y + 24}, 14, rgb8(255, 255, 255), 0.6);
  }
}

void draw_carpet(Canvas& c) {
  const Shader carpet = [](double x, double y) {
    const double z = kHall.floor_depth(y);
    const Vec2 r = kHall.room_point({x, y}, z);
    const double u = r.x / 64;
    const double v = z * kDepthUnit / 64;
    const double du = std::abs(u - std::floor(u) - 0.5);
    const double dv = std::abs(v - std::floor(v) - 0.5);
    Rgb base = rgb8(18, 20, 56);
    if (du + dv < 0.16) {
      base = rgb8(96, 74, 36);
    } else if (std::abs(du + dv - 0.5) < 0.04) {
      base = rgb8(56, 20, 44);
    }
    // Light falls off towards the far end of the hall.
    return scaled(base, 0.55 + 0.45 / z);
  };
  c.fill(kHall.floor(0, kRoomWidth, 1, kHall.back), Paint(supersampled(carpet)));
}

// A slot machine standing against a side wall, facing into the hall.
void draw_slot_machine(Canvas& c, bool left, double z0, double z1, int seed) {
  const double x = left ? 30 : kRoomWidth - 30;
  const Rgb body = seed % 2 == 0 ? rgb8(92, 20, 44) : rgb8(40, 26, 90);
  const Rgb lamp = seed % 3 == 0 ? kCyan : seed % 3 == 1 ? kMagenta : rgb8(255, 200, 60);
  const double zm = (z0 + z1) / 2;
  c.add_glow(kHall.at(x, 500, zm), 150 / zm, lamp, 0.15);
  c.fill(kHall.side_wall(x, z0, z1, 420, kRoomHeight), body);
  c.fill(kHall.side_wall(x, z0 + 0.01, z1 - 0.01, 430, 460), lamp);
  c.fill(kHall.side_wall(x, z0 + 0.015, z1 - 0.015, 490, 580), rgb8(230, 236, 250));
  for (int reel = 0; reel < 3; ++reel) {
    const double a = z0 + 0.015 + (z1 - z0 - 0.03) * (reel + 0.3) / 3;
    const double b = z0 + 0.015 + (z1 - z0 - 0.03) * (reel + 0.7) / 3;
    c.fill(kHall.side_wall(x, a, b, 515, 555),
           reel == seed % 3 ? rgb8(200, 30, 40) : rgb8(30, 60, 160));
  }
  c.fill(kHall.side_wall(x, z0 + 0.01, z1 - 0.01, 620, 650), kGold);
}

}  // namespace

Canvas draw_casino_hall() {
  Canvas c(kRoomWidth, kRoomHeight, kWallTop);
  draw_walls(c);
  draw_ceiling(c);
  draw_carpet(c);
  draw_neon(c);
  for (int i = 0; i < 5; ++i) {
    const double z0 = 1.2 + i * 0.4;
    draw_slot_machine(c, true, z0, z0 + 0.2, i);
    draw_slot_machine(c, false, z0, z0 + 0.2, i + 1);
  }
  draw_chandelier(c);
  c.darken_edges(0.5);
  return c;
}

}  // namespace resgen
