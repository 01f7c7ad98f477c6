#include "pictures.h"

#include "card_font.h"

namespace resgen {
namespace {

constexpr int kFirstFace = 1;
constexpr int kLastFace = 52;

// Colours of the four card backs, in the order of their cells.
const std::array<Rgb, resources::kCardBackCells.size()> kBackColours{
    rgb8(226, 112, 150),  // pink
    rgb8(24, 132, 132),   // teal
    rgb8(70, 110, 160),   // steel blue
    rgb8(240, 160, 112),  // peach
};

// Runs draw with the context in the cell's card coordinates, clipped to the cell.
template <typename Draw>
void in_cell(cairo_t* cr, int cell, int density, Draw draw) {
  cairo_save(cr);
  cairo_scale(cr, density, density);
  cairo_translate(cr, (cell % resources::kSheetColumns) * kCellWidth,
                  (cell / resources::kSheetColumns) * kCellHeight);
  cairo_rectangle(cr, 0, 0, kCellWidth, kCellHeight);
  cairo_clip(cr);
  draw();
  cairo_restore(cr);
}

}  // namespace

Canvas draw_card_sheet(int density, const std::filesystem::path& bold_font) {
  Canvas sheet(resources::kSheetWidth * density, resources::kSheetHeight * density,
               rgb8(255, 255, 255));
  const FontFace font = open_font(bold_font);
  cairo_t* cr = sheet.context();
  cairo_set_font_face(cr, font.get());
  // Glyph outlines as designed, the same at every position and turned half round.
  cairo_font_options_t* options = cairo_font_options_create();
  cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr, options);
  cairo_font_options_destroy(options);
  for (int code = kFirstFace; code <= kLastFace; ++code) {
    in_cell(cr, code, density, [&] { draw_card_face(cr, code); });
  }
  for (std::size_t k = 0; k < kBackColours.size(); ++k) {
    in_cell(cr, resources::kCardBackCells[k], density,
            [&] { draw_card_back(cr, kBackColours[k]); });
  }
  return sheet;
}

}  // namespace resgen
