#include "suit_symbols.h"

#include <cmath>
#include <numbers>

namespace resgen {
namespace {

constexpr double kPi = std::numbers::pi;

// Each outline is one unit wide, x from -0.5 to 0.5 and y growing downwards, centred on the
// middle of its height. Half their heights:
constexpr double kClubHalfHeight = 0.52;
constexpr double kDiamondHalfHeight = 0.62;
constexpr double kHeartHalfHeight = 0.44;
constexpr double kSpadeHalfHeight = 0.6;

// Two round lobes filling the top corners, full shoulders and a point at the bottom.
void trace_heart(cairo_t* cr) {
  constexpr double kLobe = 0.26;
  constexpr double kLobeX = 0.5 - kLobe;
  constexpr double kLobeY = -kHeartHalfHeight + kLobe;
  constexpr double kTip = kHeartHalfHeight;
  // Where the lobes cross, as an angle on the left one.
  const double notch = std::acos(kLobeX / kLobe);
  cairo_move_to(cr, 0, kTip);
  cairo_curve_to(cr, -0.1, kTip - 0.14, -0.5, kLobeY + 0.25, -0.5, kLobeY);
  cairo_arc(cr, -kLobeX, kLobeY, kLobe, kPi, 2 * kPi - notch);
  cairo_arc(cr, kLobeX, kLobeY, kLobe, kPi + notch, 2 * kPi);
  cairo_curve_to(cr, 0.5, kLobeY + 0.25, 0.1, kTip - 0.14, 0, kTip);
  cairo_close_path(cr);
}

// A line from the current point to `to`, bowed in towards the outline's middle by `bow`.
void bowed_line_to(cairo_t* cr, Vec2 to, double bow) {
  Vec2 from;
  cairo_get_current_point(cr, &from.x, &from.y);
  const Vec2 along = to - from;
  Vec2 inward = Vec2{-along.y, along.x} * (bow / std::hypot(along.x, along.y));
  if (inward.x * (from.x + to.x) + inward.y * (from.y + to.y) > 0) {
    inward = inward * -1;
  }
  const Vec2 a = lerp(from, to, 1.0 / 3) + inward;
  const Vec2 b = lerp(from, to, 2.0 / 3) + inward;
  cairo_curve_to(cr, a.x, a.y, b.x, b.y, to.x, to.y);
}

// A tall, narrow diamond with slightly hollow sides: empty where the heart has its lobes.
void trace_diamond(cairo_t* cr) {
  constexpr double kHalfWidth = 0.38;
  constexpr double kBow = 0.04;
  cairo_move_to(cr, 0, -kDiamondHalfHeight);
  bowed_line_to(cr, {kHalfWidth, 0}, kBow);
  bowed_line_to(cr, {0, kDiamondHalfHeight}, kBow);
  bowed_line_to(cr, {-kHalfWidth, 0}, kBow);
  bowed_line_to(cr, {0, -kDiamondHalfHeight}, kBow);
  cairo_close_path(cr);
}

// The stem of a club or a spade, from `top` down to a flared foot at `foot`.
void trace_stem(cairo_t* cr, double top, double foot) {
  cairo_move_to(cr, -0.05, top);
  cairo_line_to(cr, 0.05, top);
  cairo_curve_to(cr, 0.06, foot - 0.14, 0.14, foot - 0.03, 0.3, foot);
  cairo_line_to(cr, -0.3, foot);
  cairo_curve_to(cr, -0.14, foot - 0.03, -0.06, foot - 0.14, -0.05, top);
  cairo_close_path(cr);
}

void add_circle(cairo_t* cr, double x, double y, double radius) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, radius, 0, 2 * kPi);
}

// Three round leaves high on a long stem, the top one largest: ink at the top and in the
// middle where the spade has its narrow tip, none low down where the spade has its lobes.
void trace_club(cairo_t* cr) {
  constexpr double kTop = -kClubHalfHeight;
  constexpr double kTopLeaf = 0.28;
  constexpr double kSideLeaf = 0.23;
  constexpr double kSideY = kTop + 0.54;
  add_circle(cr, 0, kTop + kTopLeaf, kTopLeaf);
  add_circle(cr, -0.5 + kSideLeaf, kSideY, kSideLeaf);
  add_circle(cr, 0.5 - kSideLeaf, kSideY, kSideLeaf);
  add_circle(cr, 0, kSideY, 0.12);  // closes the gap where the three leaves meet
  trace_stem(cr, kSideY + 0.06, kClubHalfHeight);
}

// A sharp tip with hollow sides sweeping out to two round lobes low down, on a short stem.
void trace_spade(cairo_t* cr) {
  constexpr double kLobe = 0.25;
  constexpr double kLobeY = 0.2;
  constexpr double kTip = -kSpadeHalfHeight;
  cairo_move_to(cr, 0, kTip);
  cairo_curve_to(cr, 0, kTip + 0.3, 0.5, kLobeY - 0.2, 0.5, kLobeY);
  cairo_arc(cr, 0.5 - kLobe, kLobeY, kLobe, 0, kPi);
  cairo_arc(cr, -0.5 + kLobe, kLobeY, kLobe, 0, kPi);
  cairo_curve_to(cr, -0.5, kLobeY - 0.2, 0, kTip + 0.3, 0, kTip);
  cairo_close_path(cr);
  trace_stem(cr, kLobeY, kSpadeHalfHeight);
}

// The suits in suit order: each outline with half its height.
struct suit_outline {
  void (*trace)(cairo_t*);
  double half_height;
};
constexpr suit_outline kOutlines[] = {{trace_club, kClubHalfHeight},
                                      {trace_diamond, kDiamondHalfHeight},
                                      {trace_heart, kHeartHalfHeight},
                                      {trace_spade, kSpadeHalfHeight}};

}  // namespace

double suit_symbol_height(int suit) {
  return 2 * kOutlines[suit].half_height;
}

void trace_suit_symbol(cairo_t* cr, int suit, Vec2 top, double width) {
  const suit_outline& outline = kOutlines[suit];
  cairo_save(cr);
  cairo_translate(cr, top.x, top.y + outline.half_height * width);
  cairo_scale(cr, width, width);
  outline.trace(cr);
  cairo_restore(cr);
}

}  // namespace resgen
