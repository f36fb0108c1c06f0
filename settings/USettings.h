#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "image/ImageMode.h"
#include "platform/FileWatch.h"
#include "platform/MessageBox.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

class QAbstractButton;
class QPushButton;
class QTabWidget;

namespace pixmora {

class TTargetTab;

// What the Preferences window works on: the main window's live record and the parts of the
// main window its rules reach.
struct SettingsWindowLinks {
  Preferences& preferences;
  FileWatch& watch;                              // ATFileNotification1
  std::function<std::string()> currentFileName;  // the open image, empty before any
  std::function<ImageMode()> imageMode;
  std::function<void()> clearOutput;       // empties the output window; the statistics follow
  std::function<void()> showCustomFormat;  // the custom format window, modally
  TargetSettings& target;
  MessageBoxService& messages;
};

// The Preferences window: one control per option of the live record, on five tabs, and the
// target settings on a sixth. Every change of a control, by the user or by the program, goes
// into the record at once; the window takes a snapshot of both when it shows and puts it back
// when it closes with Cancel (or the close box). OK stays open while a target field holds a
// text the settings refuse, and says why; closing with OK empties the output when a change made
// it stale.
class TFSettings : public QDialog {
  Q_OBJECT

 public:
  explicit TFSettings(const SettingsWindowLinks& links, QWidget* parent = nullptr);

  // Makes the tab with this caption ("Color", "Monochrome", "Palette", "Common", "Target",
  // "System") the active one.
  void SelectTab(const QString& caption);
  QString ActiveTab() const;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void FormHide(int result);
  void pagPreferencesActiveTabChange();
  void rdbCustomClick();
  void rdbWordClick();
  void chkSystemAutoDetectClick();
  void btnSettingsClick();

  QAbstractButton* Control(Option option) const;
  void OptionToggled(Option option, bool checked);
  // Sets every control from the record without counting it as a click.
  void ShowRecord();
  void ApplyEnablingRules();

  SettingsWindowLinks links_;
  QTabWidget* pagPreferences;
  QPushButton* btnSettings;
  TTargetTab* tabTarget;
  std::array<QAbstractButton*, kOptionCount> controls_{};
  Preferences snapshot_;
  TargetSettings targetSnapshot_;
  bool showingRecord_ = false;
};

}  // namespace pixmora
