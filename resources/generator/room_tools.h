#pragma once

#include "canvas.h"

namespace resgen {

// One-point perspective for a box-shaped room. The picture plane is depth z = 1, where room
// coordinates equal canvas coordinates: x runs 0 (left wall) .. width (right wall), y runs
// 0 (ceiling) .. height (floor). Further away, everything shrinks towards the vanishing point.
struct Perspective {
  Vec2 vanish;
  double width = 0;
  double height = 0;
  double back = 2;  // depth of the back wall

  Vec2 at(double x, double y, double z) const { return vanish + (Vec2{x, y} - vanish) * (1.0 / z); }
  // Room point seen at canvas position s, if it lies at depth z.
  Vec2 room_point(Vec2 s, double z) const { return vanish + (s - vanish) * z; }

  // Depth of the floor seen at a canvas position.
  double floor_depth(double sy) const { return (height - vanish.y) / (sy - vanish.y); }
  // Depth of the wall seen at canvas x: the back wall between its corners, else a side wall.
  double wall_depth(double sx) const {
    if (sx > at(0, 0, back).x && sx < at(width, 0, back).x) {
      return back;
    }
    return ((sx < vanish.x ? 0 : width) - vanish.x) / (sx - vanish.x);
  }

  // Rectangles lying on the room's surfaces; a side wall stands at room x (0 left, width right).
  Figure side_wall(double x, double z0, double z1, double y0, double y1) const {
    return polygon({at(x, y0, z0), at(x, y0, z1), at(x, y1, z1), at(x, y1, z0)});
  }
  Figure back_wall(double x0, double y0, double x1, double y1) const {
    return polygon({at(x0, y0, back), at(x1, y0, back), at(x1, y1, back), at(x0, y1, back)});
  }
  Figure floor(double x0, double x1, double z0, double z1) const {
    return polygon(
        {at(x0, height, z0), at(x1, height, z0), at(x1, height, z1), at(x0, height, z1)});
  }
  Figure ceiling(double x0, double x1, double z0, double z1) const {
    return polygon({at(x0, 0, z0), at(x1, 0, z0), at(x1, 0, z1), at(x0, 0, z1)});
  }
};

// A lamp shade or a pot: a trapezoid centred on x = cx, with the given half widths.
Figure trapezoid(double cx, double top, double top_half, double bottom, double bottom_half);

// Fills the band between heights y0 and y1 along the left, back and right walls.
void fill_walls(Canvas& c, const Perspective& room, double y0, double y1, const Paint& paint);

// Deterministic pseudo-random value in [0, 1) for integer coordinates.
double hash01(int x, int y, int seed);
// Smooth noise in [0, 1).
double value_noise(double x, double y, int seed);

// Adds a cone of light from apex pointing at angle `direction` (degrees, 90 = down).
void add_light_cone(Canvas& canvas, Vec2 apex, double direction, double half_angle, double reach,
                    Rgb colour, double strength);

// Averages the shader over four points inside each pixel (for fine patterns).
Shader supersampled(Shader inner);

}  // namespace resgen
