#include "card_drawing.h"
#include "glyphs.h"
#include "suits.h"

namespace resgen {
namespace {

const Rgb kRed = rgb8(200, 16, 32);
const Rgb kBlack = rgb8(20, 20, 26);

// Corner index, in card coordinates.
constexpr double kIndexLeft = 2.2;
constexpr double kIndexTop = 2.6;
constexpr double kRankHeight = 14.0;
constexpr double kRankWeight = 2.6;
constexpr double kTenSqueeze = 0.82;
constexpr double kTenWeight = 2.2;
constexpr double kIndexSuitGap = 1.5;
constexpr double kIndexSuitHeight = 8.0;

// The large symbol in the middle, bigger on aces.
constexpr double kCentreSuitSize = 16.0;
constexpr double kAceSuitSize = 18.0;
constexpr double kCourtSuitSize = 13.0;
const Vec2 kCentre{20, 28};

// Court cards frame their symbol on a cream panel.
const Rgb kPanel = rgb8(252, 244, 222);
const Rgb kPanelEdge = rgb8(196, 156, 72);
constexpr double kPanelHalfWidth = 9.0;
constexpr double kPanelHalfHeight = 12.0;

constexpr int kTen = 8;
constexpr int kJack = 9;
constexpr int kAce = 12;

void draw_court_panel(Canvas& canvas, const CardFrame& frame) {
  const double x0 = kCentre.x - kPanelHalfWidth, x1 = kCentre.x + kPanelHalfWidth;
  const double y0 = kCentre.y - kPanelHalfHeight, y1 = kCentre.y + kPanelHalfHeight;
  Path edge;
  edge.add(rounded_rect(x0, y0, x1, y1, 1.5));
  fill_on_card(canvas, frame, edge, kPanelEdge);
  Path panel;
  panel.add(rounded_rect(x0 + 0.6, y0 + 0.6, x1 - 0.6, y1 - 0.6, 1.0));
  fill_on_card(canvas, frame, panel, kPanel);
}

// Rank and small suit for the top-left corner.
Path corner_index(int rank, Suit suit) {
  const double squeeze = rank == kTen ? kTenSqueeze : 1.0;
  const double left = rank == kTen ? kIndexLeft - 1.0 : kIndexLeft;
  const double weight = rank == kTen ? kTenWeight : kRankWeight;
  Path index = rank_outline(rank, {left, kIndexTop}, kRankHeight, weight, squeeze);

  // The small suit sits under the rank, centred where a one-character rank is centred.
  const double column = kIndexLeft + rank_width(0, kRankHeight, kRankWeight) / 2;
  const double top = kIndexTop + kRankHeight + kIndexSuitGap;
  const double k = kIndexSuitHeight;
  index.append(transformed(suit_shape(suit),
                           Affine::translate(column, top + k / 2).after(Affine::scale(k, k))));
  return index;
}

}  // namespace

void draw_card_face(Canvas& canvas, const CardFrame& frame, int code) {
  const int rank = (code - 1) / 4;
  const Suit suit = static_cast<Suit>((code - 1) % 4);
  const Rgb ink = (suit == Suit::hearts || suit == Suit::diamonds) ? kRed : kBlack;

  const bool court = rank >= kJack && rank < kAce;

  draw_card_blank(canvas, frame);
  if (court) {
    draw_court_panel(canvas, frame);
  }

  Path marks = corner_index(rank, suit);
  // The same index, turned half round, in the bottom-right corner.
  marks.append(transformed(marks, Affine::translate(40, 56).after(Affine::scale(-1, -1))));
  const double k = rank == kAce ? kAceSuitSize : court ? kCourtSuitSize : kCentreSuitSize;
  marks.append(transformed(suit_shape(suit),
                           Affine::translate(kCentre.x, kCentre.y).after(Affine::scale(k, k))));
  fill_on_card(canvas, frame, marks, ink);
}

}  // namespace resgen
