#include "resources/embedded_bitmaps.h"

#include <memory>

#include "resources/built_in_pictures.h"
#include "resources/embedded_resources.h"

namespace resources {

void register_embedded_bitmaps(platform::ResourceStore& store) {
  for (int id : kBuiltInBitmaps) {
    store.add_bitmap(id, [id] {
      DecodedImage image = decode_bitmap(id);
      return std::make_shared<const platform::Bitmap>(image.width, image.height, image.density,
                                                      std::move(image.rgb));
    });
  }
}

}  // namespace resources
