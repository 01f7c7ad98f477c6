#pragma once

namespace omaha {

// The ten seats, numbered 1..10 clockwise from the bottom centre: seat 1 is the human's, the
// others are the computer players'.
constexpr int kSeats = 10;
constexpr int kHuman = 1;
constexpr int kFirstComputerSeat = kHuman + 1;

}  // namespace omaha
