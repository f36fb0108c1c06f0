#include <unistd.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>

#include "platform/qt/Cp1252.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtErrorReport.h"
#include "platform/qt/QtFileDialog.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/TATFileNotification.h"
#include "platform/qt/XdgShell.h"
#include "settings/SettingsLocation.h"
#include "ui/UApplication.h"
#include "ui/UMain.h"

int main(int argc, char** argv) {
  pixmora::TApplication app(argc, argv);
  pixmora::QtMessageBox messages;
  pixmora::QtFileDialog dialogs;
  pixmora::QtClipboard clipboard;
  pixmora::QtErrorReport errors;
  app.SetErrorReport(&errors);
  // The settings file lives beside the program, whatever the program is called, unless the
  // program is installed where the user cannot write.
  const std::string folder = pixmora::ToNativePath(QCoreApplication::applicationDirPath());
  const std::string settingsFile =
      pixmora::SettingsFilePath(folder, access(folder.c_str(), W_OK) == 0,
                                std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
  std::error_code reported;  // on the save that fails without the folder
  std::filesystem::create_directories(std::filesystem::path(settingsFile).parent_path(), reported);
  pixmora::XdgShell shell;
  pixmora::TATFileNotification watch(messages);
  const pixmora::MainServices services{
      messages,
      dialogs,
      clipboard,
      errors,
      shell,
      watch,
      settingsFile,
      pixmora::ToNativePath(QCoreApplication::applicationFilePath()),
      argc > 1 ? argv[1] : ""};
  pixmora::TFMain window(services);
  window.show();
  return app.exec();
}
