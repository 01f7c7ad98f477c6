// The lounge: olive walls, tall windows onto a dusk sky, bookshelves, a floor lamp and plants.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "pictures.h"
#include "room_tools.h"

namespace resgen {
namespace {

const Perspective kLounge{{512, 310}, kRoomWidth, kRoomHeight, 2.2};
constexpr double kDadoTop = 560;
constexpr double kDepthUnit = 420;

const Rgb kWall = rgb8(58, 70, 46);
const Rgb kWallDark = rgb8(40, 50, 32);
const Rgb kWood = rgb8(74, 46, 26);
const Rgb kWoodDark = rgb8(44, 28, 16);
const Rgb kTrim = rgb8(150, 140, 112);
const Rgb kCurtain = rgb8(96, 52, 30);
const Rgb kLampLight = rgb8(255, 200, 130);

void draw_shell(Canvas& c) {
  const Shader wall = [](double x, double y) {
    const double z = kLounge.wall_depth(x);
    const Vec2 r = kLounge.room_point({x, y}, z);
    const double texture = value_noise(r.x / 40 + z * 10, r.y / 200, 21);
    return scaled(mix(kWallDark, kWall, smoothstep(0, 400, r.y)), 0.94 + 0.1 * texture);
  };
  fill_walls(c, kLounge, 0, kDadoTop, wall);

  for (const auto& [y0, y1, colour] :
       {std::tuple{kDadoTop, 768.0, kWood}, std::tuple{kDadoTop, kDadoTop + 12, kTrim},
        std::tuple{740.0, 768.0, kWoodDark}}) {
    fill_walls(c, kLounge, y0, y1, colour);
  }

  c.fill(
      kLounge.ceiling(0, kRoomWidth, 1, kLounge.back),
      vertical_gradient(0, rgb8(34, 34, 28), kLounge.at(0, 0, kLounge.back).y, rgb8(62, 60, 48)));
  c.fill(kLounge.back_wall(0, 0, kRoomWidth, 14), kTrim);
}

void draw_floor(Canvas& c) {
  const Shader boards = [](double x, double y) {
    const double z = kLounge.floor_depth(y);
    const Vec2 r = kLounge.room_point({x, y}, z);
    const double width = 56;
    const int plank = static_cast<int>(std::floor(r.x / width));
    const double tone = 0.82 + 0.3 * hash01(plank, 0, 13);
    const double seam = std::abs(r.x / width - std::floor(r.x / width + 0.5)) * width;
    const double grain = value_noise(r.x / 5, z * 6, 17);
    const Rgb base = scaled(rgb8(92, 60, 34), tone * (0.9 + 0.2 * grain));
    return scaled(base, std::min(1.0, 0.5 + 0.5 * seam / 2.0));
  };
  c.fill(kLounge.floor(0, kRoomWidth, 1, kLounge.back), Paint(supersampled(boards)));
  c.fill(kLounge.floor(120, 904, 1.1, 2.0), rgb8(52, 74, 50));
  c.fill(kLounge.floor(150, 874, 1.13, 1.95), rgb8(66, 90, 60));
}

// A tall window on the back wall: dusk sky, a line of far trees, white frame and bars.
void draw_window(Canvas& c, double x0, double x1, int seed) {
  const double y0 = 70, y1 = 500;
  const double z = kLounge.back;
  c.fill(kLounge.back_wall(x0 - 16, y0 - 16, x1 + 16, y1 + 22), kTrim);
  const Vec2 top = kLounge.at(x0, y0, z);
  const Vec2 bottom = kLounge.at(x1, y1, z);
  const Paint sky =
      Paint::linear({0, top.y}, {0, bottom.y},
                    {{0, rgb8(24, 34, 70)}, {0.6, rgb8(84, 80, 110)}, {1, rgb8(200, 130, 90)}});
  c.fill(kLounge.back_wall(x0, y0, x1, y1), sky);
  std::vector<Vec2> trees;
  for (int i = 0; i <= 40; ++i) {
    const double x = x0 + (x1 - x0) * i / 40;
    const double h = 40 + 40 * value_noise(i * 0.35, seed, 31) + 8 * std::sin(i * 1.7);
    trees.push_back(kLounge.at(x, y1 - h, z));
  }
  trees.push_back(kLounge.at(x1, y1, z));
  trees.push_back(kLounge.at(x0, y1, z));
  c.fill(polygon(trees), rgb8(22, 30, 26));
  // Glazing bars.
  const double mid = (x0 + x1) / 2;
  c.fill(kLounge.back_wall(mid - 4, y0, mid + 4, y1), kTrim);
  for (const double y : {y0 + (y1 - y0) / 3, y0 + 2 * (y1 - y0) / 3}) {
    c.fill(kLounge.back_wall(x0, y - 4, x1, y + 4), kTrim);
  }
}

// Curtains hanging either side of a window, with soft folds.
void draw_curtain(Canvas& c, double x0, double x1) {
  const Vec2 a = kLounge.at(x0, 0, kLounge.back);
  const Vec2 b = kLounge.at(x1, 0, kLounge.back);
  const double width = b.x - a.x;
  const Shader folds = [a, width](double x, double) {
    const double t = (x - a.x) / width;
    return scaled(kCurtain, 0.7 + 0.3 * std::pow(std::sin(t * std::numbers::pi * 5), 2));
  };
  c.fill(kLounge.back_wall(x0, 40, x1, 540), Paint(folds));
  c.fill(kLounge.back_wall(x0 - 6, 30, x1 + 6, 44), kWoodDark);
}

// Bookshelves against the left wall: a dark frame, shelves and rows of book spines.
void draw_bookshelves(Canvas& c) {
  const double z0 = 1.08, z1 = 1.9;
  c.fill(kLounge.side_wall(0, z0, z1, 80, kRoomHeight), kWoodDark);
  const Rgb spines[] = {rgb8(110, 34, 30), rgb8(40, 70, 50), rgb8(130, 100, 50),
                        rgb8(36, 46, 90),  rgb8(90, 60, 40), rgb8(140, 130, 110),
                        rgb8(70, 30, 60),  rgb8(60, 90, 100)};
  for (int shelf = 0; shelf < 6; ++shelf) {
    const double y0 = 100 + shelf * 112.0;
    const double y1 = y0 + 96;
    double z = z0 + 0.02;
    int book = 0;
    while (z < z1 - 0.03) {
      const double thick = 0.012 + 0.012 * hash01(shelf, book, 41);
      const double top = y0 + 6 + 26 * hash01(book, shelf, 43);
      const double zb = std::min(z + thick, z1 - 0.02);
      const Rgb colour = spines[static_cast<int>(hash01(book, shelf, 47) * 8)];
      c.fill(kLounge.side_wall(0, z, zb, top, y1), colour);
      z = zb + 0.002;
      ++book;
    }
    c.fill(kLounge.side_wall(0, z0, z1, y1, y1 + 14), kWood);
  }
  c.fill(kLounge.side_wall(0, z0, z0 + 0.02, 80, kRoomHeight), kWood);
  c.fill(kLounge.side_wall(0, z1 - 0.02, z1, 80, kRoomHeight), kWood);
  c.fill(kLounge.side_wall(0, z0, z1, 80, 100), kWood);
}

void draw_floor_lamp(Canvas& c, Vec2 foot, double k) {
  c.add_glow({foot.x, foot.y - 300 * k}, 340 * k, kLampLight, 0.28);
  c.fill(rect(foot.x - 3 * k, foot.y - 290 * k, foot.x + 3 * k, foot.y), rgb8(40, 34, 26));
  c.fill(ellipse(foot, 34 * k, 8 * k), rgb8(40, 34, 26));
  c.fill(trapezoid(foot.x, foot.y - 360 * k, 30 * k, foot.y - 290 * k, 48 * k),
         rgb8(236, 206, 150));
}

// A potted plant: terracotta pot and a fan of dark leaves.
void draw_plant(Canvas& c, Vec2 base, double k, int seed) {
  for (int i = 0; i < 11; ++i) {
    const double angle = -160 + 140 * i / 10.0 + 12 * (hash01(i, seed, 51) - 0.5);
    const double len = (120 + 70 * hash01(seed, i, 53)) * k;
    const double rad = angle * std::numbers::pi / 180;
    const Vec2 stalk{base.x, base.y - 70 * k};
    const Vec2 tip = stalk + Vec2{std::cos(rad), std::sin(rad)} * len;
    const Vec2 mid = lerp(stalk, tip, 0.5);
    const Vec2 n{-(tip.y - mid.y) * 0.22, (tip.x - mid.x) * 0.22};
    const Figure leaf = [=](cairo_t* cr) {
      cairo_move_to(cr, stalk.x, stalk.y);
      quad_to(cr, mid + n, tip);
      quad_to(cr, mid - n, stalk);
      cairo_close_path(cr);
    };
    c.fill(leaf, i % 2 == 0 ? rgb8(36, 70, 40) : rgb8(48, 88, 50));
  }
  c.fill(trapezoid(base.x, base.y - 90 * k, 44 * k, base.y, 32 * k), rgb8(140, 70, 44));
}

}  // namespace

Canvas draw_lounge() {
  Canvas c(kRoomWidth, kRoomHeight, kWallDark);
  draw_shell(c);
  draw_floor(c);
  for (const double x : {150.0, 420.0, 690.0}) {
    draw_curtain(c, x - 50, x - 6);
    draw_curtain(c, x + 190, x + 234);
    draw_window(c, x, x + 184, static_cast<int>(x));
  }
  draw_bookshelves(c);
  // A framed picture on the right wall.
  c.fill(kLounge.side_wall(kRoomWidth, 1.3, 1.8, 150, 400), kTrim);
  c.fill(kLounge.side_wall(kRoomWidth, 1.33, 1.77, 164, 386),
         vertical_gradient(120, rgb8(60, 80, 90), 420, rgb8(120, 90, 60)));
  c.fill(polygon({kLounge.at(kRoomWidth, 300, 1.33), kLounge.at(kRoomWidth, 250, 1.55),
                  kLounge.at(kRoomWidth, 290, 1.77), kLounge.at(kRoomWidth, 386, 1.77),
                  kLounge.at(kRoomWidth, 386, 1.33)}),
         rgb8(50, 62, 40));
  // A round ceiling light.
  const Vec2 light = kLounge.at(512, 0, 1.5);
  c.add_glow(light, 260, kLampLight, 0.12);
  c.fill(ellipse(light, 60, 10), rgb8(230, 214, 170));
  draw_floor_lamp(c, kLounge.at(kRoomWidth - 70, kRoomHeight, 1.5), 1 / 1.5);
  draw_plant(c, {60, 760}, 1.0, 1);
  draw_plant(c, {966, 760}, 1.0, 2);
  c.darken_edges(0.5);
  return c;
}

}  // namespace resgen
