#include "settings/UTargetTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "targets/TargetChoices.h"

namespace pixmora {

namespace {

std::size_t IndexOf(TargetSetting setting) {
  return static_cast<std::size_t>(setting);
}

// The table's names with a capital: "rgb565" stays, "classic" is "Classic".
QString ChoiceCaption(const TargetSettingInfo& info, std::size_t index) {
  if (info.setting == TargetSetting::Target)
    return TargetCaption(static_cast<TargetKind>(index));
  return info.choices[index];
}

}  // namespace

TTargetTab::TTargetTab(TargetSettings& settings, QWidget* parent)
    : QWidget(parent), settings_(settings) {
  auto* form = new QFormLayout(this);
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    QWidget* control = nullptr;
    switch (info.kind) {
      case SettingKind::Choice:
        control = MakeChoice(info);
        break;
      case SettingKind::Flag:
        control = MakeFlag(info);
        break;
      case SettingKind::Number:
        control = MakeNumber(info);
        break;
      case SettingKind::Color:
        control = MakeColor(info);
        break;
      case SettingKind::Text:
        control = MakeText(info);
        break;
    }
    control->setToolTip(info.hint);
    controls_[IndexOf(info.setting)] = control;
    if (info.kind == SettingKind::Flag) {
      form->addRow(control);
      continue;
    }
    auto* label = new QLabel(QString(info.caption) + ":", this);
    label->setObjectName(QString("lbl") + info.key);
    label->setToolTip(info.hint);
    label->setBuddy(control);
    labels_[IndexOf(info.setting)] = label;
    form->addRow(label, control);
  }
  ShowSettings();
}

QWidget* TTargetTab::MakeChoice(const TargetSettingInfo& info) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString("cmb") + info.key);
  for (std::size_t i = 0; i < info.choices.size(); ++i)
    box->addItem(ChoiceCaption(info, i));
  connect(box, &QComboBox::currentIndexChanged, this, [this, &info](int index) {
    if (index >= 0)
      Changed(info, info.choices[static_cast<std::size_t>(index)]);
  });
  return box;
}

QWidget* TTargetTab::MakeFlag(const TargetSettingInfo& info) {
  auto* box = new QCheckBox(info.caption, this);
  box->setObjectName(QString("chk") + info.key);
  connect(box, &QCheckBox::toggled, this,
          [this, &info](bool checked) { Changed(info, checked ? "1" : "0"); });
  return box;
}

QWidget* TTargetTab::MakeNumber(const TargetSettingInfo& info) {
  auto* spin = new QSpinBox(this);
  spin->setObjectName(QString("spn") + info.key);
  spin->setRange(info.low, info.high);
  connect(spin, &QSpinBox::valueChanged, this,
          [this, &info](int value) { Changed(info, std::to_string(value)); });
  return spin;
}

QWidget* TTargetTab::MakeColor(const TargetSettingInfo& info) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString("edt") + info.key);
  edit->setMaxLength(7);  // "#RRGGBB"
  edit->setPlaceholderText("the target's own");
  connect(edit, &QLineEdit::textChanged, this,
          [this, &info](const QString& text) { Changed(info, text.toStdString()); });
  return edit;
}

QWidget* TTargetTab::MakeText(const TargetSettingInfo& info) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString("edt") + info.key);
  edit->setPlaceholderText("none");
  connect(edit, &QLineEdit::textChanged, this,
          [this, &info](const QString& text) { Changed(info, text.toStdString()); });
  return edit;
}

void TTargetTab::Changed(const TargetSettingInfo& info, const std::string& text) {
  if (showing_)
    return;
  // A refused text keeps the setting; CheckFields says why when the window is closed by OK.
  info.read(settings_, text);
  ApplyEnabling();
}

void TTargetTab::ShowSettings() {
  showing_ = true;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    QWidget* control = controls_[IndexOf(info.setting)];
    const std::string value = info.write(settings_);
    if (auto* box = qobject_cast<QComboBox*>(control)) {
      for (std::size_t i = 0; i < info.choices.size(); ++i) {
        if (value == info.choices[i])
          box->setCurrentIndex(static_cast<int>(i));
      }
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
      check->setChecked(value == "1");
    } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
      spin->setValue(std::stoi(value));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
      edit->setText(QString::fromStdString(value));
    }
  }
  showing_ = false;
  ApplyEnabling();
}

std::string TTargetTab::CheckFields() {
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    // A field the target does not read cannot be mended; the next showing puts its value back.
    auto* edit = qobject_cast<QLineEdit*>(controls_[IndexOf(info.setting)]);
    if (!edit || !edit->isEnabled())
      continue;
    TargetSettings scratch = settings_;
    if (std::string reason = info.read(scratch, edit->text().toStdString()); !reason.empty()) {
      edit->setFocus();
      return std::string(info.caption) + ": " + reason;
    }
  }
  return {};
}

void TTargetTab::ApplyEnabling() {
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    const bool applies = ChoiceApplies(settings_, info.setting);
    controls_[IndexOf(info.setting)]->setEnabled(applies);
    if (QLabel* label = labels_[IndexOf(info.setting)])
      label->setEnabled(applies);
  }
}

}  // namespace pixmora
