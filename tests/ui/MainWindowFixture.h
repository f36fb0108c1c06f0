#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <filesystem>
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

// A main window over recording services and a settings file in a folder of its own.
class MainWindowTest : public testing::Test {
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

  void Open(const std::string& path) {
    dialogs.answers.push_back(path);
    window->Command("mnuOpen")->trigger();
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
