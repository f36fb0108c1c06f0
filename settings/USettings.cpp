#include "settings/USettings.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "settings/SettingsWindowRules.h"
#include "settings/UTargetTab.h"

namespace pixmora {

namespace {

using enum Option;
using G = OptionGroup;

struct FrameSpec {
  const char* caption;
  std::vector<Option> options;  // in window order
  bool settingsButton = false;  // "Settings..." follows the options
};

struct TabSpec {
  const char* caption;
  std::vector<FrameSpec> frames;
};

// A radio group's frame: its members, then the controls that share the frame.
FrameSpec GroupFrame(OptionGroup group, std::vector<Option> more = {},
                     bool settingsButton = false) {
  const GroupInfo& info = InfoOf(group);
  std::vector<Option> options(info.Members().begin(), info.Members().end());
  options.insert(options.end(), more.begin(), more.end());
  return {info.frameCaption, options, settingsButton};
}

std::vector<TabSpec> Tabs() {
  return {
      {"Color", {GroupFrame(G::ColorMode)}},
      {"Monochrome", {GroupFrame(G::Orientation)}},
      {"Palette",
       {GroupFrame(G::TableRepresentation, {PaletteSeparate}), GroupFrame(G::PixelsPerByte),
        GroupFrame(G::TableSaving, {PaletteInclude})}},
      {"Common",
       {GroupFrame(G::OutputFormat, {}, true),
        GroupFrame(G::DataRepresentation, {LSBFirst}),
        {" Compression ", {Compression}},
        {" Save options for image info ", {IncludeInfo}}}},
      {"System",
       {{" System integration ", {SystemAddToSend, ContextMenu}},
        {" File handling ", {SystemAutoDetect, SystemAskReload, SystemEnableDragDrop}},
        {" Program behavior ", {SystemStayOnTop}}}},
  };
}

// The two integration switches in the words of the desktop they change; their settings keys
// stay those of the original switches.
struct DesktopWords {
  Option option;
  const char* caption;
  const char* hint;
};
constexpr DesktopWords kDesktopWords[] = {
    {Option::SystemAddToSend, "Add to the desktop's 'Send To' entries",
     "Add a \"Send To\" desktop entry for the program"},
    {Option::ContextMenu, "Add 'Open with Pixmora_Convert' to the file manager",
     "Offer the program in the file manager's \"Open With\" menu for pictures"},
};

QAbstractButton* MakeControl(const OptionInfo& info, QWidget* parent) {
  QAbstractButton* control = info.group == G::None
                                 ? static_cast<QAbstractButton*>(new QCheckBox(parent))
                                 : new QRadioButton(parent);
  control->setObjectName(info.control);
  const char* caption = info.caption;
  const char* hint = info.hint;
  for (const DesktopWords& words : kDesktopWords) {
    if (words.option == info.option) {
      caption = words.caption;
      hint = words.hint;
    }
  }
  control->setText(caption);
  if (hint != nullptr)
    control->setToolTip(QString(hint).replace("\r\n", "\n"));
  if (info.hidden)
    control->hide();
  return control;
}

}  // namespace

TFSettings::TFSettings(const SettingsWindowLinks& links, QWidget* parent)
    : QDialog(parent, Qt::Tool),
      links_(links),
      pagPreferences(new QTabWidget(this)),
      btnSettings(new QPushButton("Settings...", this)),
      tabTarget(new TTargetTab(links.target, pagPreferences)),
      snapshot_(links.preferences),
      targetSnapshot_(links.target) {
  FormCreate();
}

void TFSettings::FormCreate() {
  setObjectName("FSettings");
  setWindowTitle("Preferences");
  pagPreferences->setObjectName("pagPreferences");
  btnSettings->setObjectName("btnSettings");
  btnSettings->setAutoDefault(false);
  for (const TabSpec& tab : Tabs()) {
    auto* page = new QWidget(pagPreferences);
    auto* pageLayout = new QVBoxLayout(page);
    for (const FrameSpec& entry : tab.frames) {
      auto* frame = new QGroupBox(entry.caption, page);
      auto* frameLayout = new QVBoxLayout(frame);
      for (Option option : entry.options) {
        QAbstractButton* control = MakeControl(InfoOf(option), frame);
        controls_[static_cast<std::size_t>(option)] = control;
        frameLayout->addWidget(control);
        connect(control, &QAbstractButton::toggled, this,
                [this, option](bool checked) { OptionToggled(option, checked); });
      }
      if (entry.settingsButton)
        frameLayout->addWidget(btnSettings, 0, Qt::AlignLeft);
      pageLayout->addWidget(frame);
    }
    pageLayout->addStretch();
    pagPreferences->addTab(page, tab.caption);
  }
  // The target settings shape the output as the Common ones do; the program's come last.
  tabTarget->setObjectName("tabTarget");
  pagPreferences->insertTab(pagPreferences->count() - 1, tabTarget, "Target");
  connect(pagPreferences, &QTabWidget::currentChanged, this,
          &TFSettings::pagPreferencesActiveTabChange);
  connect(btnSettings, &QPushButton::clicked, this, &TFSettings::btnSettingsClick);

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton("OK", QDialogButtonBox::AcceptRole);
  ok->setObjectName("btnOK");
  ok->setDefault(true);
  buttons->addButton("Cancel", QDialogButtonBox::RejectRole)->setObjectName("btnCancel");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  // Every tab shows its whole caption: the window grows instead of scrolling the tab strip.
  pagPreferences->setUsesScrollButtons(false);
  pagPreferences->setElideMode(Qt::ElideNone);
  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(pagPreferences);
  layout->addWidget(buttons);
  ShowRecord();
  ApplyEnablingRules();
}

void TFSettings::SelectTab(const QString& caption) {
  for (int i = 0; i < pagPreferences->count(); ++i) {
    if (pagPreferences->tabText(i) == caption)
      pagPreferences->setCurrentIndex(i);
  }
}

QString TFSettings::ActiveTab() const {
  return pagPreferences->tabText(pagPreferences->currentIndex());
}

void TFSettings::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous())
    FormShow();
}

void TFSettings::FormShow() {
  // The settings file writes the record directly; the controls catch up here.
  ShowRecord();
  tabTarget->ShowSettings();
  snapshot_ = links_.preferences;
  targetSnapshot_ = links_.target;
  ApplyEnablingRules();
}

void TFSettings::done(int result) {
  const bool shown = isVisible();
  if (shown && result == QDialog::Accepted) {
    if (std::string refused = tabTarget->CheckFields(); !refused.empty()) {
      SelectTab("Target");
      links_.messages.Show(refused, "Preferences", MessageIcon::Error, MessageButtons::OK);
      return;
    }
  }
  QDialog::done(result);
  if (shown)
    FormHide(result);
}

void TFSettings::FormHide(int result) {
  Preferences& record = links_.preferences;
  if (result == QDialog::Accepted) {
    const bool classic = links_.target.target == TargetKind::Classic;
    if (TargetChangeEmptiesOutput(targetSnapshot_, links_.target) ||
        (classic && ChangeEmptiesOutput(snapshot_, record, links_.imageMode()))) {
      links_.clearOutput();
    }
    return;
  }
  const bool wasAutoDetect = record.Is(SystemAutoDetect);
  record = snapshot_;
  links_.target = targetSnapshot_;
  ShowRecord();
  tabTarget->ShowSettings();
  // A restored check box changes as if clicked.
  ApplyEnablingRules();
  if (record.Is(SystemAutoDetect) != wasAutoDetect)
    chkSystemAutoDetectClick();
}

void TFSettings::pagPreferencesActiveTabChange() {
  if (ActiveTab() == "Common") {
    rdbCustomClick();
    rdbWordClick();
  }
}

void TFSettings::rdbCustomClick() {
  btnSettings->setEnabled(EnablingOf(links_.preferences).customSettings);
}

void TFSettings::rdbWordClick() {
  Control(LSBFirst)->setEnabled(EnablingOf(links_.preferences).lsbFirst);
}

void TFSettings::chkSystemAutoDetectClick() {
  Control(SystemAskReload)->setEnabled(EnablingOf(links_.preferences).askReload);
  ApplyAutoDetect(links_.preferences.Is(SystemAutoDetect), links_.watch, links_.currentFileName());
}

void TFSettings::btnSettingsClick() {
  links_.showCustomFormat();
}

QAbstractButton* TFSettings::Control(Option option) const {
  return controls_[static_cast<std::size_t>(option)];
}

void TFSettings::OptionToggled(Option option, bool checked) {
  if (showingRecord_)
    return;
  links_.preferences.Set(option, checked);
  const OptionGroup group = InfoOf(option).group;
  if (group == G::OutputFormat) {
    rdbCustomClick();
  } else if (group == G::DataRepresentation) {
    rdbWordClick();
  } else if (option == SystemAutoDetect) {
    chkSystemAutoDetectClick();
  }
}

void TFSettings::ShowRecord() {
  showingRecord_ = true;
  for (const OptionInfo& info : Options()) {
    QAbstractButton* control = Control(info.option);
    const bool value = links_.preferences.Is(info.option);
    if (control->isChecked() == value)
      continue;
    // A checked exclusive radio button refuses to be cleared, yet a settings file that sets
    // no member of a group leaves the group empty.
    const bool exclusive = control->autoExclusive();
    control->setAutoExclusive(false);
    control->setChecked(value);
    control->setAutoExclusive(exclusive);
  }
  showingRecord_ = false;
}

void TFSettings::ApplyEnablingRules() {
  rdbCustomClick();
  rdbWordClick();
  Control(SystemAskReload)->setEnabled(EnablingOf(links_.preferences).askReload);
}

}  // namespace pixmora
