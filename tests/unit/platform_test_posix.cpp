#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <optional>
#include <string>

#include "host/platform.h"

namespace {

namespace fs = std::filesystem;

// A home folder of its own, and HOME / XDG_DESKTOP_DIR restored afterwards.
class DesktopFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    home_ = fs::temp_directory_path() / ("desktop-test-" + std::to_string(getpid()));
    fs::remove_all(home_);
    fs::create_directory(home_);
    setenv("HOME", home_.c_str(), 1);
    unsetenv("XDG_DESKTOP_DIR");
  }
  void TearDown() override {
    restore("HOME", savedHome_);
    restore("XDG_DESKTOP_DIR", savedXdg_);
    fs::remove_all(home_);
  }

  fs::path home_;

 private:
  static std::optional<std::string> saved(const char* name) {
    const char* value = getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
  }
  static void restore(const char* name, const std::optional<std::string>& value) {
    if (value) {
      setenv(name, value->c_str(), 1);
    } else {
      unsetenv(name);
    }
  }

  std::optional<std::string> savedHome_ = saved("HOME");
  std::optional<std::string> savedXdg_ = saved("XDG_DESKTOP_DIR");
};

TEST_F(DesktopFolderTest, PrefersTheXdgFolderInCodePage936) {
  setenv("XDG_DESKTOP_DIR", reinterpret_cast<const char*>(u8"/home/用户/桌面"), 1);
  EXPECT_EQ(desktopFolder(), "/home/用户/桌面");
}

TEST_F(DesktopFolderTest, TakesDesktopInHomeWhenItExists) {
  fs::create_directory(home_ / "Desktop");
  EXPECT_EQ(desktopFolder(), home_.string() + "/Desktop");
}

TEST_F(DesktopFolderTest, FallsBackToHome) {
  EXPECT_EQ(desktopFolder(), home_.string());
  unsetenv("HOME");
  EXPECT_EQ(desktopFolder(), "");
}

}  // namespace
