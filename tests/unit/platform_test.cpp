#include "host/platform.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

bool endsWithSeparator(const std::string& folder) { return !folder.empty() && folder.back() == kPathSeparator[0]; }

// Restores the process's current directory, which the tests below move.
class CurrentDirectoryTest : public ::testing::Test {
 protected:
  void TearDown() override { fs::current_path(saved_); }

 private:
  fs::path saved_ = fs::current_path();
};

TEST_F(CurrentDirectoryTest, ExecutableDirectoryIsTheFolderOfThisProgram) {
  const std::string folder = executableDirectory();
  ASSERT_FALSE(folder.empty());
  EXPECT_FALSE(endsWithSeparator(folder));
  ASSERT_TRUE(setCurrentDirectory(folder));
  EXPECT_TRUE(fs::equivalent(fs::current_path(), fs::path(folder)));
  EXPECT_FALSE(setCurrentDirectory(folder + kPathSeparator + "no-such-folder"));
}

TEST_F(CurrentDirectoryTest, FolderNamesAreCodePage936) {
  const fs::path parent = fs::temp_directory_path();
  const fs::path chinese = parent / fs::path(u8"平台测试目录");
  fs::remove_all(chinese);
  ASSERT_TRUE(fs::create_directory(chinese));
  std::string parentText = parent.string();  // ASCII on the test machines
  if (endsWithSeparator(parentText)) parentText.pop_back();
  EXPECT_TRUE(setCurrentDirectory(parentText + kPathSeparator + "平台测试目录"));
  EXPECT_TRUE(fs::equivalent(fs::current_path(), chinese));
  fs::current_path(parent);
  fs::remove_all(chinese);
}

TEST(DesktopFolder, IsAFolderWithoutTrailingSeparator) {
  const std::string folder = desktopFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_FALSE(endsWithSeparator(folder));
}

}  // namespace
