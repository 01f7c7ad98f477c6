#pragma once

#include "platform/bitmap.h"

namespace omaha {

// Makes the pictures built into the program (the card sheet 101, the rooms 102..104) available
// by resource number. Each is decoded when first asked for and dropped when no one holds it.
void register_embedded_bitmaps(platform::ResourceStore& store);

}  // namespace omaha
