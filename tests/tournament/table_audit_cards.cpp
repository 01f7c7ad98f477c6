// The audit's checks of the cards, the places and the screen: at every deal and at rest.
#include <array>
#include <string>

#include "table_audit.h"

namespace omaha::testing {

namespace {

bool placed_by_the_deal(std::int16_t place) {
  return place >= 1 && place <= 5;
}

}  // namespace

void TableAudit::check_at_rest() {
  if (!started_ || t_.app().ended())
    return;
  const std::array<const Control*, 6> panel{&t_.Command5, &t_.Command6,  &t_.Command7,
                                            &t_.Command8, &t_.Command11, &t_.Text2};
  if (t_.gameover) {
    for (const Control* control : panel)
      if (control->visible())
        fail(control->name() + " is showing after the showdown");
    return;
  }
  // The board shows exactly the streets opened so far; folded hands are put away.
  const std::array<bool, 5> street_of_card{t_.postflop1, t_.postflop1, t_.postflop1, t_.postflop2,
                                           t_.postflop3};
  for (int card = 0; card < 5; ++card)
    if (t_.Image1[kBoardStart + card].visible() != street_of_card[static_cast<std::size_t>(card)])
      fail("board card " + std::to_string(card + 1) + " does not match the streets shown");
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t_.player(seat).fold && t_.hole_card(seat, 1).visible())
      fail("seat " + std::to_string(seat) + " has folded but shows its cards");
  // The button sits beside the fourth card of the seat that holds it.
  for (int seat = 1; seat <= kSeats; ++seat)
    if (t_.player(seat).dealer == 1 && t_.Label1.visible() &&
        (t_.Label1.left() != t_.hole_card(seat, 4).left() + 500 ||
         t_.Label1.top() != t_.hole_card(seat, 4).top() + 500))
      fail("the button is not beside seat " + std::to_string(seat));

  if (!t_.Command8.visible())
    return;  // not the human's turn
  const bool owes = std::int64_t{t_.currentbet} - t_.player(1).totalbet > 0;
  if (t_.Command5.visible() != owes || t_.Command7.visible() == owes)
    fail(std::string("the panel offers ") + (t_.Command5.visible() ? "Call" : "") +
         (t_.Command7.visible() ? "Check" : "") + " when " + (owes ? "" : "nothing ") + "is owed");
}

void TableAudit::check_deal() {
  std::array<bool, 53> seen{};
  for (int position = 1; position <= kDeckSize; ++position) {
    const std::int16_t code = t_.deck[static_cast<std::size_t>(position)];
    if (code < 1 || code > 52) {
      fail("deck position " + std::to_string(position) + " holds card " + std::to_string(code));
      continue;
    }
    if (seen[static_cast<std::size_t>(code)])
      fail("card " + std::to_string(code) + " dealt twice");
    seen[static_cast<std::size_t>(code)] = true;
  }
  int button = 0;
  int placed_first = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const player_record& p = t_.player(seat);
    const std::array<std::int16_t, 4> hole{p.cardone, p.cardtwo, p.cardthree, p.cardfour};
    for (int card = 0; card < 4; ++card)
      if (hole[static_cast<std::size_t>(card)] !=
          t_.deck[static_cast<std::size_t>(card * kSeats + seat)])
        fail("seat " + std::to_string(seat) + " does not hold the cards dealt to it");
    if (p.dealer == 1)
      button = seat;
    if (!placed_by_the_deal(p.handrank))
      fail("seat " + std::to_string(seat) + " dealt place " + std::to_string(p.handrank));
    placed_first += p.handrank == 1 ? 1 : 0;
    if (!p.Active && !(p.fold && p.sittingout))
      fail("seat " + std::to_string(seat) + " has left but is dealt in");
    const bool dealt_in = p.Active && !p.sittingout;
    for (int card = 1; card <= 4; ++card)
      if (t_.hole_card(seat, card).visible() != dealt_in) {
        fail("seat " + std::to_string(seat) + (dealt_in ? " has hidden cards" : " shows cards"));
        break;
      }
  }
  if (placed_first == 0)
    fail("no seat placed first at the deal");
  for (int seat = 1; seat <= kSeats; ++seat)
    if (button == 0 || t_.player(seat).dealer != (seat - button + kSeats) % kSeats + 1) {
      fail("the seats' dealer marks are not a rotation of 1..10");
      break;
    }
  if (t_.gameover)
    fail("a hand dealt already over");
}

}  // namespace omaha::testing
