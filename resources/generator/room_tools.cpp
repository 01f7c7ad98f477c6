#include "room_tools.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace resgen {

Figure trapezoid(double cx, double top, double top_half, double bottom, double bottom_half) {
  return polygon({{cx - top_half, top},
                  {cx + top_half, top},
                  {cx + bottom_half, bottom},
                  {cx - bottom_half, bottom}});
}

void fill_walls(Canvas& c, const Perspective& room, double y0, double y1, const Paint& paint) {
  c.fill(room.side_wall(0, 1, room.back, y0, y1), paint);
  c.fill(room.side_wall(room.width, 1, room.back, y0, y1), paint);
  c.fill(room.back_wall(0, y0, room.width, y1), paint);
}

double hash01(int x, int y, int seed) {
  std::uint32_t h = static_cast<std::uint32_t>(x) * 0x8da6b343u ^
                    static_cast<std::uint32_t>(y) * 0xd8163841u ^
                    static_cast<std::uint32_t>(seed) * 0xcb1ab31fu;
  h ^= h >> 15;
  h *= 0x2c1b3c6du;
  h ^= h >> 12;
  h *= 0x297a2d39u;
  h ^= h >> 15;
  return (h & 0xFFFFFFu) / static_cast<double>(0x1000000);
}

double value_noise(double x, double y, int seed) {
  const double fx = std::floor(x);
  const double fy = std::floor(y);
  const int ix = static_cast<int>(fx);
  const int iy = static_cast<int>(fy);
  const double tx = smoothstep(0, 1, x - fx);
  const double ty = smoothstep(0, 1, y - fy);
  const double top = hash01(ix, iy, seed) + (hash01(ix + 1, iy, seed) - hash01(ix, iy, seed)) * tx;
  const double bottom =
      hash01(ix, iy + 1, seed) + (hash01(ix + 1, iy + 1, seed) - hash01(ix, iy + 1, seed)) * tx;
  return top + (bottom - top) * ty;
}

Shader supersampled(Shader inner) {
  return [inner = std::move(inner)](double x, double y) {
    Rgb sum;
    for (const double dx : {-0.25, 0.25}) {
      for (const double dy : {-0.25, 0.25}) {
        const Rgb c = inner(x + dx, y + dy);
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
      }
    }
    return scaled(sum, 0.25);
  };
}

void add_light_cone(Canvas& canvas, Vec2 apex, double direction, double half_angle, double reach,
                    Rgb colour, double strength) {
  const double dir = direction * std::numbers::pi / 180;
  const double half = half_angle * std::numbers::pi / 180;
  const Vec2 axis{std::cos(dir), std::sin(dir)};
  const Figure sector = [=](cairo_t* cr) {
    cairo_move_to(cr, apex.x, apex.y);
    cairo_arc(cr, apex.x, apex.y, reach / std::cos(half), dir - half, dir + half);
    cairo_close_path(cr);
  };
  canvas.add_light(sector, [=](double x, double y) {
    const Vec2 d = Vec2{x, y} - apex;
    const double along = d.x * axis.x + d.y * axis.y;
    if (along <= 0 || along >= reach) {
      return Rgb{};
    }
    const double angle = std::atan2(std::abs(d.x * axis.y - d.y * axis.x), along);
    const double edge = 1 - smoothstep(half * 0.55, half, angle);
    return scaled(colour, edge * std::pow(1 - along / reach, 1.6) * strength);
  });
}

}  // namespace resgen
