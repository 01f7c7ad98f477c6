#include "showdown/tournament_end.h"

#include <cstdint>
#include <string>

#include "platform/number_text.h"
#include "table/hand_cycle.h"
#include "table/tables.h"
#include "table/tournament_field.h"

namespace omaha {

namespace {

constexpr platform::Colour kWonBackColour = 0xFF;    // red
constexpr platform::Colour kWonTextColour = 0xFFFF;  // yellow
constexpr double kWonFontSize = 14;

// The computer seats still in the tournament.
int other_seats_in(const tables& t) {
  int in = 0;
  for (int seat = kFirstComputerSeat; seat <= kSeats; ++seat)
    if (t.player(seat).Active)
      ++in;
  return in;
}

// Players still in the tournament as the human leaves it: at the final table the other seats
// still in it, before it the entrants not yet out (kFinalTable out still counts as before).
int players_still_in(const tables& t) {
  if (t.players_out > kFinalTable)
    return other_seats_in(t);
  return kEntrants - t.players_out;
}

}  // namespace

bool tournament_won(const tables& t) {
  return other_seats_in(t) == 0;
}

void update_chip_counts(tables& t) {
  for (int seat = 1; seat <= kSeats; ++seat)
    show_prize(t, seat);
}

void test_elimination(tables& t) {
  if (t.player(kHuman).prize > 0)
    return;
  t.Label24.set_visible(true);
  t.Label24.set_caption("Your Finished With " + platform::Str(std::int64_t{players_still_in(t)}) +
                        " Players Still in Tournament");
  t.closer = 1;
  Command1_Click(t);
}

void test_tournament_win(tables& t) {
  if (!tournament_won(t))
    return;
  show_tournament_won(t);
  t.closer = 1;
  Command1_Click(t);
}

void hand_over(tables& t) {
  if (t.closer == 0)
    Command1_Click(t);
}

void show_tournament_won(tables& t) {
  Control& status = t.Label24;
  status.set_visible(true);
  status.set_back_transparent(false);
  status.set_back_colour(kWonBackColour);
  status.set_fore_colour(kWonTextColour);
  status.set_font(kWonFontSize, status.font_bold());
  status.set_caption("Congratulations You Won The Tournament");
}

}  // namespace omaha
