// The export commands: the dialogs and their remembered names; the files are written by
// WriteExportFiles, or for a target's output by TargetOutput.
#include <QAction>

#include "ui/ExportFiles.h"
#include "ui/TMemo.h"
#include "ui/UMain.h"

namespace pixmora {

namespace {

const FileFilter kBinaryFiles{"Binary Files (*.bin)", "*.bin"};

}  // namespace

void TFMain::PrepareExportFilters() {
  PrepareExportTypes();
  dlgExportImage1.proposedName =
      RenamedExtension(Document.CurrentFileName, dlgExportImage1.dialog.defaultExtension);
}

void TFMain::PrepareExportTypes() {
  if (!targetOutput_.Empty()) {
    TargetExportTypes types = ExportTypesOf(TargetSettings);
    dlgExportImage1.dialog.filters = std::move(types.filters);
    dlgExportImage1.dialog.defaultExtension = types.defaultExtension;
    return;
  }
  const Option format = Preferences.Effective(OptionGroup::OutputFormat);
  FileFilter text{"Include Files (*.inc)", "*.inc"};
  dlgExportImage1.dialog.defaultExtension = ".inc";
  if (format == Option::BasicData) {
    text = {"Basic Files (*.bas)", "*.bas"};
    dlgExportImage1.dialog.defaultExtension = ".bas";
  } else if (format == Option::CArray) {
    text = {"C Header Files (*.h)", "*.h"};
    dlgExportImage1.dialog.defaultExtension = ".h";
  }
  dlgExportImage1.dialog.filters = {text, kBinaryFiles};
  dlgExportImage2.dialog.filters = dlgExportImage1.dialog.filters;
}

void TFMain::ExportTo(const std::string& fileName, bool askTableName) {
  if (!targetOutput_.Empty()) {
    if (std::string error = targetOutput_.Export(fileName); !error.empty())
      ReportError(error);
    return;
  }
  const ExportSource source{Engine, Document.ImageWidth, Document.ImageHeight, Preferences,
                            Command("mnuPaletteMode1")->isChecked()};
  const std::string error = WriteExportFiles(fileName, source, [&]() -> std::optional<std::string> {
    if ((askTableName || dlgExportImage2.fileName.empty()) && !dialogs_.Execute(dlgExportImage2)) {
      return std::nullopt;
    }
    return dlgExportImage2.fileName;
  });
  if (!error.empty())
    ReportError(error);
}

void TFMain::mnuExportClick() {
  if (!ExportStaleOutputAnyway())
    return;
  if (dlgExportImage1.fileName.empty()) {
    PrepareExportFilters();
    if (!dialogs_.Execute(dlgExportImage1))
      return;
  }
  ExportTo(dlgExportImage1.fileName, false);
}

void TFMain::mnuExportAsClick() {
  if (mmoDataOutput->IsEmpty() || !ExportStaleOutputAnyway())
    return;
  PrepareExportFilters();
  if (!dialogs_.Execute(dlgExportImage1))
    return;
  ExportTo(dlgExportImage1.fileName, true);
}

}  // namespace pixmora
