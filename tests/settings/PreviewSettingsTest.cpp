#include "settings/PreviewSettings.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(PreviewSettingsTest, AFileWithoutTheSectionKeepsTheDefaults) {
  PreviewSettings settings;
  ReadPreviewSettings(IniFile::FromText("[Preferences]\r\nCArray=1\r\n"), settings);
  EXPECT_EQ(settings, PreviewSettings{});
  EXPECT_FALSE(settings.shown);
  EXPECT_EQ(settings.tolerance, 8);
}

TEST(PreviewSettingsTest, WritesEveryKeyAndReadsThemBack) {
  const PreviewSettings written{
      .shown = true, .instead = false, .differences = true, .tolerance = 20};
  IniFile file = IniFile::FromText("[Target]\r\nTarget=xbm\r\n");
  WritePreviewSettings(file, written);
  EXPECT_EQ(file.Text(),
            "[Target]\r\nTarget=xbm\r\n[Preview]\r\nShown=1\r\nInstead=0\r\nDifferences=1\r\n"
            "Tolerance=20\r\n");
  PreviewSettings read;
  ReadPreviewSettings(file, read);
  EXPECT_EQ(read, written);
}

TEST(PreviewSettingsTest, AToleranceOutsideItsRangeIsBroughtIntoIt) {
  PreviewSettings settings;
  ReadPreviewSettings(IniFile::FromText("[Preview]\r\nTolerance=300\r\n"), settings);
  EXPECT_EQ(settings.tolerance, 255);
  ReadPreviewSettings(IniFile::FromText("[Preview]\r\nTolerance=-4\r\nInstead=1\r\n"), settings);
  EXPECT_EQ(settings.tolerance, 0);
  EXPECT_TRUE(settings.instead);
}

}  // namespace
}  // namespace pixmora
