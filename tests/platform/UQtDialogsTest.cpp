#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "platform/FileDialog.h"
#include "platform/qt/QtErrorReport.h"
#include "platform/qt/QtFileDialog.h"

namespace pixmora {
namespace {

// Runs `user` on the modal window of type T once it is up; the caller then starts the window.
template <typename T>
void WhenShown(std::function<void(T*)> user) {
  QTimer::singleShot(0, [user] {
    T* window = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
      window = qobject_cast<T*>(QApplication::activeModalWidget());
      return window != nullptr && window->isVisible();
    }));
    if (window)
      user(window);
  });
}

class UQtDialogsTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-dialogs-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // The export dialog as the main window prepares it for a C array.
  static FileDialogOptions ExportDialog() {
    return {FileDialogKind::Save,
            "Save image output data pixels as...",
            ".h",
            {{"C Header Files (*.h)", "*.h"}, {"Binary Files (*.bin)", "*.bin"}},
            true,
            false};
  }

  // Picks the filter with the arrow keys, types the name and presses Enter.
  std::optional<std::string> SaveAs(int filterSteps, const char* typed) {
    WhenShown<QFileDialog>([filterSteps, typed](QFileDialog* dialog) {
      auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
      auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
      ASSERT_TRUE(types && name);
      for (int i = 0; i < filterSteps; ++i)
        QTest::keyClick(types, Qt::Key_Down);
      name->clear();
      QTest::keyClicks(name, typed);
      QTest::keyClick(name, Qt::Key_Return);
      if (dialog->isVisible())
        dialog->reject();
    });
    return QtFileDialog().Run(ExportDialog(), (folder_ / "start").string());
  }

  std::filesystem::path folder_;
};

TEST(DefaultExtensionFor, TheChosenFilterNamesTheExtensionWhenItNamesOne) {
  FileDialogOptions dialog;
  dialog.defaultExtension = ".h";
  dialog.filters = {{"C Header Files (*.h)", "*.h"},
                    {"Binary Files (*.bin)", "*.bin"},
                    {"All (*.bmp, *.png)", "*.bmp;*.png"},
                    {"Anything", "*.*"}};
  EXPECT_EQ(DefaultExtensionFor(dialog, 0), ".h");
  EXPECT_EQ(DefaultExtensionFor(dialog, 1), ".bin");
  EXPECT_EQ(DefaultExtensionFor(dialog, 2), ".h");
  EXPECT_EQ(DefaultExtensionFor(dialog, 3), ".h");
  EXPECT_EQ(DefaultExtensionFor(dialog, 4), ".h");
}

TEST_F(UQtDialogsTest, ABareNameTakesTheExtensionOfTheChosenFilter) {
  EXPECT_EQ(SaveAs(1, "logo"), (folder_ / "logo.bin").string());
  EXPECT_EQ(SaveAs(0, "logo"), (folder_ / "logo.h").string());
  EXPECT_EQ(SaveAs(1, "logo.inc"), (folder_ / "logo.inc").string());
}

TEST_F(UQtDialogsTest, AnErrorReportShowsFileNamesAsTheFileSystemSpellsThem) {
  QString shown;
  WhenShown<QMessageBox>([&shown](QMessageBox* box) {
    shown = box->text();
    box->button(QMessageBox::Ok)->click();
  });
  QtErrorReport().Report("Cannot read \"/tmp/caf\xC3\xA9.bmp\": the file is empty");
  EXPECT_EQ(shown, QString::fromUtf8("Cannot read \"/tmp/café.bmp\": the file is empty"));
}

}  // namespace
}  // namespace pixmora
