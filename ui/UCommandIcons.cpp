#include "ui/UCommandIcons.h"

#include <QAction>

namespace pixmora {

namespace {

// Command name, freedesktop icon name; the fallback is ui/icons/<icon name>.svg.
constexpr const char* kIcons[][2] = {
    {"mnuOpen", "document-open"},
    {"mnuSaveImage", "document-save"},
    {"mnuExport", "document-export"},
    {"mnuExit", "application-exit"},
    {"mnuUndo", "edit-undo"},
    {"mnuRedo", "edit-redo"},
    {"mnuCopy", "edit-copy"},
    {"mnuFind", "edit-find"},
    {"mnuReload", "view-refresh"},
    {"mnuOriginalSize", "zoom-original"},
    {"mnuZoomInFactor", "zoom-in"},
    {"mnuZoomOutFactor", "zoom-out"},
    {"mnuZoomToFit", "zoom-fit-best"},
    {"mnuPreferences", "preferences-system"},
    {"mnuConvert", "system-run"},
    {"mnuPrevious", "go-previous"},
    {"mnuNext", "go-next"},
    {"mnuRotateRight", "object-rotate-right"},
    {"mnuRotateLeft", "object-rotate-left"},
    {"mnuFlipHorizontal", "object-flip-horizontal"},
    {"mnuFlipVertical", "object-flip-vertical"},
    {"mnuResizeImage", "transform-scale"},
    {"mnuCropImage", "transform-crop"},
    {"mnuResampleImage2", "color-management"},
};

}  // namespace

QIcon CommandIcon(const char* themeName) {
  const QString name = QString::fromLatin1(themeName);
  return QIcon::fromTheme(name, QIcon(":/icons/" + name + ".svg"));
}

void GiveCommandIcons(const std::function<QAction*(const char*)>& command) {
  for (const auto& [name, icon] : kIcons) {
    if (QAction* action = command(name))
      action->setIcon(CommandIcon(icon));
  }
}

}  // namespace pixmora
