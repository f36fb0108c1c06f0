#include "settings/SettingsFile.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "settings/PreviewSettings.h"
#include "settings/ScreenFit.h"
#include "settings/TargetSettingsFile.h"

namespace pixmora {

namespace {

constexpr const char* kRecent = "Recent";
constexpr const char* kEditSettings = "EditSettings";
constexpr const char* kPreferences = "Preferences";
constexpr const char* kCustom = "Custom";
constexpr const char* kResize = "Resize";
constexpr const char* kStatistics = "Statistics";
constexpr const char* kForm = "Form";
constexpr const char* kView = "View";
constexpr int kRecentKeyCount = 16;

// The settings file keeps the custom texts in an order of its own, not the window's.
constexpr std::array<std::string_view, 9> kCustomKeyOrder{
    "HexNotation", "EndNotation", "RowDirective", "CommaSymbol", "Caption",
    "OpenBrace",   "CloseBrace",  "CommentStart", "CommentEnd"};

const CustomTextFieldInfo& CustomField(std::string_view key) {
  for (const auto& field : CustomTextFields()) {
    if (key == field.key)
      return field;
  }
  return CustomTextFields().front();  // not reached: every key of the order is in the table
}

std::string RecentKey(int n) {
  return "MRU" + std::to_string(n);
}

// Half of the difference, the half rounded to the even neighbour.
int CentredOrigin(int screenSize, int windowSize) {
  const int difference = screenSize - windowSize;
  const int half = difference / 2;
  if (difference % 2 == 0 || half % 2 == 0)
    return half;
  return difference > 0 ? half + 1 : half - 1;
}

void ReadRecentFiles(const IniFile& file, std::vector<std::string>& entries) {
  entries.clear();
  for (int n = 1; n <= kRecentKeyCount; ++n) {
    std::string name = file.ReadString(kRecent, RecentKey(n), "");
    if (!name.empty())
      entries.push_back(std::move(name));
  }
}

void WriteRecentFiles(IniFile& file, const std::vector<std::string>& entries) {
  for (int n = 1; n <= kRecentKeyCount; ++n) {
    if (static_cast<std::size_t>(n) <= entries.size()) {
      file.WriteString(kRecent, RecentKey(n), entries[static_cast<std::size_t>(n) - 1]);
    } else {
      file.DeleteKey(kRecent, RecentKey(n));
    }
  }
}

void ReadStatisticsPanel(const IniFile& file, SettingsWindows& windows) {
  const MainWindowLayout layout = windows.Layout();
  StatisticsPanelState panel = windows.StatisticsPanel();
  const WindowBounds& main = layout.bounds;
  panel.floatX = file.ReadInteger(
      kStatistics, "FloatPosX", main.left + main.width - StatisticsPanelState::kFloatingWidth - 30);
  panel.floatY = file.ReadInteger(kStatistics, "FloatPosY",
                                  main.top + main.height - StatisticsPanelState::kFloatingHeight -
                                      layout.outputPanelHeight - layout.statusBarHeight - 35);
  panel.floating = file.ReadBool(kStatistics, "Float", false);
  if (!panel.floating)
    panel.dockedLeft = file.ReadInteger(kStatistics, "DockSite", 1) == 0;
  panel.visible = file.ReadBool(kStatistics, "Visible", true);
  windows.SetStatisticsPanel(panel);
}

void WriteStatisticsPanel(IniFile& file, const StatisticsPanelState& panel) {
  file.WriteBool(kStatistics, "Visible", panel.visible);
  file.WriteBool(kStatistics, "Float", panel.floating);
  if (!panel.floating)
    file.WriteInteger(kStatistics, "DockSite", panel.dockedLeft ? 0 : 1);
  file.WriteInteger(kStatistics, "FloatPosX", panel.floatX);
  file.WriteInteger(kStatistics, "FloatPosY", panel.floatY);
}

}  // namespace

void ReadPreferences(const IniFile& file, Preferences& preferences) {
  for (const auto& info : Options()) {
    preferences.Set(info.option, file.ReadBool(kPreferences, info.key, info.defaultValue));
  }
}

void WritePreferences(IniFile& file, const Preferences& preferences) {
  for (const auto& info : Options()) {
    file.WriteBool(kPreferences, info.key, preferences.Is(info.option));
  }
}

void ReadCustomFormat(const IniFile& file, CustomFormat& format) {
  format.SetBytesPerLine(file.ReadInteger(kCustom, kBytesPerLineKey, format.BytesPerLine()));
  for (const auto key : kCustomKeyOrder) {
    const auto& field = CustomField(key);
    format.*field.member = file.ReadString(kCustom, key, field.defaultText);
  }
}

void WriteCustomFormat(IniFile& file, const CustomFormat& format) {
  file.WriteInteger(kCustom, kBytesPerLineKey, format.BytesPerLine());
  for (const auto key : kCustomKeyOrder)
    file.WriteString(kCustom, key, format.*CustomField(key).member);
}

ResizeOptions ReadResizeOptions(const IniFile& file) {
  ResizeOptions options;
  options.keepAspectRatio = file.ReadBool(kResize, "KeepAspectRatio", true);
  options.optimizeImage = file.ReadBool(kResize, "OptimizeImage", true);
  return options;
}

namespace {

ViewSettings ReadViewSettings(const IniFile& file) {
  ViewSettings view;
  view.lastFolder = file.ReadString(kView, "LastFolder", "");
  view.outputPanelHeight = std::max(0, file.ReadInteger(kView, "OutputHeight", 0));
  const int text = file.ReadInteger(kView, "ToolbarText", 0);
  if (text >= 0 && text <= static_cast<int>(ViewSettings::ToolbarText::Under))
    view.toolbarText = static_cast<ViewSettings::ToolbarText>(text);
  return view;
}

void WriteViewSettings(IniFile& file, const ViewSettings& view) {
  file.WriteString(kView, "LastFolder", view.lastFolder);
  file.WriteInteger(kView, "OutputHeight", view.outputPanelHeight);
  file.WriteInteger(kView, "ToolbarText", static_cast<int>(view.toolbarText));
}

}  // namespace

void LoadSettings(const std::string& path, const LiveSettings& live) {
  IniFile file;
  file.Load(path);  // a missing or unreadable file reads as every default
  ReadRecentFiles(file, live.recentFiles);
  live.windows.SetCropEnabled(file.ReadBool(kEditSettings, "CropEnabled", false));
  ReadPreferences(file, live.preferences);
  ReadCustomFormat(file, live.customFormat);
  live.windows.SetResize(ReadResizeOptions(file));
  ReadStatisticsPanel(file, live.windows);
  live.target = TargetSettings();
  ReadTargetSettings(file, live.target);
  if (live.preview) {
    *live.preview = PreviewSettings();
    ReadPreviewSettings(file, *live.preview);
  }
  live.windows.SetView(ReadViewSettings(file));
}

std::string SaveSettings(const std::string& path, const LiveSettings& live) {
  IniFile file;
  file.Load(path);
  WriteRecentFiles(file, live.recentFiles);
  file.WriteBool(kEditSettings, "CropEnabled", live.windows.CropEnabled());
  WritePreferences(file, live.preferences);
  WriteCustomFormat(file, live.customFormat);
  const ResizeOptions resize = live.windows.Resize();
  file.WriteBool(kResize, "KeepAspectRatio", resize.keepAspectRatio);
  file.WriteBool(kResize, "OptimizeImage", resize.optimizeImage);
  WriteStatisticsPanel(file, live.windows.StatisticsPanel());
  WriteViewSettings(file, live.windows.View());
  WriteTargetSettings(file, live.target);
  if (live.preview)
    WritePreviewSettings(file, *live.preview);
  return file.Save(path);
}

void RestoreWindowPlacement(const std::string& path, SettingsWindows& windows) {
  IniFile file;
  file.Load(path);
  const MainWindowLayout layout = windows.Layout();
  const WindowBounds& current = layout.bounds;
  WindowPlacement placement;
  placement.bounds.left =
      file.ReadInteger(kForm, "Left", CentredOrigin(layout.screenWidth, current.width));
  placement.bounds.top =
      file.ReadInteger(kForm, "Top", CentredOrigin(layout.screenHeight, current.height));
  placement.bounds.width = file.ReadInteger(kForm, "Width", current.width);
  placement.bounds.height = file.ReadInteger(kForm, "Height", current.height);
  // The window system knows no state beyond these three; anything else shows the window normal.
  const int state = file.ReadInteger(kForm, "State", 0);
  placement.state = state == 1   ? WindowShowState::Minimized
                    : state == 2 ? WindowShowState::Maximized
                                 : WindowShowState::Normal;
  placement.bounds = FitOnScreens(placement.bounds, layout.frame, layout.screenAreas);
  windows.ApplyPlacement(placement);
}

std::string SaveWindowPlacement(const std::string& path, const SettingsWindows& windows) {
  IniFile file;
  file.Load(path);
  const WindowPlacement placement = windows.Placement();
  file.WriteInteger(kForm, "Width", placement.bounds.width);
  file.WriteInteger(kForm, "Height", placement.bounds.height);
  file.WriteInteger(kForm, "Left", placement.bounds.left);
  file.WriteInteger(kForm, "Top", placement.bounds.top);
  file.WriteInteger(kForm, "State", static_cast<int>(placement.state));
  if (!file.Save(path).empty())
    return "Unable to write to " + path;
  return {};
}

}  // namespace pixmora
