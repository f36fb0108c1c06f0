#pragma once

#include <QDialog>
#include <vector>

class QLabel;

namespace pixmora {

class ShellService;
class TShape;

// The "About" box: description, version and release date with a mail and a web link, and a
// Close button; a click anywhere but on a link closes it, and a link opens and then closes it.
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
  // Puts the words side by side, a space of their font apart, the row centred in the box.
  void CentreRow(const std::vector<QLabel*>& words) const;
  void FormClick();
  void Shape1MouseDown();
  void lblMailMouseEnter(QLabel* link);
  void lblMailMouseLeave(QLabel* link);
  void lblMailClick();
  void lblAddressClick();

  ShellService& shell_;
};

}  // namespace pixmora
