// The keys, the undo history, the title, the dialogs' folders, the toolbar at the smallest
// window and zooming at the pointer, driven by real key, mouse and wheel events.
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>
#include <fstream>
#include <set>

#include "image/TImgView32.h"
#include "image/UMonochrome.h"
#include "image/UResize.h"
#include "tests/image/TestImages.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

class KeysTest : public MainWindowTest {
 protected:
  // The picture's pixels, to compare the states the history walks through.
  std::vector<std::uint32_t> Pixels() { return window->Document.WorkingImage.Pixels(); }

  void WheelOverView(QPoint at, int delta, Qt::KeyboardModifiers modifiers) {
    QWidget* view = window->ImgView->viewport();
    QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
  }
};

TEST_F(KeysTest, EveryMenuItemHasAMnemonicOfItsOwnAndShowsItsKeys) {
  TFMain& w = Start();
  const auto* bar = w.findChild<QMenuBar*>("mnuMainMenu");
  std::set<QChar> titles;
  for (QAction* menu : bar->actions()) {
    const QString title = menu->text();
    ASSERT_TRUE(title.contains('&')) << title.toStdString();
    EXPECT_TRUE(titles.insert(title.at(title.indexOf('&') + 1).toLower()).second);
    std::vector<QMenu*> open{menu->menu()};
    while (!open.empty()) {
      QMenu* each = open.back();
      open.pop_back();
      std::set<QChar> keys;
      for (QAction* item : each->actions()) {
        if (item->isSeparator() || item->objectName().startsWith("btn") ||
            item->objectName() == "mnuMRU")
          continue;
        const QString text = item->text();
        ASSERT_TRUE(text.contains('&')) << text.toStdString();
        EXPECT_TRUE(keys.insert(text.at(text.indexOf('&') + 1).toLower()).second)
            << text.toStdString();
        if (item->menu())
          open.push_back(item->menu());
      }
    }
  }
  const std::pair<const char*, const char*> shortcuts[] = {
      {"mnuSaveImage", "Ctrl+S"},    {"mnuSaveImageAs", "Ctrl+Shift+S"},
      {"mnuExport", "Ctrl+E"},       {"mnuExit", "Ctrl+Q"},
      {"mnuUndo", "Ctrl+Z"},         {"mnuRedo", "Ctrl+Shift+Z"},
      {"mnuZoomInFactor", "Ctrl++"}, {"mnuZoomOutFactor", "Ctrl+-"},
      {"mnuOriginalSize", "Ctrl+0"}, {"mnuPrevious", "Alt+Left"},
      {"mnuNext", "Alt+Right"},
  };
  for (const auto& [name, keys] : shortcuts)
    EXPECT_EQ(w.Command(name)->shortcut().toString(), keys) << name;
  // The Edit menu offers Resample Image with its six counts, the toolbar's own items.
  auto* resample = w.findChild<QMenu*>("mnuResampleImage1");
  ASSERT_NE(resample, nullptr);
  EXPECT_EQ(resample->actions().size(), 8);
  EXPECT_EQ(resample->actions().at(0), w.Command("mnuResampleImage2"));
}

TEST_F(KeysTest, UndoAndRedoTakeBackEveryEditAndTheTitleShowsTheMark) {
  TFMain& w = Start();
  EXPECT_EQ(w.windowTitle(), "Pixmora Image Converter 4.0");
  const std::string anim = (folder / "anim.gif").string();
  const testing::Bytes gif = testing::MakeAnimatedGif(3, 6, 4);
  std::ofstream(anim, std::ios::binary)
      .write(reinterpret_cast<const char*>(gif.data()), static_cast<std::streamsize>(gif.size()));
  Open(anim);
  EXPECT_EQ(w.windowTitle(), "anim.gif[*] - Pixmora Image Converter 4.0");
  EXPECT_FALSE(Enabled("mnuUndo"));
  Press(Qt::ALT | Qt::Key_Right);
  ASSERT_EQ(w.Label("lblAnimations")->text(), "Animations: 2 from 3");
  Press(Qt::CTRL | Qt::Key_Z);
  EXPECT_EQ(w.Label("lblAnimations")->text(), "Animations: 1 from 3");
  EXPECT_EQ(w.Document.FrameIndex, 0);
  Press(Qt::CTRL | Qt::Key_Y);
  EXPECT_EQ(w.Label("lblAnimations")->text(), "Animations: 2 from 3");
  Press(Qt::ALT | Qt::Key_Left);
  EXPECT_EQ(w.Document.FrameIndex, 0);

  Open(WriteImage("p.bmp", 6, 4));
  EXPECT_EQ(w.windowTitle(), "p.bmp[*] - Pixmora Image Converter 4.0");
  EXPECT_FALSE(w.isWindowModified());
  EXPECT_FALSE(Enabled("mnuUndo"));
  std::vector<std::vector<std::uint32_t>> states{Pixels()};
  ClickButton("btnRotateRight");
  states.push_back(Pixels());
  ClickButton("btnFlipVertical");
  states.push_back(Pixels());
  ChooseMenuItem("mnuEdit", {"mnuCropEnabled"});
  w.ImgView->SetCropSelection(QRect(1, 1, 2, 3));
  ClickButton("btnCropImage");
  states.push_back(Pixels());
  EXPECT_TRUE(w.isWindowModified());
  TFResize* resize = w.frmResize;
  WhenShown(resize, [resize] {
    resize->spnWidth->setFocus();
    resize->spnWidth->selectAll();
    QTest::keyClicks(resize->spnWidth, "8");
    QTest::mouseClick(resize->btnOK, Qt::LeftButton);
  });
  ChooseMenuItem("mnuEdit", {"mnuResizeImage"});
  states.push_back(Pixels());
  ChooseMenuItem("mnuEdit", {"mnuResampleImage1", "mnuResampleImage2"});
  ASSERT_TRUE(w.Command("mnuPaletteMode1")->isChecked());
  states.push_back(Pixels());
  TFMonochrome* threshold = w.frmMonochrome;
  WhenShown(threshold, [threshold] { QTest::mouseClick(threshold->btnOK, Qt::LeftButton); });
  ChooseMenuItem("mnuEdit", {"mnuMonochrome"});
  states.push_back(Pixels());
  ASSERT_EQ(w.Document.ImageMode, ImageMode::Monochrome);

  for (std::size_t i = states.size() - 1; i > 0; --i) {
    ASSERT_TRUE(Enabled("mnuUndo")) << i;
    Press(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(Pixels(), states[i - 1]) << i;
  }
  EXPECT_FALSE(Enabled("mnuUndo"));
  EXPECT_EQ(w.Document.ImageMode, ImageMode::Color);
  EXPECT_FALSE(w.isWindowModified());
  for (std::size_t i = 1; i < states.size(); ++i) {
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_EQ(Pixels(), states[i]) << i;
  }
  EXPECT_FALSE(Enabled("mnuRedo"));
  EXPECT_EQ(w.Document.ImageMode, ImageMode::Monochrome);
  EXPECT_EQ(w.Label("lblImageDimensions")->text(), "Dimensions: 8 x 12");

  // A picture opened anew has no history.
  messages.answers.push_back(MessageResult::No);
  Open(WriteImage("other.bmp", 5, 5));
  EXPECT_FALSE(Enabled("mnuUndo"));
  EXPECT_EQ(w.windowTitle(), "other.bmp[*] - Pixmora Image Converter 4.0");
}

TEST_F(KeysTest, DialogsStartInTheLastFolderAndExportProposesThePicturesName) {
  Start();
  const std::string picture = WriteImage("splash.bmp", 6, 4);
  Open(picture);
  Press(Qt::Key_F5);
  ASSERT_TRUE(Enabled("mnuExport"));
  Press(Qt::CTRL | Qt::Key_E);
  ASSERT_FALSE(dialogs.shown.empty());
  EXPECT_EQ(dialogs.shown.back().startName, folder.string() + "/splash.h");
  Press(Qt::CTRL | Qt::Key_S);
  EXPECT_EQ(dialogs.shown.back().startName, folder.string() + "/splash.bmp");

  window->close();
  window.reset();
  Start();
  Press(Qt::CTRL | Qt::Key_O);
  EXPECT_EQ(dialogs.shown.back().startName, folder.string() + "/");
  // Ctrl+Q closes the window.
  Press(Qt::CTRL | Qt::Key_Q);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(KeysTest, TheOutputWindowCopiesItsSelectionAndFinds) {
  TFMain& w = Start();
  Open(WriteImage("p.bmp", 6, 4));
  EXPECT_FALSE(Enabled("mnuFind"));
  Press(Qt::Key_F5);
  ASSERT_TRUE(Enabled("mnuFind"));
  Press(Qt::CTRL | Qt::Key_F);
  QTest::keyClicks(QApplication::focusWidget(), "const");
  Press(Qt::Key_F3);
  EXPECT_EQ(w.mmoDataOutput->SelectedText(), "const");
  Press(Qt::CTRL | Qt::SHIFT | Qt::Key_C);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts.back(), "const");
  // Copy keeps copying the whole text.
  Press(Qt::CTRL | Qt::Key_C);
  EXPECT_EQ(clipboard.texts.back(), w.mmoDataOutput->Text());
  ChooseMenuItem("mnuEdit", {"mnuClearOutput"});
  EXPECT_FALSE(Enabled("mnuFind"));
  EXPECT_FALSE(Enabled("mnuCopySelection"));
}

TEST_F(KeysTest, EveryToolbarCommandIsVisibleAtTheSmallestWindow) {
  TFMain& w = Start();
  w.resize(800, 609);
  QApplication::processEvents();
  for (QAction* item : w.tlbMainToolbar->actions()) {
    QWidget* shown = w.tlbMainToolbar->widgetForAction(item);
    if (item->isSeparator() || !shown)
      continue;
    EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    if (auto* button = qobject_cast<QToolButton*>(shown); button && button->defaultAction()) {
      EXPECT_FALSE(button->icon().isNull()) << shown->objectName().toStdString();
    }
  }
  auto* chevron = w.tlbMainToolbar->findChild<QToolButton*>("qt_toolbar_ext_button");
  EXPECT_TRUE(chevron == nullptr || !chevron->isVisible());
  EXPECT_TRUE(w.findChild<QToolButton*>("btnMainToolbarClose")->isVisible());
}

TEST_F(KeysTest, TheWheelScrollsTheStatisticsPanel) {
  TFMain& w = Start();
  w.resize(800, 400);  // too short for the panel, which fits the window's default size
  QApplication::processEvents();
  auto* area = w.pnlStatistics->findChild<QScrollArea*>();
  ASSERT_NE(area, nullptr);
  ASSERT_GT(area->verticalScrollBar()->maximum(), 0) << w.height() << " " << area->height();
  QWidget* inside = area->viewport();
  const QPoint at = inside->rect().center();
  QWheelEvent wheel(at, inside->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(inside, &wheel);
  EXPECT_GT(area->verticalScrollBar()->value(), 0);
}

TEST_F(KeysTest, ZoomKeepsThePixelUnderThePointerAndOpensLargePicturesFitted) {
  TFMain& w = Start();
  Open(WriteImage("large.bmp", 1600, 1200));
  const QSize view = w.ImgView->viewport()->size();
  EXPECT_LE(1600 * w.ZoomFactor, view.width());
  EXPECT_LE(1200 * w.ZoomFactor, view.height());
  EXPECT_LT(w.ZoomFactor, 1.0f);
  Press(Qt::CTRL | Qt::Key_0);
  EXPECT_FLOAT_EQ(w.ZoomFactor, 1.0f);
  EXPECT_EQ(w.Label("lblImageZoom")->text(), "Zoom: 100%");

  const QPoint at(view.width() / 3, view.height() / 2);
  w.ImgView->horizontalScrollBar()->setValue(400);
  w.ImgView->verticalScrollBar()->setValue(300);
  const QPointF before = w.ImgView->ImagePointAt(QPointF(at) + QPointF(0.5, 0.5));
  WheelOverView(at, 120, Qt::ControlModifier);
  EXPECT_FLOAT_EQ(w.ZoomFactor, 1.25f);
  WheelOverView(at, 120, Qt::ControlModifier);
  const QPointF after = w.ImgView->ImagePointAt(QPointF(at) + QPointF(0.5, 0.5));
  EXPECT_EQ(std::floor(after.x()), std::floor(before.x()));
  EXPECT_EQ(std::floor(after.y()), std::floor(before.y()));
  // Without Ctrl the wheel takes the fixed step, at the pointer as well.
  WheelOverView(at, -120, Qt::NoModifier);
  EXPECT_NEAR(w.ZoomFactor, 1.4625f, 1e-5);
  const QPointF stepped = w.ImgView->ImagePointAt(QPointF(at) + QPointF(0.5, 0.5));
  EXPECT_EQ(std::floor(stepped.x()), std::floor(before.x()));

  ChooseMenuItem("mnuView", {"mnuZoomToFit"});
  EXPECT_LE(1600 * w.ZoomFactor, view.width());
  // A reload keeps the zoom; a small picture opens at 100 %.
  Press(Qt::CTRL | Qt::Key_Plus);
  const float zoom = w.ZoomFactor;
  Press(Qt::CTRL | Qt::Key_R);
  EXPECT_FLOAT_EQ(w.ZoomFactor, zoom);
  Open(WriteImage("small.bmp", 10, 10));
  EXPECT_FLOAT_EQ(w.ZoomFactor, 1.0f);
}

}  // namespace
}  // namespace pixmora
