#pragma once

#include <QWidget>
#include <array>
#include <string>

#include "targets/TargetSettings.h"

class QLabel;

namespace pixmora {

// The "Target" tab of the Preferences window: one control per setting of the target table,
// made by the helper of its kind (a drop-down list, a check box, a number field, a color field
// or a text field) with the table's caption and hint, and enabled only where the chosen target
// reads the setting. A change goes into the record at once when the table accepts it.
class TTargetTab : public QWidget {
  Q_OBJECT

 public:
  TTargetTab(TargetSettings& settings, QWidget* parent);

  // Sets every control from the record without counting it as a change.
  void ShowSettings();
  // The first field whose text the table refuses, focused, and why: "Background: expected ...";
  // an empty text when every field is accepted.
  std::string CheckFields();

 private:
  QWidget* MakeChoice(const TargetSettingInfo& info);
  QWidget* MakeFlag(const TargetSettingInfo& info);
  QWidget* MakeNumber(const TargetSettingInfo& info);
  QWidget* MakeColor(const TargetSettingInfo& info);
  QWidget* MakeText(const TargetSettingInfo& info);
  // A text the table reads; it replaces the setting when accepted.
  void Changed(const TargetSettingInfo& info, const std::string& text);
  void ApplyEnabling();

  TargetSettings& settings_;
  std::array<QWidget*, kTargetSettingCount> controls_{};
  std::array<QLabel*, kTargetSettingCount> labels_{};  // none for a check box
  bool showing_ = false;
};

}  // namespace pixmora
