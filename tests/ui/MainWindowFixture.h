#pragma once

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>

#include "image/BmpWriter.h"
#include "platform/RecordingClipboard.h"
#include "platform/RecordingErrorReport.h"
#include "platform/RecordingFileDialog.h"
#include "platform/RecordingFileWatch.h"
#include "platform/RecordingMessageBox.h"
#include "platform/RecordingShell.h"
#include "settings/SettingsFile.h"
#include "ui/UMain.h"

namespace pixmora {

// Opens the drop-down with a click, moves to the entry in its list and clicks it.
inline void ClickEntry(QComboBox* combo, int row) {
  QTest::mouseClick(combo, Qt::LeftButton);
  QAbstractItemView* list = combo->view();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(list->window()));
  const QPoint entry = list->visualRect(list->model()->index(row, 0)).center();
  QTest::mouseMove(list->viewport(), entry);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry);
  if (list->window()->isVisible())
    QTest::keyClick(list, Qt::Key_Escape);
}

// A main window over recording services and a settings file in a folder of its own.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-main-XXXXXX";
    folder = mkdtemp(pattern);
    settingsPath = (folder / kSettingsFileName).string();
  }

  void TearDown() override {
    window.reset();
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    std::filesystem::remove_all(folder);
  }

  TFMain& Start() {
    window = std::make_unique<TFMain>(
        MainServices{messages, dialogs, clipboard, errors, shell, watch, settingsPath,
                     "/opt/pixmora/Pixmora_Convert", commandLineFile});
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    // Offscreen the window becomes active at once; a bare X server may never activate it.
    window->activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(window.get(), 1000));
    return *window;
  }

  // A BMP of the given size with a gradient, written into the test folder.
  std::string WriteImage(const std::string& name, int width, int height) {
    TBitmap32 image(width, height);
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x)
        image.SetPixel(x, y, MakePixel(x * 7, y * 5, x + y));
    }
    const std::string path = (folder / name).string();
    EXPECT_EQ(WriteBmp32(image, path), "");
    return path;
  }

  // Open... by its shortcut, the open dialog answering with path.
  void Open(const std::string& path) {
    dialogs.answers.push_back(path);
    Press(Qt::CTRL | Qt::Key_O);
  }

  // Keys as the user presses them in the main window. The window is made the active one first:
  // offscreen, nothing gives the activation back after a menu or a modal window has closed, as
  // a window manager does.
  void Press(QKeyCombination keys) {
    // A menu still closing would take the keys, as it would the user's.
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget() == nullptr; }));
    if (QApplication::activeWindow() != window.get()) {
      window->activateWindow();
      // Not qWaitForWindowActive: a closed menu that still holds the activation counts as ours.
      ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
    }
    QTest::keyClick(window.get(), keys.key(), keys.keyboardModifiers());
  }

  // A click on a main toolbar button; one the toolbar has no room for is reached through the
  // toolbar's extension arrow.
  void ClickButton(const char* name) {
    auto* button = window->tlbMainToolbar->findChild<QToolButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    if (!button->isVisible()) {
      QTest::mouseClick(window->tlbMainToolbar->findChild<QToolButton*>("qt_toolbar_ext_button"),
                        Qt::LeftButton);
      ASSERT_TRUE(QTest::qWaitFor([button] { return button->isVisible(); })) << name;
    }
    // Left of the middle: a split button's right part opens its menu.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
  }

  // Opens a menu of the menu bar and clicks the items along path, each but the last opening a
  // submenu under the pointer. Items are named as their actions ("mnuClearOutput").
  void ChooseMenuItem(const char* menuName, std::initializer_list<const char*> path) {
    auto* bar = window->findChild<QMenuBar*>("mnuMainMenu");
    QMenu* menu = window->findChild<QMenu*>(menuName);
    ASSERT_NE(menu, nullptr) << menuName;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    for (const char* name : path) {
      ASSERT_TRUE(QTest::qWaitForWindowExposed(menu)) << name;
      QAction* item = nullptr;
      for (QAction* action : menu->actions()) {
        if (action->objectName() == name)
          item = action;
      }
      ASSERT_NE(item, nullptr) << name;
      const QPoint at = menu->actionGeometry(item).center();
      QTest::mouseMove(menu, at);
      QTest::mouseClick(menu, Qt::LeftButton, {}, at);
      if (item->menu())
        menu = item->menu();
    }
  }

  // A click on a label of the statistics panel, sent to the label itself: the panel may be too
  // short to show every label on the screen.
  static void ClickLabel(QWidget* label) {
    const QPointF at(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, label->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, label->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
  }

  // Runs act once the window shows: a modal window or a menu that the next command opens.
  static void WhenShown(QWidget* shown, std::function<void()> act) {
    auto* poll = new QTimer(shown);
    QObject::connect(poll, &QTimer::timeout, shown, [poll, shown, act = std::move(act)] {
      if (!shown->isVisible())
        return;
      poll->stop();
      poll->deleteLater();
      act();
    });
    poll->start(5);
  }

  bool Enabled(const char* name) { return window->Command(name)->isEnabled(); }

  std::filesystem::path folder;
  std::string settingsPath;
  RecordingMessageBox messages;
  RecordingFileDialog dialogs;
  RecordingClipboard clipboard;
  RecordingErrorReport errors;
  RecordingShell shell;
  RecordingFileWatch watch;
  std::string commandLineFile;
  std::unique_ptr<TFMain> window;
};

}  // namespace pixmora
