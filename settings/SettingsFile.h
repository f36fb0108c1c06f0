#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/CustomFormat.h"
#include "settings/IniFile.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

namespace pixmora {

struct PreviewSettings;

inline constexpr const char* kSettingsFileName = "Pixmora_Convert.ini";
// What the user is told when SaveSettings fails (title "I/O Error", error icon).
inline constexpr const char* kSettingsWriteFailedText =
    "Can't write to \"Pixmora_Convert.ini\" file";
inline constexpr const char* kSettingsWriteFailedTitle = "I/O Error";

// Where a window is: the top-left corner of its frame and the size of what the frame holds,
// as the window toolkit moves and sizes a window.
struct WindowBounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The frame the window system draws around a window, in pixels per side.
struct FrameMargins {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

enum class WindowShowState { Normal = 0, Minimized = 1, Maximized = 2 };

struct WindowPlacement {
  WindowBounds bounds;  // the normal bounds, kept by the system while minimised or maximised
  WindowShowState state = WindowShowState::Normal;
};

// What the defaults of the statistics panel's floating position and of the window placement
// are measured on, and where a placement has to fit.
struct MainWindowLayout {
  WindowBounds bounds;
  int outputPanelHeight = 0;  // the docked height of the output window panel
  int statusBarHeight = 0;
  int screenWidth = 0;  // the primary screen
  int screenHeight = 0;
  std::vector<WindowBounds> screenAreas;  // each screen's area for windows, the primary first
  FrameMargins frame;                     // the main window's frame, when known
};

struct StatisticsPanelState {
  static constexpr int kFloatingWidth = 210;
  static constexpr int kFloatingHeight = 360;

  bool visible = true;
  bool floating = false;
  bool dockedLeft = false;  // meaningful only while docked
  int floatX = 0;           // kept while docked
  int floatY = 0;
};

struct ResizeOptions {
  bool keepAspectRatio = true;
  bool optimizeImage = true;
};

// How the user left the main window's view: where the file dialogs were last, the output
// window's height and how the toolbar shows its buttons. Zero and empty mean the defaults.
struct ViewSettings {
  enum class ToolbarText { IconsOnly = 0, Beside = 1, Under = 2 };

  std::string lastFolder;
  int outputPanelHeight = 0;
  ToolbarText toolbarText = ToolbarText::IconsOnly;

  bool operator==(const ViewSettings&) const = default;
};

// The state of windows that the settings file holds: the main window implements it.
class SettingsWindows {
 public:
  virtual ~SettingsWindows() = default;

  virtual bool CropEnabled() const = 0;  // the check mark of "Enable Image Crop"
  virtual void SetCropEnabled(bool checked) = 0;
  virtual ResizeOptions Resize() const = 0;
  virtual void SetResize(const ResizeOptions& options) = 0;
  virtual StatisticsPanelState StatisticsPanel() const = 0;
  // Floating position first, then floating or docked, then the dock side when docked, then
  // the panel's visibility and both menu check marks.
  virtual void SetStatisticsPanel(const StatisticsPanelState& state) = 0;
  virtual MainWindowLayout Layout() const = 0;
  virtual WindowPlacement Placement() const = 0;
  virtual void ApplyPlacement(const WindowPlacement& placement) = 0;
  // Section "View"; windows without such a view keep the defaults.
  virtual ViewSettings View() const { return {}; }
  virtual void SetView(const ViewSettings&) {}
};

// The live state that LoadSettings fills and SaveSettings writes.
struct LiveSettings {
  std::vector<std::string>& recentFiles;  // most recent first, at most 16
  Preferences& preferences;
  CustomFormat& customFormat;
  SettingsWindows& windows;
  TargetSettings& target;
  PreviewSettings* preview = nullptr;  // the desktop program's Display preview; none: not read
};

// Reads every section but "Form". Reading never fails: whatever is missing or unreadable keeps
// its default (a file without section "Target" means Classic, a refused target setting keeps
// its default). The options go through the radio rule; the windows then react to every option
// that changed as they do to a click.
void LoadSettings(const std::string& path, const LiveSettings& live);
// Writes every section but "Form", keeping everything else the file holds. Returns an empty
// text on success, else the system's reason; the file is then left as it was.
std::string SaveSettings(const std::string& path, const LiveSettings& live);

// The placement is moved, and shrunk where it is larger, into the screen area it overlaps most
// (the primary one when it overlaps none), so the whole window can be reached: a screen
// unplugged since the last run takes no window with it.
void RestoreWindowPlacement(const std::string& path, SettingsWindows& windows);
// Returns an empty text on success, else "Unable to write to PATH".
std::string SaveWindowPlacement(const std::string& path, const SettingsWindows& windows);

// The sections the command-line tool shares with the desktop program.
void ReadPreferences(const IniFile& file, Preferences& preferences);
void WritePreferences(IniFile& file, const Preferences& preferences);
void ReadCustomFormat(const IniFile& file, CustomFormat& format);
void WriteCustomFormat(IniFile& file, const CustomFormat& format);
ResizeOptions ReadResizeOptions(const IniFile& file);

}  // namespace pixmora
