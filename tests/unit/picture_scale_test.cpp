#include "window/picture_scale.h"

#include <gtest/gtest.h>

namespace {

TEST(FitInside, KeepsTheProportionsWithinTheBox) {
  struct Case {
    PixelSize picture, box, fitted;
  };
  const Case cases[] = {
      {{271, 154}, {173, 173}, {173, 98}},  // the permission picture in 图片框2
      {{154, 271}, {173, 173}, {98, 173}}, {{100, 50}, {100, 50}, {100, 50}},
      {{10, 5}, {100, 100}, {100, 50}},                                        // grows to fill a larger box
      {{400, 100}, {100, 100}, {100, 25}}, {{1000, 1}, {100, 100}, {100, 1}},  // never thinner than one pixel
      {{0, 0}, {100, 100}, {1, 1}},
  };
  for (const Case& c : cases) {
    const PixelSize fitted = fitInside(c.picture, c.box);
    EXPECT_EQ(fitted.width, c.fitted.width) << c.picture.width << "x" << c.picture.height;
    EXPECT_EQ(fitted.height, c.fitted.height) << c.picture.width << "x" << c.picture.height;
  }
}

TEST(Resample, AveragesTheCoveredSourceArea) {
  // Two channels, 4 x 2: each 2 x 2 block becomes one pixel, channels kept apart.
  const PixelImage source{{4, 2},
                          2,
                          {0, 100, 40, 100, 200, 0, 200, 0,  //
                           80, 100, 120, 100, 255, 0, 255, 0}};
  const PixelImage halved = resample(source, {2, 1});
  EXPECT_EQ(halved.bytes, (std::vector<std::uint8_t>{60, 100, 228, 0}));
}

TEST(Resample, WeighsPartlyCoveredPixels) {
  // Three pixels into two: each target covers one and a half source pixels.
  const PixelImage source{{3, 1}, 1, {0, 90, 180}};
  EXPECT_EQ(resample(source, {2, 1}).bytes, (std::vector<std::uint8_t>{30, 150}));
}

TEST(Resample, GrowsByRepeatingWhatEachTargetCovers) {
  const PixelImage source{{1, 1}, 3, {10, 20, 30}};
  const PixelImage grown = resample(source, {3, 2});
  ASSERT_EQ(grown.bytes.size(), 18u);
  for (std::size_t i = 0; i < grown.bytes.size(); i += 3) {
    EXPECT_EQ(grown.bytes[i], 10);
    EXPECT_EQ(grown.bytes[i + 1], 20);
    EXPECT_EQ(grown.bytes[i + 2], 30);
  }
}

}  // namespace
