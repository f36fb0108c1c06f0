#include "settings/Preferences.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/CustomFormat.h"
#include "settings/SummaryLabels.h"

namespace pixmora {
namespace {

using enum Option;

TEST(PreferencesTest, FirstStartDefaults) {
  Preferences p;
  const std::set<Option> on{Color65536,      MonochromeVertical, PaletteTableWord, Palette1Pixel,
                            PaletteSeparate, PaletteSaveHeader,  CArray,           Byte,
                            IncludeInfo};
  for (const auto& info : Options()) {
    EXPECT_EQ(p.Is(info.option), on.count(info.option) == 1) << info.key;
  }
}

TEST(PreferencesTest, RadioRuleClearsOthersOnlyWhenSettingTrue) {
  Preferences p;
  p.Set(Color256, true);
  EXPECT_TRUE(p.Is(Color256));
  EXPECT_FALSE(p.Is(Color65536));
  EXPECT_FALSE(p.Is(Color4096));

  p.Set(Color256, false);  // leaves the group empty
  EXPECT_FALSE(p.SetMember(OptionGroup::ColorMode).has_value());
  EXPECT_EQ(p.Effective(OptionGroup::ColorMode), Color65536);

  p.Set(LSBFirst, true);  // independent options touch nothing else
  p.Set(Compression, true);
  EXPECT_TRUE(p.Is(LSBFirst));
  EXPECT_TRUE(p.Is(Compression));
}

TEST(PreferencesTest, SettingsFileOrderAndKeysAreUnique) {
  std::set<std::string> keys;
  for (const auto& info : Options())
    keys.insert(info.key);
  EXPECT_EQ(keys.size(), kOptionCount);
  EXPECT_STREQ(Options().front().key, "Color256");
  EXPECT_STREQ(Options().back().key, "SystemStayOnTop");
  EXPECT_STREQ(InfoOf(SystemStayOnTop).control, "chkStayOnTop");
}

TEST(SummaryLabelsTest, DefaultsAndEmptyGroupKeepsText) {
  Preferences p;
  SummaryLabels labels;
  UpdateSummaryLabels(p, labels);
  EXPECT_EQ(labels.texts[0], "Color mode: 65536 (5-6-5)");
  EXPECT_EQ(labels.texts[1], "Monochrome orientation: Vertical");
  EXPECT_EQ(labels.texts[2], "Color table representation: Word");
  EXPECT_EQ(labels.texts[3], "Pixels per byte (palette mode): 1");
  EXPECT_EQ(labels.texts[4], "Output data format: C Array");
  EXPECT_EQ(labels.texts[5], "Output data representation: Byte");
  EXPECT_EQ(labels.texts[6], "Compression: Off");

  p.Set(BasicData, true);
  p.Set(BasicData, false);  // output format group now empty
  p.Set(Palette1To8Pixel, true);
  p.Set(Compression, true);
  UpdateSummaryLabels(p, labels);
  EXPECT_EQ(labels.texts[3], "Pixels per byte (palette mode): 1 - 8");
  EXPECT_EQ(labels.texts[4], "Output data format: C Array");
  EXPECT_EQ(labels.texts[6], "Compression: On");
}

TEST(CustomFormatTest, BytesPerLineAcceptsOnlyOneTo255) {
  CustomFormat f;
  EXPECT_EQ(f.BytesPerLine(), 8);
  EXPECT_FALSE(f.SetBytesPerLine(0));
  EXPECT_FALSE(f.SetBytesPerLine(300));
  EXPECT_EQ(f.BytesPerLine(), 8);
  EXPECT_TRUE(f.SetBytesPerLine(255));
  EXPECT_TRUE(f.SetBytesPerLine(1));
  EXPECT_EQ(f.BytesPerLine(), 1);
}

TEST(CustomFormatTest, ExampleLines) {
  CustomFormat f;
  EXPECT_EQ(UpdateExample(f), (std::array<std::string, 4>{"//This is a comment", "Caption = (",
                                                          "Data &h0A%, &hFC%, (8 times)", ")"}));
  f.SetBytesPerLine(1);
  EXPECT_EQ(UpdateExample(f)[2], "Data &h0A%");

  f.SetBytesPerLine(8);
  for (const auto& field : CustomTextFields())
    f.*field.member = "";
  EXPECT_EQ(UpdateExample(f),
            (std::array<std::string, 4>{"This is a comment", " ", " 0A FC (8 times)", ""}));
}

}  // namespace
}  // namespace pixmora
