#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "support/game_harness.h"

namespace omaha::testing {

// A careless player at the table: clicks whatever is showing, presses keys at random (Tab,
// Enter and Space wherever the focus is, F9, F10, editing keys, anything), types rubbish, huge
// and negative numbers or nothing into the amount box, asks to sit out, and lets random time
// pass in between.
class RandomUser {
 public:
  explicit RandomUser(std::uint64_t seed) : rng_(seed) {}

  // One thing the user does, or a wait on the clock.
  void act(GameHarness& h);
  // A text for the amount box: digits, letters, huge or negative numbers, blanks, or nothing.
  std::string amount_text();

  bool exit_allowed = false;  // may click "Exit" or close the window now and then
  // A key that ended the run without the user giving "Exit" the focus, one line each.
  const std::string& problems() const { return problems_; }

 private:
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  void click_something(GameHarness& h);
  void click_anywhere(GameHarness& h);
  void press_a_key(GameHarness& h);
  void press(GameHarness& h, int key, int shift = 0);
  void type_an_amount(GameHarness& h);

  std::mt19937_64 rng_;
  std::string problems_;
};

}  // namespace omaha::testing
