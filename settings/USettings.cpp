#include "settings/USettings.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace pixmora {

TFSettings::TFSettings(QWidget* parent) : QDialog(parent), tabs_(new QTabWidget(this)) {
  setObjectName("FSettings");
  setWindowTitle("Preferences");
  for (const char* caption : {"Color", "Monochrome", "Palette", "Common", "System"}) {
    tabs_->addTab(new QWidget(tabs_), caption);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
}

void TFSettings::SelectTab(const QString& caption) {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (tabs_->tabText(i) == caption)
      tabs_->setCurrentIndex(i);
  }
}

QString TFSettings::ActiveTab() const {
  return tabs_->tabText(tabs_->currentIndex());
}

}  // namespace pixmora
