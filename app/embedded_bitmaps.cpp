#include "app/embedded_bitmaps.h"

#include <memory>

#include "resources/embedded_resources.h"

namespace omaha {

void register_embedded_bitmaps(platform::ResourceStore& store) {
  for (int id : {101, 102, 103, 104}) {
    store.add_bitmap(id, [id] {
      resources::DecodedImage image = resources::decode_bitmap(id);
      return std::make_shared<const platform::Bitmap>(image.width, image.height, image.density,
                                                      std::move(image.rgb));
    });
  }
}

}  // namespace omaha
