#include "settings/SettingsLocation.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(SettingsLocationTest, BesideAWritableProgramElseInTheUsersConfigurationFolder) {
  EXPECT_EQ(SettingsFilePath("/home/me/tools", true, "/home/me/.cfg", "/home/me"),
            "/home/me/tools/Pixmora_Convert.ini");
  EXPECT_EQ(SettingsFilePath("/usr/bin", false, "/home/me/.cfg", "/home/me"),
            "/home/me/.cfg/Pixmora_Convert.ini");
  EXPECT_EQ(SettingsFilePath("/usr/bin", false, nullptr, "/home/me"),
            "/home/me/.config/Pixmora_Convert.ini");
  EXPECT_EQ(SettingsFilePath("/usr/bin", false, "relative", "/home/me"),
            "/home/me/.config/Pixmora_Convert.ini");
  // Nowhere else to go: beside the program, whose failed save the program reports.
  EXPECT_EQ(SettingsFilePath("/usr/bin", false, nullptr, nullptr), "/usr/bin/Pixmora_Convert.ini");
}

}  // namespace
}  // namespace pixmora
