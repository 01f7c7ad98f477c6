#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

#include "pictures.h"
#include "pixels.h"
#include "resources/embedded_resources.h"

namespace {

using resources::DecodedImage;
using resources_test::Area;
using resources_test::Rgb;

constexpr int kRoomIds[] = {102, 103, 104};

const DecodedImage& room(int id) {
  static const DecodedImage rooms[] = {resources::decode_bitmap(102), resources::decode_bitmap(103),
                                       resources::decode_bitmap(104)};
  return rooms[id - 102];
}

Area whole(const DecodedImage& image) {
  return {0, 0, image.width, image.height};
}

TEST(Rooms, ThePicturesHoldExactlyThePixelsDrawn) {
  const struct {
    int id;
    resgen::Canvas (*draw)();
  } rooms[] = {
      {102, resgen::draw_club_room}, {103, resgen::draw_casino_hall}, {104, resgen::draw_lounge}};
  for (const auto& [id, draw] : rooms) {
    const resgen::Canvas drawn = draw();
    ASSERT_EQ(drawn.width(), room(id).width) << id;
    ASSERT_EQ(drawn.height(), room(id).height) << id;
    EXPECT_TRUE(drawn.to_rgb8() == room(id).rgb) << id;
  }
}

TEST(Rooms, AreFullSizePictures) {
  for (const int id : kRoomIds) {
    EXPECT_EQ(room(id).width, 1024) << id;
    EXPECT_EQ(room(id).height, 768) << id;
    EXPECT_EQ(room(id).density, 1) << id;
    EXPECT_EQ(room(id).rgb.size(), 1024u * 768u * 3u) << id;
  }
}

TEST(Rooms, OtherIdsAreRefused) {
  for (const int id : {-1, 0, 100, 105, 201}) {
    EXPECT_THROW(resources::decode_bitmap(id), std::out_of_range) << id;
  }
}

TEST(Rooms, DifferFromEachOther) {
  for (const int a : kRoomIds) {
    for (const int b : kRoomIds) {
      if (a < b) {
        EXPECT_GT(
            resources_test::luminance_distance(room(a), whole(room(a)), room(b), whole(room(b))),
            10.0)
            << a << " and " << b;
      }
    }
  }
}

// White captions are drawn over the rooms, so they stay dark and have few bright spots.
TEST(Rooms, AreDarkEnoughForWhiteText) {
  for (const int id : kRoomIds) {
    const Area all = whole(room(id));
    EXPECT_LT(resources_test::luminance(resources_test::mean_colour(room(id), all)), 100.0) << id;
    EXPECT_LT(resources_test::share(room(id), all,
                                    [](Rgb c) { return resources_test::luminance(c) > 220; }),
              0.03)
        << id;
  }
}

TEST(Rooms, HaveTheirOwnColouring) {
  const Rgb club = resources_test::mean_colour(room(102), whole(room(102)));
  EXPECT_GT(club.r, club.b + 15);  // warm wood and burgundy
  const Rgb casino = resources_test::mean_colour(room(103), whole(room(103)));
  EXPECT_GT(casino.b, casino.r + 15);  // dark blue
  const Rgb lounge = resources_test::mean_colour(room(104), whole(room(104)));
  EXPECT_GT(lounge.g, lounge.b);  // green and brown
}

// The room picker shows 69 x 29 thumbnails: they must still differ and show some structure.
TEST(Rooms, ThumbnailsStayDistinct) {
  std::vector<DecodedImage> thumbs;
  for (const int id : kRoomIds) {
    thumbs.push_back(resources_test::box_scaled(room(id), whole(room(id)), 69, 29));
  }
  for (std::size_t i = 0; i < thumbs.size(); ++i) {
    double sum = 0, sum_sq = 0;
    resources_test::for_each_pixel(thumbs[i], whole(thumbs[i]), [&](int, int, Rgb c) {
      sum += resources_test::luminance(c);
      sum_sq += resources_test::luminance(c) * resources_test::luminance(c);
    });
    const double n = 69.0 * 29.0;
    EXPECT_GT(std::sqrt(sum_sq / n - (sum / n) * (sum / n)), 12.0) << "thumbnail " << i;
    for (std::size_t j = i + 1; j < thumbs.size(); ++j) {
      EXPECT_GT(resources_test::luminance_distance(thumbs[i], whole(thumbs[i]), thumbs[j],
                                                   whole(thumbs[j])),
                8.0)
          << i << " and " << j;
    }
  }
}

}  // namespace
