// The frames of the open file: "Export All Frames..." writes all of them in one table, for the
// chosen target; a frame step shows its frame composed in the Display preview.
#include <QApplication>

#include "ui/FramesExport.h"
#include "ui/TMemo.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::mnuExportFramesClick() {
  dlgExportFrames.dialog = {FileDialogKind::Save, "Save all frames as...", ".h", {}, true, false};
  TargetExportTypes types = ExportTypesOf(TargetSettings);
  dlgExportFrames.dialog.filters = std::move(types.filters);
  dlgExportFrames.dialog.defaultExtension = types.defaultExtension;
  if (!services_.dialogs.Execute(dlgExportFrames))
    return;
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const FramesExportResult result =
      ExportAllFrames(Document, Preferences, CustomFormat, TargetSettings, dlgExportFrames.fileName,
                      services_.messages);
  QApplication::restoreOverrideCursor();
  if (!result.error.empty()) {
    services_.messages.Show(result.error, "Export error", MessageIcon::Error, MessageButtons::OK);
    return;
  }
  OutputStatistics statistics = FramesOutputStatistics(result);
  statistics.outputCommandsEnabled = !mmoDataOutput->IsEmpty();
  ShowOutputStatistics(statistics);
}

void TFMain::StepFrame(void (ImageDocument::*step)()) {
  frameStepped_ = false;
  (Document.*step)();
  frameStepped_ = Document.IsAnimated;
  RefreshDisplayPreview();
}

}  // namespace pixmora
