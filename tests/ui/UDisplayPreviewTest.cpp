// The Display preview on the real main window: the command in its three views (View menu,
// toolbar toggle, F6), the decoded output beside or instead of the picture at one zoom and
// scroll, the differences, out of date after an edit, the status bar under the pointer and the
// settings file.
#include <QLabel>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QToolButton>
#include <QWheelEvent>
#include <fstream>

#include "decode/DecodeRun.h"
#include "decode/PictureCompare.h"
#include "image/TImgView32.h"
#include "platform/AtomicFile.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"
#include "ui/UDisplayPreview.h"

namespace pixmora {
namespace {

constexpr int kRgb565 = 4;  // the row of the target drop-down

class DisplayPreviewTest : public MainWindowTest {
 protected:
  // Starts the window with the settings file's text, and opens a 100 x 80 gradient.
  TFMain& StartWith(const std::string& settings) {
    if (!settings.empty())
      std::ofstream(settingsPath) << settings;
    TFMain& w = Start();
    Open(WriteImage("sample.bmp", 100, 80));
    return w;
  }

  TDisplayPreview* Pane() { return window->pnlDisplayPreview; }
  TImgView32* Preview() { return Pane()->View; }

  // The view's pixel at (x, y) of the picture, as painted on the screen at 100 %.
  static QColor Painted(TImgView32* view, int x, int y) {
    const QImage shot = view->viewport()->grab().toImage();
    return shot.pixelColor(x - view->horizontalScrollBar()->value(),
                           y - view->verticalScrollBar()->value());
  }

  QString Status() { return window->statusBar()->currentMessage(); }

  // The pointer moved over a view, to the middle of picture pixel (x, y).
  void Hover(TImgView32* view, int x, int y) {
    const double s = view->Scale();
    const QPoint at(static_cast<int>((x + 0.5) * s) - view->horizontalScrollBar()->value(),
                    static_cast<int>((y + 0.5) * s) - view->verticalScrollBar()->value());
    // From a point beside it, so that the pointer moves even where it was before.
    QTest::mouseMove(view->viewport(), at + QPoint(0, 1));
    QTest::mouseMove(view->viewport(), at);
    QTest::qWait(20);
  }
};

TEST_F(DisplayPreviewTest, TheCommandHasAMenuItemAToolbarToggleAndAShortcut) {
  TFMain& w = StartWith("");
  QAction* preview = w.Command("mnuDisplayPreview");
  ASSERT_NE(preview, nullptr);
  EXPECT_TRUE(preview->isCheckable());
  EXPECT_EQ(preview->shortcut().toString(), "F6");
  EXPECT_EQ(w.Command("mnuPreviewInstead")->shortcut().toString(), "Shift+F6");
  EXPECT_EQ(w.Command("mnuDifferences")->shortcut().toString(), "Ctrl+F6");
  EXPECT_FALSE(Pane()->isVisible());

  Press(Qt::Key_F6);
  EXPECT_TRUE(preview->isChecked());
  EXPECT_TRUE(Pane()->isVisible());
  EXPECT_TRUE(w.ImgView->isVisible());
  // Nothing converted yet.
  EXPECT_EQ(Pane()->lblSummary->text(), "Convert (F5) to see what the display will show.");

  ClickButton("btnDisplayPreview");
  EXPECT_FALSE(preview->isChecked());
  EXPECT_FALSE(Pane()->isVisible());
  auto* button = w.tlbMainToolbar->findChild<QToolButton*>("btnDisplayPreview");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->text(), "Preview");
  EXPECT_TRUE(button->isCheckable());

  ChooseMenuItem("mnuView", {"mnuDisplayPreview"});
  EXPECT_TRUE(Pane()->isVisible());
  EXPECT_TRUE(button->isChecked());
}

TEST_F(DisplayPreviewTest, ThePreviewIsTheDecodedOutputBesideThePicture) {
  // 3-3-2: the display shows bands that the picture does not have.
  TFMain& w = StartWith("[Preferences]\r\nColor256=1\r\nColor65536=0\r\n");
  Press(Qt::Key_F6);
  Press(Qt::Key_F5);
  const ShownOutput& shown = w.DisplayedOutput();
  ASSERT_FALSE(shown.Empty());
  EXPECT_EQ(shown.Error(), "");
  const DecodeOutcome decoded = DecodeClassicRun(
      {w.Engine, w.Document.ImageWidth, w.Document.ImageHeight, w.Preferences, false});
  ASSERT_TRUE(decoded.Ok());
  EXPECT_EQ(shown.Picture(), decoded.picture);
  EXPECT_EQ(Preview()->BitmapSize(), QSize(100, 80));
  const std::string summary = "256 colors (3-3-2): 100 x 80 pixels, 8006 bytes, PSNR " +
                              PsnrText(Psnr(decoded.picture, w.Document.WorkingImage));
  EXPECT_EQ(Pane()->lblSummary->text().toStdString(), summary);
  EXPECT_FALSE(Pane()->lblPreviewStale->isVisible());

  // What the two views paint: the picture, and what the display shows of it.
  int differing = 0;
  for (const auto& [x, y] : {std::pair(3, 2), std::pair(40, 30), std::pair(99, 79)}) {
    const std::uint32_t source = w.Document.WorkingImage.Pixel(x, y);
    const std::uint32_t display = decoded.picture.Pixel(x, y);
    EXPECT_EQ(Painted(w.ImgView, x, y), QColor::fromRgb(source | 0xFF000000u)) << x;
    EXPECT_EQ(Painted(Preview(), x, y), QColor::fromRgb(display)) << x;
    differing += source != display ? 1 : 0;
  }
  EXPECT_GT(differing, 0);
  // Side by side in one splitter.
  auto* views = w.findChild<QSplitter*>("splViews");
  ASSERT_NE(views, nullptr);
  EXPECT_EQ(views->indexOf(w.ImgView), 0);
  EXPECT_EQ(views->indexOf(Pane()), 1);
}

TEST_F(DisplayPreviewTest, BothViewsKeepOneZoomGridAndScroll) {
  TFMain& w = StartWith("");
  Press(Qt::Key_F5);
  Press(Qt::Key_F6);
  for (int i = 0; i < 45; ++i)
    Press(Qt::Key_PageUp);
  EXPECT_FLOAT_EQ(Preview()->Scale(), w.ImgView->Scale());
  EXPECT_TRUE(w.ImgView->PixelGridVisible());
  EXPECT_TRUE(Preview()->PixelGridVisible());
  w.ImgView->horizontalScrollBar()->setValue(120);
  w.ImgView->verticalScrollBar()->setValue(75);
  EXPECT_EQ(Preview()->horizontalScrollBar()->value(), 120);
  EXPECT_EQ(Preview()->verticalScrollBar()->value(), 75);
  // Scrolling the preview scrolls the picture.
  QTest::keyClick(Preview()->horizontalScrollBar(), Qt::Key_Right);
  EXPECT_NE(Preview()->horizontalScrollBar()->value(), 120);
  EXPECT_EQ(w.ImgView->horizontalScrollBar()->value(), Preview()->horizontalScrollBar()->value());
  // The wheel over the preview zooms both.
  const QPoint centre = Preview()->viewport()->rect().center();
  QWheelEvent wheel(centre, Preview()->viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  const float before = w.ZoomFactor;
  QApplication::sendEvent(Preview()->viewport(), &wheel);
  EXPECT_LT(w.ZoomFactor, before);
  EXPECT_FLOAT_EQ(Preview()->Scale(), w.ZoomFactor);
  ClickButton("btnOiginal");
  EXPECT_FLOAT_EQ(Preview()->Scale(), 1.0f);
  EXPECT_FALSE(Preview()->PixelGridVisible());
}

TEST_F(DisplayPreviewTest, InsteadOfThePictureAndBackBeside) {
  TFMain& w = StartWith("");
  Press(Qt::Key_F5);
  // Instead of the picture turns the preview on.
  Press(Qt::SHIFT | Qt::Key_F6);
  EXPECT_TRUE(w.Command("mnuDisplayPreview")->isChecked());
  EXPECT_TRUE(Pane()->isVisible());
  EXPECT_FALSE(w.ImgView->isVisible());
  EXPECT_FALSE(w.DisplayedOutput().Empty());
  // Zoom commands still zoom what is shown.
  Press(Qt::Key_PageUp);
  EXPECT_FLOAT_EQ(Preview()->Scale(), w.ZoomFactor);
  // The whole room, once laid out.
  ASSERT_TRUE(QTest::qWaitFor([&] { return Pane()->btnInstead->width() > 0; }));
  EXPECT_GT(Pane()->width(), w.findChild<QSplitter*>("splViews")->width() - 10);
  QTest::mouseClick(Pane()->btnInstead, Qt::LeftButton);
  EXPECT_TRUE(w.ImgView->isVisible());
  EXPECT_TRUE(Pane()->isVisible());
  Press(Qt::SHIFT | Qt::Key_F6);
  Press(Qt::Key_F6);
  // Off: the picture comes back, whatever "instead" says.
  EXPECT_FALSE(Pane()->isVisible());
  EXPECT_TRUE(w.ImgView->isVisible());
  EXPECT_TRUE(w.DisplayedOutput().Empty());
}

TEST_F(DisplayPreviewTest, DifferencesMarkThePixelsBeyondTheTolerance) {
  TFMain& w = StartWith("[Preferences]\r\nColor256=1\r\nColor65536=0\r\n");
  Press(Qt::Key_F6);
  Press(Qt::Key_F5);
  EXPECT_FALSE(Pane()->lblDifferences->isVisible());
  QTest::mouseClick(Pane()->btnDifferences, Qt::LeftButton);
  EXPECT_TRUE(w.Command("mnuDifferences")->isChecked());
  const ShownOutput& shown = w.DisplayedOutput();
  const std::size_t at8 = shown.CountDifferences(8);
  ASSERT_GT(at8, 0u);
  EXPECT_EQ(Pane()->lblDifferences->text().toStdString(), DifferencesText(at8, 8000, 8));
  EXPECT_TRUE(Pane()->lblDifferences->isVisible());
  int marked = 0;
  for (int y = 0; y < 80; y += 7) {
    for (int x = 0; x < 100; x += 9) {
      const bool differs =
          ColorDifference(shown.Picture().Pixel(x, y), w.Document.WorkingImage.Pixel(x, y)) > 8;
      const QColor painted = Painted(Preview(), x, y);
      EXPECT_EQ(painted == QColor(255, 0, 255), differs) << x << ", " << y;
      marked += differs ? 1 : 0;
    }
  }
  EXPECT_GT(marked, 0);
  // A larger tolerance typed into its box marks fewer.
  Pane()->spnTolerance->setFocus();
  Pane()->spnTolerance->selectAll();
  QTest::keyClicks(Pane()->spnTolerance, "30");
  EXPECT_EQ(w.PreviewChoices().tolerance, 30);
  EXPECT_EQ(Pane()->lblDifferences->text().toStdString(),
            DifferencesText(shown.CountDifferences(30), 8000, 30));
  EXPECT_LT(shown.CountDifferences(30), at8);
  // Off again by its shortcut: the preview as decoded.
  Press(Qt::CTRL | Qt::Key_F6);
  EXPECT_FALSE(Pane()->lblDifferences->isVisible());
  EXPECT_EQ(Painted(Preview(), 0, 0), QColor::fromRgb(shown.Picture().Pixel(0, 0)));
}

TEST_F(DisplayPreviewTest, AnEditMakesItOutOfDateAndConvertMakesItNew) {
  TFMain& w = StartWith("");
  Press(Qt::Key_F6);
  Press(Qt::Key_F5);
  const TBitmap32 before = w.DisplayedOutput().Picture();
  ClickButton("btnRotateRight");
  EXPECT_TRUE(Pane()->lblPreviewStale->isVisible());
  EXPECT_EQ(Pane()->lblPreviewStale->text(),
            "The preview was made before the last edit. Convert again (F5).");
  EXPECT_TRUE(w.Label("lblOutputState")->isVisible());
  // Still the old output: 100 x 80.
  EXPECT_EQ(w.DisplayedOutput().Picture(), before);
  EXPECT_EQ(Preview()->BitmapSize(), QSize(100, 80));
  Hover(Preview(), 1, 1);
  EXPECT_TRUE(Status().endsWith("(out of date)")) << Status().toStdString();

  Press(Qt::Key_F5);
  EXPECT_FALSE(Pane()->lblPreviewStale->isVisible());
  EXPECT_EQ(Preview()->BitmapSize(), QSize(80, 100));

  // Emptying the output empties the preview.
  ChooseMenuItem("mnuEdit", {"mnuClearOutput"});
  EXPECT_TRUE(w.DisplayedOutput().Empty());
  EXPECT_EQ(Pane()->lblSummary->text(), "Convert (F5) to see what the display will show.");
  EXPECT_EQ(Preview()->BitmapSize(), QSize(0, 0));
}

TEST_F(DisplayPreviewTest, TurnedOnAfterAnEditItShowsTheOldOutputOutOfDate) {
  TFMain& w = StartWith("[Preview]\r\nDifferences=1\r\n");
  Press(Qt::Key_F5);
  EXPECT_TRUE(w.DisplayedOutput().Empty());  // not decoded while the preview is off
  ClickButton("btnFlipHorizontal");
  Press(Qt::Key_F6);
  ASSERT_FALSE(w.DisplayedOutput().Empty());
  EXPECT_TRUE(Pane()->lblPreviewStale->isVisible());
  EXPECT_EQ(w.DisplayedOutput().Summary(), "65536 colors (5-6-5): 100 x 80 pixels, 16006 bytes");
  EXPECT_EQ(Pane()->lblDifferences->text(),
            "The picture was edited before the preview was made: convert again to see the "
            "differences.");
}

TEST_F(DisplayPreviewTest, HoveringAPixelSaysItsColorsValueAndOffset) {
  TFMain& w = StartWith("");
  Hover(w.ImgView, 3, 2);
  const std::uint32_t source = w.Document.WorkingImage.Pixel(3, 2);
  EXPECT_EQ(Status().toStdString(), "x 3, y 2   source " + PixelText(source | 0xFF000000u));

  Press(Qt::Key_F5);
  Press(Qt::Key_F6);
  // 5-6-5 bytes after the six of the image information: pixel 203 at 6 + 2 x 203.
  Hover(w.ImgView, 3, 2);
  const PixelPlace place = *w.DisplayedOutput().PlaceOf(3, 2);
  EXPECT_EQ(place.offset, 412u);
  const std::string expected = "x 3, y 2   source " + PixelText(source | 0xFF000000u) +
                               "   shown " + PixelText(w.DisplayedOutput().Picture().Pixel(3, 2)) +
                               "   " + DescribePlace(place);
  EXPECT_EQ(Status().toStdString(), expected);
  EXPECT_NE(expected.find(" at offset 412"), std::string::npos);
  // The same over the preview.
  Hover(Preview(), 3, 2);
  EXPECT_EQ(Status().toStdString(), expected);
  // Another pixel, then off the picture.
  Hover(Preview(), 99, 79);
  EXPECT_TRUE(Status().startsWith("x 99, y 79   source #")) << Status().toStdString();
  EXPECT_TRUE(Status().endsWith(" at offset 16004")) << Status().toStdString();
  QTest::mouseMove(w.ImgView->viewport(), QPoint(w.ImgView->viewport()->width() - 2, 3));
  QTest::qWait(20);
  EXPECT_EQ(Status(), "");
}

TEST_F(DisplayPreviewTest, ATargetIsPreviewedAndItsValuesAreNamed) {
  TFMain& w = StartWith("");
  Press(Qt::Key_F6);
  ClickEntry(w.cmbMainTarget, kRgb565);
  Press(Qt::Key_F5);
  ASSERT_FALSE(w.DisplayedOutput().Empty());
  EXPECT_EQ(w.DisplayedOutput().Summary().rfind("rgb565: 100 x 80 pixels, 16000 bytes, PSNR ", 0),
            0u);
  Hover(Preview(), 5, 1);
  // uint16_t values, low byte first in the .bin: pixel 105 at byte 210, value 105 of the array.
  EXPECT_TRUE(Status().endsWith(" at offset 210 (element 105)")) << Status().toStdString();
}

TEST_F(DisplayPreviewTest, TheSettingsFileKeepsThePreview) {
  TFMain& w = StartWith("");
  Press(Qt::Key_F6);
  Press(Qt::CTRL | Qt::Key_F6);
  Pane()->spnTolerance->setValue(20);
  ASSERT_TRUE(w.close());
  std::string text;
  ASSERT_EQ(ReadWholeFile(settingsPath, text), "");
  EXPECT_NE(text.find("[Preview]\r\nShown=1\r\nInstead=0\r\nDifferences=1\r\nTolerance=20\r\n"),
            std::string::npos)
      << text;
  window.reset();
  TFMain& again = Start();
  EXPECT_TRUE(again.Command("mnuDisplayPreview")->isChecked());
  EXPECT_TRUE(again.Command("mnuDifferences")->isChecked());
  EXPECT_TRUE(again.pnlDisplayPreview->isVisible());
  EXPECT_EQ(again.pnlDisplayPreview->spnTolerance->value(), 20);
}

}  // namespace
}  // namespace pixmora
