// The Recent Files submenu: one item per entry of the list, shown afresh each time it opens.
#include <QAction>
#include <QMenu>

#include "platform/qt/Cp1252.h"
#include "ui/UMain.h"

namespace pixmora {

void TFMain::ConnectRecentFiles() {
  auto* menu = findChild<QMenu*>("mnuRecentFiles");
  connect(menu, &QMenu::aboutToShow, this, [this, menu] { ShowRecentFiles(menu); });
  connect(Command("mnuClearHistory"), &QAction::triggered, this, &TFMain::mnuClearHistoryClick);
}

void TFMain::ShowRecentFiles(QMenu* menu) {
  for (QAction* item : menu->findChildren<QAction*>("mnuMRU", Qt::FindDirectChildrenOnly)) {
    menu->removeAction(item);
    delete item;
  }
  QAction* separator = menu->actions().value(0);
  const std::vector<std::string> captions = mruList.MenuCaptions();
  for (std::size_t index = 0; index < captions.size(); ++index) {
    auto* item = new QAction(FromCp1252(captions[index]), menu);
    item->setObjectName("mnuMRU");
    connect(item, &QAction::triggered, this, [this, index] {
      // The entry goes to the top before the load, which may still fail.
      const std::string fileName = mruList.Entries().at(index);
      mruList.MoveToTop(index);
      mruListClick(fileName);
    });
    menu->insertAction(separator, item);
  }
}

void TFMain::mruListClick(const std::string& fileName) {
  Document.CurrentFileName = fileName;
  Document.mnuOpenClick(LoadOrigin::RecentFile);
}

void TFMain::mnuClearHistoryClick() {
  mruList.Clear();
}

}  // namespace pixmora
