#include "glyphs.h"

#include <stdexcept>

namespace resgen {
namespace {

// Centre lines of the strokes of one character, in a box one unit high and `width` wide
// (y grows downwards). Ends that should be cut flat run past the box.
struct Strokes {
  double width = 0;
  std::vector<std::vector<Vec2>> open;
  std::vector<std::vector<Vec2>> closed;
};

Strokes digit_two() {
  const double w = 0.6;
  Polyline p;
  p.arc({w / 2, 0.27}, w / 2, 0.27, 192, 360);
  p.cubic_to({w, 0.5}, {0.1 * w, 0.7}, {0, 1});
  p.line_to({w, 1});
  return {w, {p.points()}, {}};
}

Strokes digit_three() {
  const double w = 0.58;
  Polyline top;
  top.arc({0.48 * w, 0.25}, 0.46 * w, 0.25, 200, 450);
  top.line_to({0.28 * w, 0.5});
  Polyline bottom;
  bottom.move_to({0.28 * w, 0.5});
  bottom.arc({0.5 * w, 0.75}, 0.5 * w, 0.25, 270, 522);
  return {w, {top.points(), bottom.points()}, {}};
}

Strokes digit_four() {
  const double w = 0.64;
  const double bar = 0.7;
  Polyline p;
  p.move_to({0.72 * w, 1.2});
  p.line_to({0.72 * w, 0});
  p.line_to({0, bar});
  p.line_to({w, bar});
  return {w, {p.points()}, {}};
}

Strokes digit_five() {
  const double w = 0.58;
  Polyline p;
  p.move_to({w, 0});
  p.line_to({0.1 * w, 0});
  p.line_to({0.055 * w, 0.46});
  p.arc({0.48 * w, 0.675}, 0.52 * w, 0.325, 218, 515);
  return {w, {p.points()}, {}};
}

Strokes digit_six() {
  const double w = 0.6;
  Polyline p;
  p.move_to({0.9 * w, 0.05});
  p.cubic_to({0.6 * w, -0.05}, {0, 0.06}, {0, 0.64});
  return {w, {p.points()}, {ellipse({0.5 * w, 0.665}, 0.5 * w, 0.335)}};
}

Strokes digit_seven() {
  const double w = 0.6;
  Polyline p;
  p.move_to({0, 0});
  p.line_to({w, 0});
  p.line_to(along({w, 0}, {0.28 * w, 1}, 1.2));
  return {w, {p.points()}, {}};
}

Strokes digit_eight() {
  const double w = 0.6;
  return {
      w, {}, {ellipse({0.5 * w, 0.245}, 0.42 * w, 0.245), ellipse({0.5 * w, 0.72}, 0.5 * w, 0.28)}};
}

// A six turned upside down.
Strokes digit_nine() {
  Strokes s = digit_six();
  const Affine turn = Affine::translate(s.width, 1).after(Affine::scale(-1, -1));
  for (auto& line : s.open) {
    line = transformed(line, turn);
  }
  for (auto& loop : s.closed) {
    loop = transformed(loop, turn);
  }
  return s;
}

Strokes ten() {
  const double one = 0.2;
  const double gap = 0.3;
  const double w = 0.46;
  Polyline stem;
  stem.move_to({-0.06, 0.2});
  stem.line_to({one, 0});
  stem.line_to({one, 1.2});
  return {one + gap + w, {stem.points()}, {ellipse({one + gap + w / 2, 0.5}, w / 2, 0.5)}};
}

Strokes jack() {
  const double w = 0.5;
  Polyline p;
  p.move_to({w, -0.2});
  p.line_to({w, 0.66});
  p.arc({0.5 * w, 0.66}, 0.5 * w, 0.34, 0, 160);
  return {w, {p.points()}, {}};
}

Strokes queen() {
  const double w = 0.72;
  return {w,
          {{{0.56 * w, 0.68}, along({0.56 * w, 0.68}, {w, 1}, 1.4)}},
          {ellipse({0.5 * w, 0.5}, 0.5 * w, 0.5)}};
}

Strokes king() {
  const double w = 0.62;
  const Vec2 arm_top{w, 0};
  const Vec2 arm_foot{0, 0.64};
  const Vec2 leg_start = along(arm_top, arm_foot, 0.6);
  const Vec2 leg_end{w, 1};
  return {w,
          {{{0, -0.2}, {0, 1.2}},
           {along(arm_foot, arm_top, 1.3), arm_foot},
           {leg_start, along(leg_start, leg_end, 1.3)}},
          {}};
}

Strokes ace() {
  const double w = 0.7;
  const Vec2 apex{0.5 * w, 0};
  const double bar = 0.7;
  return {w,
          {{along(apex, {0, 1}, 1.2), apex, along(apex, {w, 1}, 1.2)},
           {{0.5 * w * (1 - bar), bar}, {w - 0.5 * w * (1 - bar), bar}}},
          {}};
}

Strokes strokes_for(int rank) {
  switch (rank) {
    case 0:
      return digit_two();
    case 1:
      return digit_three();
    case 2:
      return digit_four();
    case 3:
      return digit_five();
    case 4:
      return digit_six();
    case 5:
      return digit_seven();
    case 6:
      return digit_eight();
    case 7:
      return digit_nine();
    case 8:
      return ten();
    case 9:
      return jack();
    case 10:
      return queen();
    case 11:
      return king();
    case 12:
      return ace();
    default:
      throw std::out_of_range("no such rank");
  }
}

}  // namespace

double rank_width(int rank, double height, double weight, double squeeze) {
  return strokes_for(rank).width * (height - weight) * squeeze + weight;
}

Path rank_outline(int rank, Vec2 top_left, double height, double weight, double squeeze) {
  const Strokes s = strokes_for(rank);
  const double k = height - weight;
  const Affine place = Affine::translate(top_left.x + weight / 2, top_left.y + weight / 2)
                           .after(Affine::scale(k * squeeze, k));
  Path out;
  for (const auto& line : s.open) {
    out.append(stroke(transformed(line, place), weight, false));
  }
  for (const auto& loop : s.closed) {
    out.append(stroke(transformed(loop, place), weight, true));
  }
  return clip_to_band(out, top_left.y, top_left.y + height);
}

}  // namespace resgen
