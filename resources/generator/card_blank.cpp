#include "card_drawing.h"

namespace resgen {
namespace {

const Rgb kEdge = rgb8(120, 120, 128);
const Rgb kPaper = rgb8(255, 255, 255);

constexpr double kCorner = 1.6;
constexpr double kEdgeWidth = 0.7;

}  // namespace

void fill_on_card(Canvas& canvas, const CardFrame& frame, const Path& path, const Paint& paint,
                  double opacity) {
  canvas.fill(transformed(path, frame.place), paint, opacity, frame.clip);
}

void draw_card_blank(Canvas& canvas, const CardFrame& frame) {
  // A plain edge colour fills the whole cell, so the card reads well on any background.
  Path edge;
  edge.add(rect(0, 0, 40, 56));
  fill_on_card(canvas, frame, edge, kEdge);
  Path paper;
  paper.add(
      rounded_rect(kEdgeWidth, kEdgeWidth, 40 - kEdgeWidth, 56 - kEdgeWidth, kCorner - kEdgeWidth));
  fill_on_card(canvas, frame, paper, kPaper);
}

}  // namespace resgen
