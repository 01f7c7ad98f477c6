#pragma once

#include <cstdint>
#include <string>

namespace omaha {

// Places (`handrank`): the deal's evaluation puts the best hands at kTopPlace, the next three
// below it, and the rest at kRestPlace. When every other seat folds, the folded seats drop to
// kFoldedToOnePlace; at the showdown every folded seat drops to kFoldedAtShowdownPlace.
constexpr std::int16_t kTopPlace = 1;
constexpr std::int16_t kRestPlace = 5;
constexpr std::int16_t kFoldedToOnePlace = 7;
constexpr std::int16_t kFoldedAtShowdownPlace = 10;

// `dealer` of the seat that holds the button; the seats after it count on from here.
constexpr std::int16_t kButton = 1;

// Everything the game knows about the player in one seat, for the whole run. A newcomer who
// takes over a busted seat takes over its record.
struct player_record {
  std::int16_t handrank = 0;  // place in the current hand, 1 best; 0 = not placed
  std::string caption;        // the player's name
  std::int32_t prize = 0;     // chip stack; below 1 = busted
  std::int16_t tournament_position = 0;
  std::int16_t table_position = 0;
  std::int16_t cardone = 0;  // hole cards as card codes, 0 before the first deal
  std::int16_t cardtwo = 0;
  std::int16_t cardthree = 0;
  std::int16_t cardfour = 0;
  bool sittingout = false;
  bool Active = true;  // still in the tournament
  bool tosswinner = false;
  std::string cardtext1;  // hole cards as card texts
  std::string cardtext2;
  std::string cardtext3;
  std::string cardtext4;
  std::string flop1;  // the board as card texts, the same in every record
  std::string flop2;
  std::string flop3;
  std::string flop4;
  std::string flop5;
  std::int16_t dealer = 0;  // kButton holds the button, 2 = small blind, 3 = big blind, ...
  bool allin = false;
  std::int32_t bet = 0;       // the seat's latest payment
  std::int32_t totalbet = 0;  // paid in the current betting round
  bool fold = false;
  std::int16_t handnumber = 0;  // 100 x category + sub-rank
  std::string handvalue;        // text of the best category found
  // Category verdicts of the classifiers.
  std::string handvaluetops;
  std::string handvaluepair;
  std::string handvaluetwok;
  std::string handvaluethreek;
  std::string handvaluestraight;
  std::string handvalueflush;
  std::string handvaluefullhouse;
  std::string handvaluefourk;
  std::string handvaluesflush;
  std::string handvaluerflush;
};

}  // namespace omaha
