#pragma once

#include "platform/bitmap.h"

namespace resources {

// Makes the pictures built into the program (the card sheet and the rooms) available by their
// resource numbers. Each is decoded when first asked for and dropped when no one holds it.
void register_embedded_bitmaps(platform::ResourceStore& store);

}  // namespace resources
