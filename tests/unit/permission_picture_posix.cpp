// The picture stored with the window decodes as the PNG the page "权限解析" expects.
#include <png.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <vector>

namespace {

const std::filesystem::path kPicture =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "window" / "permission_panel.png";

TEST(PermissionPicture, DecodesAsAnOpaque271By154Picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  ASSERT_TRUE(png_image_begin_read_from_file(&image, kPicture.c_str())) << kPicture << ": " << image.message;
  EXPECT_EQ(image.width, 271u);
  EXPECT_EQ(image.height, 154u);
  EXPECT_EQ(image.format & PNG_FORMAT_FLAG_ALPHA, 0u) << "the window shows it on a plain background";

  image.format = PNG_FORMAT_RGB;
  std::vector<png_byte> pixels(PNG_IMAGE_SIZE(image));
  ASSERT_TRUE(png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) << image.message;

  // A drawing, not an empty canvas: frame, text and the check marks bring many colours.
  std::set<unsigned> colours;
  for (std::size_t i = 0; i + 2 < pixels.size(); i += 3) {
    colours.insert(pixels[i] << 16 | pixels[i + 1] << 8 | pixels[i + 2]);
  }
  EXPECT_GT(colours.size(), 50u);
}

}  // namespace
