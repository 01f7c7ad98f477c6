#pragma once

#include "geometry.h"

namespace resgen {

enum class Suit { clubs = 0, diamonds = 1, hearts = 2, spades = 3 };

// The suit symbol, fitted into a one-unit square centred on the origin (y grows downwards).
Path suit_shape(Suit suit);

}  // namespace resgen
