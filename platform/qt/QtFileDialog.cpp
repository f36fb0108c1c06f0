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

// The index of the chosen filter; with the patterns hidden the dialog names it by its
// description alone.
std::size_t SelectedFilter(const QFileDialog& dialog, const FileDialogOptions& options) {
  const QString selected = dialog.selectedNameFilter();
  for (std::size_t i = 0; i < options.filters.size(); ++i) {
    const FileFilter& filter = options.filters[i];
    if (selected == QtFilter(filter) || selected == FromCp1252(filter.description))
      return i;
  }
  return options.filters.size();
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
  QStringList filters;
  for (const auto& filter : options.filters)
    filters << QtFilter(filter);
  dialog.setNameFilters(filters);
  // A name typed without an extension takes the one of the filter chosen at that moment.
  const auto useFilter = [&dialog, &options] {
    QString suffix = FromCp1252(DefaultExtensionFor(options, SelectedFilter(dialog, options)));
    if (suffix.startsWith('.'))
      suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
  };
  useFilter();
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, useFilter);
  // A start name ending in '/' is a folder to start in, with no name proposed.
  if (!startName.empty() && startName.back() == '/')
    dialog.setDirectory(FromNativePath(startName));
  else if (!startName.empty())
    dialog.selectFile(FromNativePath(startName));
  if (options.picturePreview)
    AddPicturePreview(dialog);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  return ToNativePath(dialog.selectedFiles().front());
}

}  // namespace pixmora
