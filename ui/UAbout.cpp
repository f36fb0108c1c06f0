#include "ui/UAbout.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

#include "platform/Shell.h"
#include "platform/qt/Cp1252.h"
#include "ui/UShape.h"

namespace pixmora {

namespace {

constexpr const char* kMailAddress = "pixmora@example.org";
constexpr const char* kDisplayShop = "www.example.com";
constexpr int kButtonRow = 36;

void SetColor(QLabel* label, const QColor& color) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, color);
  label->setPalette(palette);
}

void SetUnderline(QLabel* label, bool underline) {
  QFont font = label->font();
  font.setUnderline(underline);
  label->setFont(font);
}

}  // namespace

TFAbout::TFAbout(ShellService& shell, QWidget* parent)
    : QDialog(parent), Shape1(new TShape(this)), shell_(shell) {
  setObjectName("FAbout");
  setWindowTitle("About");
  // Kept above other windows whenever it shows; showing never moves or resizes it. The window
  // system's frame and a Close button below the texts say how it goes away.
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
  setFixedSize(316, 232 + kButtonRow);
  setFont(QFont("MS Sans Serif", 8));
  QPalette background = palette();
  background.setColor(QPalette::Window, QApplication::palette("QMenu").color(QPalette::Window));
  setPalette(background);

  Shape1->setObjectName("Shape1");
  Shape1->setGeometry(rect());
  Shape1->SetBrushColor(std::nullopt);
  Shape1->installEventFilter(this);

  // Rows of words in different fonts are laid out by the widths of their texts, centred.
  CentreRow({AddLabel("lblDescription1", "Image converter", 0, 16, 12, true)});
  CentreRow({AddLabel("lblDescription6", "for", 0, 36, 10, true),
             AddLabel("lblDescription2", "color", 0, 36, 10, true),
             AddLabel("lblDescription3", "and", 0, 36, 10, true),
             AddLabel("lblDescription4", "monochrome", 0, 36, 10, false),
             AddLabel("lblDescription5", "LCDs", 0, 36, 10, true)});
  AddLabel("lblVersion", "Version: 4.0", 16, 80, 8, true);
  AddLabel("lblDate", "Release date: 09/12/2026", 16, 100, 8, true);
  AddLabel("lblAuthor", "Author: the Pixmora developers", 16, 120, 8, true);
  CentreRow({AddLabel("lblSuggestions", "Send comments, suggestions, bugs to:", 0, 152, 8, false)});
  lblMail = AddLabel("lblMail", kMailAddress, 0, 172, 8, false);
  CentreRow({lblMail});
  QLabel* advertisment = AddLabel("lblAdvertisment", "Find cool displays at:", 0, 208, 10, true);
  SetColor(advertisment, Qt::red);
  lblAddress = AddLabel("lblAddress", kDisplayShop, 0, 208, 10, false);
  CentreRow({advertisment, lblAddress});
  SetColor(lblMail, Qt::blue);
  SetColor(lblAddress, Qt::blue);
  auto* button = new QPushButton("Close", this);
  button->setObjectName("btnClose");
  button->setDefault(true);
  button->adjustSize();
  button->move(width() - button->width() - 12, 232 + (kButtonRow - button->height()) / 2 - 4);
  connect(button, &QPushButton::clicked, this, &QDialog::close);
}

QLabel* TFAbout::AddLabel(const char* name, const QString& text, int left, int top, int pointSize,
                          bool bold) {
  auto* label = new QLabel(text, this);
  label->setObjectName(name);
  QFont font = label->font();
  font.setPointSize(pointSize);
  font.setBold(bold);
  label->setFont(font);
  label->move(left, top);
  label->adjustSize();
  label->installEventFilter(this);
  return label;
}

void TFAbout::CentreRow(const std::vector<QLabel*>& words) const {
  int width = 0;
  for (const QLabel* word : words)
    width +=
        word->width() + (word == words.back() ? 0 : word->fontMetrics().horizontalAdvance(' '));
  int left = (this->width() - width) / 2;
  for (QLabel* word : words) {
    word->move(left, word->y());
    left += word->width() + word->fontMetrics().horizontalAdvance(' ');
  }
}

bool TFAbout::eventFilter(QObject* watched, QEvent* event) {
  auto* link = qobject_cast<QLabel*>(watched);
  if (link != lblMail && link != lblAddress)
    link = nullptr;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      if (watched == Shape1)
        Shape1MouseDown();
      break;
    case QEvent::MouseButtonRelease:
      if (link == lblMail)
        lblMailClick();
      else if (link == lblAddress)
        lblAddressClick();
      else if (watched != Shape1)
        FormClick();
      break;
    case QEvent::Enter:
      if (link)
        lblMailMouseEnter(link);
      break;
    case QEvent::Leave:
      if (link)
        lblMailMouseLeave(link);
      break;
    default:
      break;
  }
  return QDialog::eventFilter(watched, event);
}

void TFAbout::FormClick() {
  close();
}

void TFAbout::Shape1MouseDown() {
  close();
}

void TFAbout::lblMailMouseEnter(QLabel* link) {
  SetUnderline(link, true);
  link->setCursor(Qt::PointingHandCursor);
}

void TFAbout::lblMailMouseLeave(QLabel* link) {
  SetUnderline(link, false);
  link->unsetCursor();
}

void TFAbout::lblMailClick() {
  shell_.OpenLink("mailto:" + ToCp1252(lblMail->text()));
  close();
}

void TFAbout::lblAddressClick() {
  shell_.OpenLink(ToCp1252(lblAddress->text()));
  close();
}

}  // namespace pixmora
