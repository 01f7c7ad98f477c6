#pragma once

namespace omaha {

class tables;

// The table screen's own handlers: its start-up, "Exit" and the F9/F10 keys.
void connect_table_handlers(tables& t);

// Start-up: table state, seat records, captions, the card sheet, then the first hand.
void Form_Load(tables& t);
// "Exit": ends the program at once.
void Command2_Click(tables& t);
// F10 shows the hand-result label, F9 hides it.
void Form_KeyDown(tables& t, int key_code, int shift);

// Clears every seat's evaluation fields before the cards are read.
void class_set_to_zero(tables& t);

}  // namespace omaha
