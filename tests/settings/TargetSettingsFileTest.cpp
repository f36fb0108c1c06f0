#include "settings/TargetSettingsFile.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(TargetSettingsFile, AFileWithoutTheSectionMeansClassic) {
  TargetSettings settings;
  EXPECT_EQ(ReadTargetSettings(IniFile::FromText("[Preferences]\r\nCArray=1\r\n"), settings), "");
  EXPECT_EQ(settings, TargetSettings{});
}

TEST(TargetSettingsFile, WritesEveryKeyAndReadsThemBack) {
  TargetSettings written;
  written.target = TargetKind::Rgb565;
  written.swapBytes = true;
  written.background = 0x0000FF;
  written.dither = Dither::Ordered;
  written.section = ".ext";
  IniFile file = IniFile::FromText("[Preferences]\r\nCArray=1\r\n");
  WriteTargetSettings(file, written);
  EXPECT_EQ(file.Text(),
            "[Preferences]\r\nCArray=1\r\n[Target]\r\nTarget=rgb565\r\nColorFormat=RGB565\r\n"
            "SwapBytes=1\r\nBackground=0000FF\r\nMask=0\r\nLumaThreshold=128\r\nInvert=0\r\n"
            "Dither=ordered\r\nCode=header\r\nSection=.ext\r\nAlign=1\r\nProgmem=1\r\n");
  TargetSettings read;
  EXPECT_EQ(ReadTargetSettings(file, read), "");
  EXPECT_EQ(read, written);
}

TEST(TargetSettingsFile, ARefusedValueIsNamedAndKeepsItsSetting) {
  TargetSettings settings;
  const IniFile file =
      IniFile::FromText("[target]\r\ntarget=xbm\r\nDither=noise\r\nAlign=0\r\nInvert=1\r\n");
  EXPECT_EQ(ReadTargetSettings(file, settings),
            "[Target] Dither: expected none, ordered or floyd-steinberg, got 'noise'");
  EXPECT_EQ(settings.target, TargetKind::Xbm);  // keys match without regard to case
  EXPECT_EQ(settings.dither, Dither::None);
  EXPECT_EQ(settings.align, 1);
  EXPECT_TRUE(settings.invert);
}

}  // namespace
}  // namespace pixmora
