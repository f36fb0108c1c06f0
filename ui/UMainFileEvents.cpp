// Files that come from outside the Open dialog: the command line, a drop on the image view,
// the Recent Files submenu and a change of the open file on disk.
#include <QAction>
#include <QMenu>
#include <algorithm>

#include "image/TImgView32.h"
#include "platform/qt/Cp1252.h"
#include "ui/ExternalFileEvents.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::ConnectFileEvents() {
  auto* menu = findChild<QMenu*>("mnuRecentFiles");
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { ShowRecentFiles(menu); });
  connect(Command("mnuClearHistory"), &QAction::triggered, this,
          [this] { RunCommand("mnuClearHistory", [this] { mnuClearHistoryClick(); }); });
  connect(ImgView, &TImgView32::FilesDropped, this, [this](const QStringList& names) {
    std::vector<std::string> fileNames;
    for (const QString& name : names)
      fileNames.push_back(ToNativePath(name));
    RunCommand("DropFilesTarget1DropFiles",
               [this, fileNames] { DropFilesTarget1DropFiles(fileNames); });
  });
  services_.watch.SetOptions(kImageFileChanges);
  services_.watch.SetChangeHandler([this] {
    RunCommand("ATFileNotification1Changed", [this] { ATFileNotification1Changed(); });
  });
}

void TFMain::OpenCommandLineFile() {
  if (!IsCommandLineImage(services_.commandLineFile))
    return;
  Document.mnuOpenClick(LoadOrigin::Drop, services_.commandLineFile);
  Document.IgnoreNextChange = true;
}

void TFMain::DropFilesTarget1DropFiles(const std::vector<std::string>& fileNames) {
  const std::optional<std::string> fileName = FileToLoadFromDrop(fileNames, services_.messages);
  if (!fileName)
    return;
  Document.mnuOpenClick(LoadOrigin::Drop, *fileName);
}

void TFMain::ATFileNotification1Changed() {
  const bool reload = ReloadAfterChange(Document.CurrentFileName, Document.IgnoreNextChange,
                                        Preferences, services_.messages);
  // Changes that came while the question was open are the change it asked about.
  commands_.Forget("ATFileNotification1Changed");
  if (reload)
    Document.mnuOpenClick(LoadOrigin::ExternalChange);
}

void TFMain::ShowRecentFiles(QMenu* menu) {
  for (QAction* item : menu->findChildren<QAction*>("mnuMRU", Qt::FindDirectChildrenOnly)) {
    menu->removeAction(item);
    delete item;
  }
  QAction* separator = menu->actions().value(0);
  const std::vector<std::string> captions = mruList.MenuCaptions();
  for (std::size_t index = 0; index < captions.size(); ++index) {
    auto* item = new QAction(FromNativePath(captions[index]), menu);
    item->setObjectName("mnuMRU");
    connect(item, &QAction::triggered, this, [this, fileName = mruList.Entries().at(index)] {
      RunCommand("mruListClick", [this, fileName] {
        // The entry goes to the top before the load, which may still fail.
        const std::vector<std::string>& entries = mruList.Entries();
        const auto entry = std::find(entries.begin(), entries.end(), fileName);
        if (entry != entries.end())
          mruList.MoveToTop(static_cast<std::size_t>(entry - entries.begin()));
        mruListClick(fileName);
      });
    });
    menu->insertAction(separator, item);
  }
}

void TFMain::mruListClick(const std::string& fileName) {
  Document.mnuOpenClick(LoadOrigin::RecentFile, fileName);
}

void TFMain::mnuClearHistoryClick() {
  mruList.Clear();
}

}  // namespace pixmora
