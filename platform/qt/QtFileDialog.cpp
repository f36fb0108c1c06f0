#include "platform/qt/QtFileDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QLabel>

#include "platform/qt/Cp1252.h"

namespace pixmora {

namespace {

constexpr int kPreviewSize = 160;

// The dialog shows the description as it is; the patterns go into the part it hides.
QString QtFilter(const FileFilter& filter) {
  QString patterns = FromCp1252(filter.patterns);
  patterns.replace(';', ' ');
  return FromCp1252(filter.description) + " (" + patterns + ")";
}

void AddPicturePreview(QFileDialog& dialog) {
  auto* layout = qobject_cast<QGridLayout*>(dialog.layout());
  if (!layout)
    return;
  auto* preview = new QLabel(&dialog);
  preview->setObjectName("picturePreview");
  preview->setFixedSize(kPreviewSize, kPreviewSize);
  preview->setAlignment(Qt::AlignCenter);
  preview->setFrameShape(QFrame::StyledPanel);
  layout->addWidget(preview, 0, layout->columnCount(), layout->rowCount(), 1);
  QObject::connect(&dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kPreviewSize || size.height() > kPreviewSize)) {
      reader.setScaledSize(size.scaled(kPreviewSize, kPreviewSize, Qt::KeepAspectRatio));
    }
    const QImage image = QFileInfo(path).isFile() ? reader.read() : QImage();
    preview->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
  });
}

}  // namespace

std::optional<std::string> QtFileDialog::Run(const FileDialogOptions& options,
                                             const std::string& startName) {
  QWidget* owner = QApplication::activeWindow() ? QApplication::activeWindow() : parent_;
  QFileDialog dialog(owner, FromCp1252(options.title));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setOption(QFileDialog::HideNameFilterDetails);
  const bool save = options.kind == FileDialogKind::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  if (save && !options.overwritePrompt)
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QString suffix = FromCp1252(options.defaultExtension);
  if (suffix.startsWith('.'))
    suffix.remove(0, 1);
  dialog.setDefaultSuffix(suffix);
  QStringList filters;
  for (const auto& filter : options.filters)
    filters << QtFilter(filter);
  dialog.setNameFilters(filters);
  if (!startName.empty())
    dialog.selectFile(FromNativePath(startName));
  if (options.picturePreview)
    AddPicturePreview(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return ToNativePath(dialog.selectedFiles().front());
}

}  // namespace pixmora
