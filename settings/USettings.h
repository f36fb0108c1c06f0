#pragma once

#include <QDialog>

class QTabWidget;

namespace pixmora {

// The Preferences window. Its tabs are in place; the option controls come with the window's
// own work.
class TFSettings : public QDialog {
  Q_OBJECT

 public:
  explicit TFSettings(QWidget* parent = nullptr);

  // Makes the tab with this caption ("Color", "Monochrome", "Palette", "Common", "System")
  // the active one.
  void SelectTab(const QString& caption);
  QString ActiveTab() const;

 private:
  QTabWidget* tabs_;
};

}  // namespace pixmora
