#include "settings/SettingsWindowRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/RecordingFileWatch.h"

namespace pixmora {
namespace {

using enum Option;
using enum ImageMode;

TEST(SettingsWindowRulesTest, OnlyChangesThatShapeTheOutputOfTheModeEmptyIt) {
  const struct {
    Option changed;
    std::vector<ImageMode> emptiedIn;
  } cases[] = {
      {Color256, {Color}},
      {MonochromeHorizontal, {Monochrome}},
      {PaletteTableByte, {Palette}},
      {Palette1To8Pixel, {Palette}},
      {BasicData, {Color, Monochrome, Palette}},
      {Word, {Color, Monochrome, Palette}},
      {Compression, {Color, Monochrome, Palette}},
      {LSBFirst, {}},
      {IncludeInfo, {}},
      {PaletteSaveNo, {}},
      {PaletteInclude, {}},
      {SystemAutoDetect, {}},
      {SystemStayOnTop, {}},
  };
  const Preferences before;
  for (const auto& c : cases) {
    Preferences after;
    after.Set(c.changed, !after.Is(c.changed));
    for (ImageMode mode : {Color, Monochrome, Palette}) {
      const bool emptied =
          std::find(c.emptiedIn.begin(), c.emptiedIn.end(), mode) != c.emptiedIn.end();
      EXPECT_EQ(ChangeEmptiesOutput(before, after, mode), emptied)
          << InfoOf(c.changed).key << " in mode " << static_cast<int>(mode);
      EXPECT_FALSE(ChangeEmptiesOutput(before, before, mode));
    }
  }
  // A group the settings file left empty has changed once the window fills it.
  Preferences emptyGroup;
  emptyGroup.Set(CArray, false);
  EXPECT_TRUE(ChangeEmptiesOutput(emptyGroup, before, Monochrome));
}

TEST(SettingsWindowRulesTest, ChangesThatKeepTheOutputTextStillMakeItOutOfDate) {
  const Preferences bytes;
  Preferences words;
  words.Set(Word, true);
  const auto toggled = [](Preferences p, Option option) {
    p.Set(option, !p.Is(option));
    return p;
  };
  EXPECT_TRUE(ChangeAltersOutput(words, toggled(words, LSBFirst), false, Color));
  EXPECT_FALSE(ChangeAltersOutput(bytes, toggled(bytes, LSBFirst), false, Color));
  EXPECT_TRUE(ChangeAltersOutput(bytes, toggled(bytes, IncludeInfo), false, Monochrome));
  Preferences ownFile = bytes;
  ownFile.Set(PaletteSaveDiffFile, true);
  EXPECT_TRUE(ChangeAltersOutput(bytes, ownFile, false, Palette));
  EXPECT_FALSE(ChangeAltersOutput(bytes, ownFile, false, Color));
  for (Option option : {SystemAutoDetect, SystemStayOnTop, PaletteInclude, PaletteSeparate})
    EXPECT_FALSE(ChangeAltersOutput(bytes, toggled(bytes, option), false, Palette));

  // The custom tokens shape only the custom format's text.
  EXPECT_FALSE(ChangeAltersOutput(bytes, bytes, true, Color));
  Preferences custom;
  custom.Set(Custom, true);
  EXPECT_TRUE(ChangeAltersOutput(custom, custom, true, Color));
  EXPECT_FALSE(ChangeAltersOutput(custom, custom, false, Color));
}

TEST(SettingsWindowRulesTest, AutodetectRestartsTheWatchOnTheCurrentImageOrStopsIt) {
  RecordingFileWatch watch;
  watch.options = WatchOptions{WatchKind::Size};
  ApplyAutoDetect(true, watch, "/pictures/logo.png");
  EXPECT_EQ(watch.calls, (std::vector<std::string>{"Stop", "SetOptions 17",
                                                   "SetFileName /pictures/logo.png", "Start"}));
  EXPECT_EQ(watch.options, kImageFileChanges);
  EXPECT_TRUE(watch.running);

  watch.calls.clear();
  ApplyAutoDetect(false, watch, "/pictures/logo.png");
  EXPECT_EQ(watch.calls, std::vector<std::string>{"Stop"});
  EXPECT_FALSE(watch.running);
}

}  // namespace
}  // namespace pixmora
