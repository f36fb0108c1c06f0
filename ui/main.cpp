#include <QDir>

#include "platform/qt/Cp1252.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtErrorReport.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/TATFileNotification.h"
#include "platform/qt/XdgShell.h"
#include "settings/SettingsFile.h"
#include "ui/UApplication.h"
#include "ui/UMain.h"

int main(int argc, char** argv) {
  pixmora::TApplication app(argc, argv);
  pixmora::QtMessageBox messages;
  pixmora::QtFileDialog dialogs;
  pixmora::QtClipboard clipboard;
  pixmora::QtErrorReport errors;
  app.SetErrorReport(&errors);
  // The settings file lives beside the program, whatever the program is called.
  const QString folder = QCoreApplication::applicationDirPath();
  pixmora::XdgShell shell;
  pixmora::TATFileNotification watch(messages);
  const pixmora::MainServices services{
      messages,
      dialogs,
      clipboard,
      errors,
      shell,
      watch,
      pixmora::ToNativePath(QDir(folder).filePath(pixmora::kSettingsFileName)),
      pixmora::ToNativePath(QCoreApplication::applicationFilePath()),
      argc > 1 ? argv[1] : ""};
  pixmora::TFMain window(services);
  window.show();
  return app.exec();
}
