#include "settings/SettingsWindowRules.h"

#include <optional>

#include "targets/TargetChoices.h"

namespace pixmora {

namespace {

bool GroupChanged(const Preferences& a, const Preferences& b, OptionGroup group) {
  for (Option member : InfoOf(group).Members()) {
    if (a.Is(member) != b.Is(member))
      return true;
  }
  return false;
}

}  // namespace

SettingsEnabling EnablingOf(const Preferences& preferences) {
  return {.customSettings = preferences.Is(Option::Custom),
          .lsbFirst = preferences.Is(Option::Word),
          .askReload = preferences.Is(Option::SystemAutoDetect)};
}

bool ChangeEmptiesOutput(const Preferences& snapshot, const Preferences& current, ImageMode mode) {
  struct Check {
    OptionGroup group;
    std::optional<ImageMode> onlyIn;  // the group shapes the output of this mode only
  };
  static constexpr Check kChecks[] = {
      {OptionGroup::ColorMode, ImageMode::Color},
      {OptionGroup::Orientation, ImageMode::Monochrome},
      {OptionGroup::TableRepresentation, ImageMode::Palette},
      {OptionGroup::PixelsPerByte, ImageMode::Palette},
      {OptionGroup::OutputFormat, std::nullopt},
      {OptionGroup::DataRepresentation, std::nullopt},
  };
  for (const Check& check : kChecks) {
    if ((!check.onlyIn || *check.onlyIn == mode) && GroupChanged(snapshot, current, check.group))
      return true;
  }
  return snapshot.Is(Option::Compression) != current.Is(Option::Compression);
}

bool TargetChangeEmptiesOutput(const TargetSettings& snapshot, const TargetSettings& current) {
  if (snapshot.target != current.target)
    return true;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    if (ChoiceApplies(current, info.setting) && info.write(snapshot) != info.write(current))
      return true;
  }
  return false;
}

bool ChangeAltersOutput(const Preferences& snapshot, const Preferences& current,
                        bool customFormatChanged, ImageMode mode) {
  const auto changed = [&](Option option) { return snapshot.Is(option) != current.Is(option); };
  return (current.Effective(OptionGroup::DataRepresentation) == Option::Word &&
          changed(Option::LSBFirst)) ||
         changed(Option::IncludeInfo) ||
         (mode == ImageMode::Palette &&
          GroupChanged(snapshot, current, OptionGroup::TableSaving)) ||
         (current.Effective(OptionGroup::OutputFormat) == Option::Custom && customFormatChanged);
}

void ApplyAutoDetect(bool on, FileWatch& watch, const std::string& currentFileName) {
  watch.Stop();
  if (!on)
    return;
  watch.SetOptions(kImageFileChanges);
  watch.SetFileName(currentFileName);
  watch.Start();
}

}  // namespace pixmora
