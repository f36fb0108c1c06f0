#pragma once

#include <QDialog>

class QLabel;

namespace pixmora {

class ShellService;
class TShape;

// The "About" box: description, version and release date with a mail and a web link. It has
// no buttons; a click anywhere but on a link closes it, and a link opens and then closes it.
class TFAbout : public QDialog {
  Q_OBJECT

 public:
  explicit TFAbout(ShellService& shell, QWidget* parent = nullptr);

  TShape* Shape1;  // the frame around the client area
  QLabel* lblMail;
  QLabel* lblAddress;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* AddLabel(const char* name, const QString& text, int left, int top, int pointSize,
                   bool bold);
  void FormClick();
  void Shape1MouseDown();
  void lblMailMouseEnter(QLabel* link);
  void lblMailMouseLeave(QLabel* link);
  void lblMailClick();
  void lblAddressClick();

  ShellService& shell_;
};

}  // namespace pixmora
