#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "betting/limit_ladder.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/control.h"
#include "platform/form.h"
#include "platform/timer.h"
#include "resources/built_in_pictures.h"
#include "table/player_record.h"
#include "table/seat_cards.h"
#include "table/seats.h"

namespace omaha {

class settings;

using platform::Control;

// Controls of one kind that share a name and are told apart by index (Image1(4), backchips(60)).
class ControlArray {
 public:
  Control& operator[](int index) const { return *items_.at(static_cast<std::size_t>(index)); }
  void add(Control& control) { items_.push_back(&control); }

 private:
  std::vector<Control*> items_;
};

// The chip shapes `backchips`: each seat's bet chips, seat by seat, then the pot pile. A win
// carries the pile's chips up to kLastMovedPotChip over to the winner; the rest are only hidden.
constexpr int kChipsPerSeat = 6;
constexpr int kFirstPotChip = kSeats * kChipsPerSeat;
constexpr int kLastMovedPotChip = 70;
constexpr int kLastPotChip = 90;

// The intervals of the table's two timers, in milliseconds.
constexpr int kNextHandDelay = 13000;  // from the showdown to the next deal
constexpr int kTurnClockTick = 2000;   // from one seat's turn to the next

constexpr platform::Colour turn_light_on = 0x80FFFF;
constexpr platform::Colour turn_light_off = 0x80;

// The table screen: the one object that holds the whole game: the table state, the ten seat
// records, the hand's deck, the tournament counters and the screen's controls. The procedures
// that play the game live in the subsystem folders and work on this object.
class tables : public platform::Form {
 public:
  tables(platform::Application& app, settings& settings_screen);

  settings& settings_screen;

  // ---- table state ----
  std::int32_t currentbet = 0;  // what every seat must have put in this betting round
  std::int32_t pot = 0;
  std::int32_t sidepot = 0;
  std::int16_t level = 1;
  std::int16_t tossdone = 0;
  // The small blind; the big blind and the raise step are twice it.
  std::int32_t limits = limit_ladder.front();
  bool postblinds = false;  // the pre-flop betting round is under way
  bool postflop1 = false;   // flop shown
  bool postflop2 = false;   // turn shown
  bool postflop3 = false;   // river shown
  bool gameover = false;    // the hand's showdown has begun
  bool raiser = false;      // a bet or raise was made in this hand
  std::string fl;           // classifier scratch: flush text
  std::string st;           // classifier scratch: straight text
  std::string cards1, cards2, cards3, cards4, cards5, cards6, cards7;  // seven cards classified
  std::int16_t focuser = 0;      // the seat whose turn has just ended
  std::int16_t flopshower = 0;   // closing seat of the pre-flop round
  std::int16_t flopshower1 = 0;  // ... of the flop round
  std::int16_t flopshower2 = 0;  // ... of the turn round
  std::int16_t flopshower3 = 0;  // ... of the river round
  std::int16_t sitter = 0;       // the human asked to sit out (1) or not (0)
  std::string flopvalue;
  std::int16_t numberofwinners = 0;
  std::int16_t raiservalue = 0;  // raises counted in this betting round
  std::int16_t closer = 0;       // 1 once the tournament is over for the human
  std::int16_t folder = 0;       // street on which a computer seat with a losing hand folds
  std::int16_t limittimersetting = kLimitCountdownStart;

  // ---- private state of the table ----
  std::array<std::int16_t, kDeckSize + 1> deck{};  // positions 1..kDeckSize
  std::int16_t drawn_card = 0;
  // Home of pot chip kFirstPotChip + n, for the chips a win moves.
  std::array<float, kLastMovedPotChip - kFirstPotChip + 1> pot_chip_top{};
  std::array<std::int16_t, kLastMovedPotChip - kFirstPotChip + 1> pot_chip_left{};

  // ---- tournament counters ----
  std::int16_t players_out = 0;  // entrants of the 1000 out so far
  std::int32_t chip_pool = 0;    // chips of entrants knocked out at other tables

  // The seat records player1..player10.
  player_record& player(int seat) { return players_.at(static_cast<std::size_t>(seat - 1)); }
  const player_record& player(int seat) const {
    return players_.at(static_cast<std::size_t>(seat - 1));
  }

  // ---- controls, in drawing order ----
  Control& Shape13;          // box behind the limits captions
  Control& Shape1;           // the table top
  ControlArray seat_plates;  // dark plates behind each seat's name and chip count
  Control &Shape2, &Shape3, &Shape4, &Shape5, &Shape6, &Shape7, &Shape8, &Shape9, &Shape10,
      &Shape11;  // turn lights
  Control &Picture2, &Picture3, &Picture4, &Picture5, &Picture6, &Picture7, &Picture8, &Picture9,
      &Picture10, &Picture11;  // seat lamps
  Control &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10, &Label11,
      &Label12;  // names
  Control &Label13, &Label14, &Label15, &Label16, &Label17, &Label18, &Label19, &Label20, &Label21,
      &Label22;            // chip counts
  ControlArray Image1;     // 0..39 hole cards, 40..44 the board
  ControlArray backchips;  // the bet chips, then the pot pile
  Control &chiplabel1, &chiplabel2, &chiplabel3, &chiplabel4, &chiplabel5, &chiplabel6, &chiplabel7,
      &chiplabel8, &chiplabel9, &chiplabel10;
  Control& potlabel;
  Control& sidepotlabel;
  Control& Label1;   // the dealer button "D"
  Control& Label2;   // players-remaining banner
  Control& Label23;  // the classifiers' verdict channel, never shown
  Control& limitslabel;
  Control& limitsdisplay;
  Control& winnerlabel;
  Control& Label24;    // the status line
  Control& Shape12;    // frame round the action panel
  Control& Command5;   // Call
  Control& Command6;   // Raise
  Control& Command7;   // Check
  Control& Command8;   // Fold
  Control& Text2;      // amount box
  Control& Command11;  // Bet It
  Control& Command3;   // Sit Out
  Control& Command2;   // Exit
  Control& Command1;   // hidden trigger of the next-hand timer
  Control& Command4;   // hidden trigger of the turn clock

  platform::Timer& Timer1;      // next-hand timer
  platform::Timer& roundtimer;  // turn clock
  platform::PictureClip PictureClip1{resources::kSheetRows, resources::kSheetColumns};

  // ---- the seat map ----
  Control& seat_lamp(int seat) const { return *at(seat_lamps_, seat); }
  Control& turn_light(int seat) const { return *at(turn_lights_, seat); }
  Control& player_label(int seat) const { return *at(player_labels_, seat); }
  Control& prize_label(int seat) const { return *at(prize_labels_, seat); }
  Control& bet_label(int seat) const { return *at(bet_labels_, seat); }
  // Hole card `card` (1..4) of `seat`.
  Control& hole_card(int seat, int card) const {
    return Image1[kHoleCards * (seat - 1) + card - 1];
  }
  // Bet chip `chip` (0..5) of `seat`.
  Control& seat_chip(int seat, int chip) const {
    return backchips[kChipsPerSeat * (seat - 1) + chip];
  }

 private:
  static Control* at(const std::array<Control*, kSeats>& seats, int seat) {
    return seats.at(static_cast<std::size_t>(seat - 1));
  }

  std::array<player_record, kSeats> players_;
  std::array<Control*, kSeats> seat_lamps_;
  std::array<Control*, kSeats> turn_lights_;
  std::array<Control*, kSeats> player_labels_;
  std::array<Control*, kSeats> prize_labels_;
  std::array<Control*, kSeats> bet_labels_;
};

// The seat's chip-count label shows its stack.
void show_prize(tables& t, int seat);

}  // namespace omaha
