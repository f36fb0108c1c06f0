#include "targets/TargetSettings.h"

#include <gtest/gtest.h>

#include <set>

#include "targets/TargetChoices.h"

namespace pixmora {
namespace {

using S = TargetSetting;

std::string Read(TargetSettings& s, TargetSetting setting, const std::string& text) {
  return InfoOf(setting).read(s, text);
}

TEST(TargetSettingTable, EveryValueTextReadsBackToTheSameSettings) {
  TargetSettings changed;
  const std::vector<std::pair<S, std::string>> values{
      {S::Target, "lvgl9"}, {S::ColorFormat, "RGB565A8"},
      {S::SwapBytes, "1"},  {S::Background, "10E0FF"},
      {S::Mask, "1"},       {S::LumaThreshold, "256"},
      {S::Invert, "1"},     {S::Dither, "floyd-steinberg"},
      {S::Code, "c"},       {S::Section, ".ext_ram,x"},
      {S::Align, "64"},     {S::Progmem, "0"}};
  for (const auto& [setting, text] : values) {
    ASSERT_EQ(Read(changed, setting, text), "") << text;
    EXPECT_EQ(InfoOf(setting).write(changed), text);
  }
  EXPECT_EQ(changed.target, TargetKind::Lvgl9);
  EXPECT_EQ(changed.colorFormat, LvglFormat::RGB565A8);
  EXPECT_EQ(changed.background, 0x10E0FFu);
  EXPECT_EQ(changed.dither, Dither::FloydSteinberg);
  EXPECT_EQ(changed.align, 64);
  EXPECT_FALSE(changed.progmem);

  TargetSettings copy;
  for (const TargetSettingInfo& info : TargetSettingTable())
    ASSERT_EQ(info.read(copy, info.write(changed)), "") << info.key;
  EXPECT_EQ(copy, changed);

  // The defaults: Classic, and no color of their own for transparency.
  const TargetSettings defaults;
  EXPECT_EQ(InfoOf(S::Target).write(defaults), "classic");
  EXPECT_EQ(InfoOf(S::Background).write(defaults), "");
  EXPECT_EQ(Read(changed, S::Background, ""), "");
  EXPECT_FALSE(changed.background.has_value());
  EXPECT_EQ(Read(changed, S::Background, "#00ff00"), "");
  EXPECT_EQ(changed.background, 0x00FF00u);
}

TEST(TargetSettingTable, RefusedValuesSayWhatIsAccepted) {
  TargetSettings s;
  EXPECT_EQ(Read(s, S::Dither, "random"),
            "expected none, ordered or floyd-steinberg, got 'random'");
  EXPECT_EQ(Read(s, S::LumaThreshold, "257"), "expected a number from 0 to 256, got '257'");
  EXPECT_EQ(Read(s, S::LumaThreshold, "12x"), "expected a number from 0 to 256, got '12x'");
  EXPECT_EQ(Read(s, S::Align, "3"), "expected 1, 2, 4, 8, 16, 32, 64, 128 or 256, got '3'");
  EXPECT_EQ(Read(s, S::Background, "FFF"),
            "expected a color RRGGBB (six hexadecimal digits), got 'FFF'");
  EXPECT_EQ(Read(s, S::Background, "GG0000"),
            "expected a color RRGGBB (six hexadecimal digits), got 'GG0000'");
  EXPECT_EQ(Read(s, S::Section, "a\"b"),
            "expected a section name (letters, digits and _ . $ - ,), got 'a\"b'");
  EXPECT_EQ(Read(s, S::Mask, "yes"), "expected 1 or 0, got 'yes'");
  EXPECT_EQ(Read(s, S::ColorFormat, "rgb565"),
            "expected RGB565, RGB565_SWAPPED, RGB888, "
            "XRGB8888, ARGB8888, RGB565A8, L8, A8, I1, I2, I4 "
            "or I8, got 'rgb565'");
  EXPECT_EQ(s, TargetSettings{});
}

TEST(TargetSettingTable, KeysAndOptionsAreUnique) {
  std::set<std::string> names;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    EXPECT_TRUE(names.insert(info.key).second) << info.key;
    EXPECT_TRUE(names.insert(info.option).second) << info.option;
    if (info.opposite) {
      EXPECT_TRUE(names.insert(info.opposite).second) << info.opposite;
    }
    EXPECT_NE(std::string(info.caption), "");
    EXPECT_NE(std::string(info.hint), "");
  }
}

TargetSettings For(TargetKind kind, std::function<void(TargetSettings&)> change = nullptr) {
  TargetSettings s;
  s.target = kind;
  if (change)
    change(s);
  return s;
}

TEST(CheckTargetChoice, OptionsThatTheTargetDoesNotReadAreRefused) {
  using K = TargetKind;
  const std::vector<std::tuple<TargetSettings, S, std::string, std::string>> refused{
      {For(K::GfxBitmap), S::Mask, "--mask",
       "--mask: applies to --target rgb565 and gray8 (the data of the masked draw calls), not "
       "gfx-bitmap"},
      {For(K::Classic), S::Dither, "--dither",
       "--dither: applies to the targets (--target), not classic"},
      {For(K::Gray8), S::Dither, "--dither", "--dither: gray8 loses no color depth"},
      {For(K::Rgb565), S::LumaThreshold, "--luma-threshold",
       "--luma-threshold: applies to the 1-bit targets gfx-bitmap, xbm and pages, not rgb565"},
      {For(K::Xbm), S::SwapBytes, "--swap-bytes",
       "--swap-bytes: applies to --target rgb565, not xbm"},
      {For(K::Lvgl9), S::SwapBytes, "--swap-bytes",
       "--swap-bytes: lvgl9 names swapped 5-6-5 by its own format: --cf RGB565_SWAPPED"},
      {For(K::Rgb565,
           [](TargetSettings& s) {
             s.mask = true;
             s.swapBytes = true;
           }),
       S::Mask, "--mask",
       "--swap-bytes: the masked draw call (drawRGBBitmap) reads native values; leave out --mask "
       "or --swap-bytes"},
      {For(K::Index4), S::Background, "--background",
       "--background: index4 writes palette indices; nothing is blended"},
      {For(K::Lvgl9, [](TargetSettings& s) { s.colorFormat = LvglFormat::ARGB8888; }),
       S::Background, "--background",
       "--background: lvgl9 --cf ARGB8888 keeps the alpha; nothing is blended"},
      {For(K::Rgb332), S::ColorFormat, "--cf", "--cf: applies to --target lvgl9, not rgb332"},
      {For(K::Pages), S::Progmem, "--no-progmem",
       "--no-progmem: pages is read from RAM, never from PROGMEM"},
      {For(K::Lvgl9), S::Code, "--code", "--code: lvgl9 always writes a .c file and a .h file"},
  };
  for (const auto& [settings, setting, option, message] : refused)
    EXPECT_EQ(CheckTargetChoice(settings, setting, option), message);

  const std::vector<std::tuple<TargetSettings, S>> accepted{
      {For(K::Pages), S::Invert},
      {For(K::Rgb565, [](TargetSettings& s) { s.mask = true; }), S::Mask},
      {For(K::Lvgl9, [](TargetSettings& s) { s.colorFormat = LvglFormat::RGB565A8; }), S::Dither},
      {For(K::Lvgl9, [](TargetSettings& s) { s.colorFormat = LvglFormat::L8; }), S::Background},
      {For(K::Index8), S::Section},
      {For(K::Classic), S::Target}};
  for (const auto& [settings, setting] : accepted)
    EXPECT_EQ(CheckTargetChoice(settings, setting, "--x"), "");
}

// Of rgb565's mask and swapped bytes the one left off does not apply while the other is on; both
// do when a settings file set both, so that either can be taken back.
TEST(ChoiceApplies, AMaskAndSwappedBytesExcludeEachOther) {
  TargetSettings s = For(TargetKind::Rgb565, [](TargetSettings& t) { t.mask = true; });
  EXPECT_FALSE(ChoiceApplies(s, S::SwapBytes));
  EXPECT_EQ(CheckTargetChoice(s, S::SwapBytes, "--no-swap-bytes"), "");
  s.swapBytes = true;
  EXPECT_TRUE(ChoiceApplies(s, S::SwapBytes) && ChoiceApplies(s, S::Mask));
}

}  // namespace
}  // namespace pixmora
