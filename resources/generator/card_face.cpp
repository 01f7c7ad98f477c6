#include <algorithm>
#include <numbers>

#include "pictures.h"
#include "suit_symbols.h"

namespace resgen {
namespace {

const Rgb kEdge = rgb8(120, 120, 128);
const Rgb kPaper = rgb8(255, 255, 255);
constexpr double kCorner = 1.6;
constexpr double kEdgeWidth = 0.7;

const Rgb kRed = rgb8(200, 16, 32);
const Rgb kBlack = rgb8(20, 20, 26);

// Rank texts from the deuce to the ace.
const char* const kRanks[] = {"2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
constexpr int kJack = 9;
constexpr int kAce = 12;

// Corner index: the rank over its suit, centred on one column, in card coordinates. A hole card
// shows only its left 14 units under the next card, so the suit there is as wide as the rank.
constexpr double kIndexColumn = 7.0;
constexpr double kIndexTop = 2.0;
constexpr double kRankHeight = 14.0;
constexpr double kRankMaxWidth = 11.6;  // "10" is narrowed to fit
constexpr double kRankTail = 1.6;       // how far below the baseline a rank may reach
constexpr double kIndexSuitGap = 2.4;
constexpr double kIndexSuitSize = 11.5;
constexpr double kInkMinLeft = 1.6;  // text keeps clear of the card's edge

// The symbol in the middle, between the two index columns, bigger on aces; court cards frame it
// on a cream panel.
constexpr double kCentreSuitSize = 11.5;
constexpr double kAceSuitSize = 12.5;
constexpr double kCourtSuitSize = 8.5;
const Rgb kPanel = rgb8(252, 244, 222);
const Rgb kPanelEdge = rgb8(196, 156, 72);
constexpr double kPanelHalfWidth = 5.6;
constexpr double kPanelHalfHeight = 12.0;

cairo_text_extents_t ink_of(cairo_t* cr, const char* text, double size) {
  cairo_set_font_size(cr, size);
  cairo_text_extents_t ink;
  cairo_text_extents(cr, text, &ink);
  return ink;
}

// Adds the outline of the text to the path, its ink centred on x = centre_x with its baseline at
// `baseline`, narrowed to max_width where wider.
void trace_text(cairo_t* cr, const char* text, double size, double centre_x, double baseline,
                double max_width) {
  const cairo_text_extents_t ink = ink_of(cr, text, size);
  const double squeeze = std::min(1.0, max_width / ink.width);
  cairo_save(cr);
  cairo_translate(cr, std::max(centre_x, kInkMinLeft + ink.width * squeeze / 2), baseline);
  cairo_scale(cr, squeeze, 1);
  cairo_move_to(cr, -(ink.x_bearing + ink.width / 2), 0);
  cairo_text_path(cr, text);
  cairo_restore(cr);
}

// Fills the rank over its suit. The tail of the Q is cut short to keep clear of the suit.
void draw_index(cairo_t* cr, int rank, int suit) {
  // Every rank is as tall as the digit 8 set at kRankHeight.
  const cairo_text_extents_t eight = ink_of(cr, "8", 1);
  const double size = kRankHeight / eight.height;
  const double baseline = kIndexTop + kRankHeight;
  cairo_save(cr);
  cairo_rectangle(cr, 0, 0, kCellWidth, baseline + kRankTail);
  cairo_clip(cr);
  cairo_new_path(cr);
  trace_text(cr, kRanks[rank], size, kIndexColumn, baseline, kRankMaxWidth);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  trace_suit_symbol(cr, suit, {kIndexColumn, baseline + kIndexSuitGap}, kIndexSuitSize);
  cairo_fill(cr);
}

}  // namespace

void draw_card_blank(cairo_t* cr) {
  // A plain edge colour fills the whole cell, so the card reads well on any background.
  fill(cr, rect(0, 0, kCellWidth, kCellHeight), kEdge);
  fill(cr,
       rounded_rect(kEdgeWidth, kEdgeWidth, kCellWidth - kEdgeWidth, kCellHeight - kEdgeWidth,
                    kCorner - kEdgeWidth),
       kPaper);
}

void draw_card_face(cairo_t* cr, int code) {
  const int rank = (code - 1) / 4;
  const int suit = (code - 1) % 4;
  const bool red = suit == 1 || suit == 2;
  const bool court = rank >= kJack && rank < kAce;

  draw_card_blank(cr);
  if (court) {
    const double x0 = kCardCentre.x - kPanelHalfWidth, x1 = kCardCentre.x + kPanelHalfWidth;
    const double y0 = kCardCentre.y - kPanelHalfHeight, y1 = kCardCentre.y + kPanelHalfHeight;
    fill(cr, rounded_rect(x0, y0, x1, y1, 1.5), kPanelEdge);
    fill(cr, rounded_rect(x0 + 0.6, y0 + 0.6, x1 - 0.6, y1 - 0.6, 1.0), kPanel);
  }

  const Rgb ink = red ? kRed : kBlack;
  cairo_set_source_rgb(cr, ink.r, ink.g, ink.b);
  draw_index(cr, rank, suit);
  // The same index, turned half round, in the bottom-right corner.
  cairo_save(cr);
  cairo_translate(cr, kCellWidth, kCellHeight);
  cairo_rotate(cr, std::numbers::pi);
  draw_index(cr, rank, suit);
  cairo_restore(cr);
  cairo_new_path(cr);
  const double width = rank == kAce ? kAceSuitSize : court ? kCourtSuitSize : kCentreSuitSize;
  trace_suit_symbol(cr, suit, {kCardCentre.x, kCardCentre.y - suit_symbol_height(suit) * width / 2},
                    width);
  cairo_fill(cr);
}

}  // namespace resgen
