#include "resources/embedded_bitmaps.h"

#include <memory>

#include "resources/built_in_pictures.h"
#include "resources/embedded_resources.h"

namespace omaha {

void register_embedded_bitmaps(platform::ResourceStore& store) {
  for (int id : resources::kBuiltInBitmaps) {
    store.add_bitmap(id, [id] {
      resources::DecodedImage image = resources::decode_bitmap(id);
      return std::make_shared<const platform::Bitmap>(image.width, image.height, image.density,
                                                      std::move(image.rgb));
    });
  }
}

}  // namespace omaha
