// The evaluation driver: every seat's seven cards through the classifiers, the verdicts filed
// in the seat records, then the hand numbers and the places.
#include "evaluation/evaluation.h"

#include <array>
#include <string>
#include <string_view>

#include "evaluation/card_ranks.h"
#include "evaluation/classifiers.h"
#include "evaluation/hand_value.h"
#include "table/tables.h"

namespace omaha {

namespace {

constexpr const char* kBlank = " ";

// The kinds verdicts and the fields they are filed in.
struct kind_field {
  std::string_view word;
  std::string player_record::*field;
};
constexpr std::array<kind_field, 5> kKindFields{{
    {kPairWord, &player_record::handvaluepair},
    {kTwoKindWord, &player_record::handvaluetwok},
    {kThreeKindWord, &player_record::handvaluethreek},
    {kFullHouseWord, &player_record::handvaluefullhouse},
    {kFourKindWord, &player_record::handvaluefourk},
}};

void classify_seat(tables& t, std::int16_t seat) {
  player_record& record = t.player(seat);
  t.cards1 = record.cardtext1;
  t.cards2 = record.cardtext2;
  t.cards3 = record.flop1;
  t.cards4 = record.flop2;
  t.cards5 = record.flop3;
  t.cards6 = record.flop4;
  t.cards7 = record.flop5;
  const seven_cards cards{t.cards1, t.cards2, t.cards3, t.cards4, t.cards5, t.cards6, t.cards7};
  const board_cards board{t.cards3, t.cards4, t.cards5, t.cards6, t.cards7};
  platform::Control& verdict = t.Label23;

  verdict.set_caption(kBlank);
  evaluate_hand_tops(t, cards);
  if (contains(verdict.caption(), kTopWord))
    record.handvaluetops = verdict.caption();

  // The board classifier may leave a board flush on the caption; it holds none of the kinds
  // words, so only a kinds verdict is filed here.
  verdict.set_caption(kBlank);
  t.flopvalue = std::string(kBlank);
  evaluate_flop_value(t, board);
  evaluate_hand_kinds(t, cards);
  for (const kind_field& kind : kKindFields)
    if (contains(verdict.caption(), kind.word))
      record.*kind.field = verdict.caption();

  verdict.set_caption(kBlank);
  evaluate_hand_straight(t, cards);
  record.handvaluestraight = verdict.caption();

  verdict.set_caption(kBlank);
  evaluate_hand_flush(t, cards);
  record.handvalueflush = verdict.caption();

  verdict.set_caption(kBlank);
  evaluate_hand_royal(t, seat);
}

}  // namespace

void evaluate_player_cards(tables& t) {
  for (std::int16_t seat = 1; seat <= kSeats; ++seat)
    classify_seat(t, seat);

  evaluate_hand_value1(t);
  evaluate_hand_value(t);

  std::array<std::int16_t, kSeats> winners{};
  for (int seat = 1; seat <= kSeats; ++seat)
    winners[static_cast<std::size_t>(seat - 1)] = t.player(seat).handnumber;
  t.numberofwinners = 0;
  while (t.numberofwinners <= 0)
    evaluate_ultimate_winner(t, winners);
}

}  // namespace omaha
