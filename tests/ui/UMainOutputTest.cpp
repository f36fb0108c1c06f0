#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <chrono>
#include <ctime>
#include <fstream>

#include "conversion/UConvert.h"
#include "image/TImgView32.h"
#include "platform/AtomicFile.h"
#include "settings/USettings.h"
#include "tests/image/DropFiles.h"
#include "tests/ui/MainWindowFixture.h"
#include "ui/TMemo.h"

namespace pixmora {
namespace {

const char* const kOutputCommands[] = {"mnuExport", "mnuExportAs", "mnuCopy", "mnuClearOutput"};
const std::string kBanner =
    "/*\r\n"
    "Image data created with Pixmora Image Converter 4.0\r\n"
    "Looking for cool displays? Visit \"https://displays.example.com\"\r\n"
    "*/\r\n"
    "\r\n";
const QString kStaleBar = "The output was made before the last edit. Convert again (F5).";

// Counts the events of the given kinds that reach a window or any widget in it.
class EventCounter : public QObject {
 public:
  EventCounter(QWidget& window, std::vector<QEvent::Type> types, int& count)
      : window_(window), types_(std::move(types)), count_(count) {
    qApp->installEventFilter(this);
  }
  ~EventCounter() override { qApp->removeEventFilter(this); }

  bool eventFilter(QObject* target, QEvent* event) override {
    auto* widget = qobject_cast<QWidget*>(target);
    if (widget && widget->window() == &window_ &&
        std::find(types_.begin(), types_.end(), event->type()) != types_.end()) {
      ++count_;
    }
    return false;
  }

 private:
  QWidget& window_;
  std::vector<QEvent::Type> types_;
  int& count_;
};

class OutputTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    Start();
    Open(WriteImage("sample.bmp", 100, 100));
    QObject::connect(window->mmoDataOutput, &TMemo::textChanged,
                     [this] { texts.emplace_back(window->mmoDataOutput->Text()); });
  }

  bool AnyOutputCommandEnabled() {
    for (const char* name : kOutputCommands) {
      if (Enabled(name))
        return true;
    }
    return window->findChild<QToolButton*>("btnCopy")->isEnabled();
  }

  // The bar over the output window and the status bar's note, when shown.
  bool StaleShown() {
    QLabel* bar = window->Label("lblOutputStale");
    QLabel* status = window->Label("lblOutputState");
    EXPECT_NE(bar, nullptr);
    EXPECT_NE(status, nullptr);
    if (!bar || !status)
      return false;
    EXPECT_EQ(bar->isVisible(), status->isVisible());
    return bar->isVisible();
  }

  // A right click in the output window and a click on an item of its popup.
  void ChooseFromOutputPopup(const char* item) {
    QMenu* popup = window->pumOutputWindow;
    QTimer::singleShot(0, [this, popup, item] {
      ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
      QTest::mouseClick(popup, Qt::LeftButton, {},
                        popup->actionGeometry(window->Command(item)).center());
    });
    QWidget* memo = window->mmoDataOutput->viewport();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), memo->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(memo, &menu);
  }

  std::vector<std::string> texts;  // the output text at each change
};

TEST_F(OutputTest, F5ConvertsAndSetsTheTextTwiceEndingWithTheBanner) {
  Press(Qt::Key_F5);
  ASSERT_EQ(texts.size(), 3u);  // emptied, then set twice
  EXPECT_EQ(texts[0], "");
  EXPECT_EQ(texts[1].substr(0, 2), "/*");  // the color mode comment comes first
  EXPECT_NE(texts[1].substr(0, kBanner.size()), kBanner);
  EXPECT_EQ(texts[2], kBanner + texts[1]);
  EXPECT_NE(texts[2].find("const unsigned char sample[20006] PROGMEM = {\r\n"), std::string::npos);
  // 100 x 100 pixels in 65536 colors, Byte: two bytes per pixel and six of image information.
  EXPECT_EQ(window->Engine.OutputElementCount(), 20006);
  for (const char* name : kOutputCommands)
    EXPECT_TRUE(Enabled(name)) << name;
  EXPECT_TRUE(window->Label("lblOutputDataSize")->isEnabled());
  EXPECT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size: 20006 bytes");
  EXPECT_FALSE(window->Label("lblColorTableSize")->isEnabled());
  EXPECT_EQ(window->Label("lblCompressionRatio")->text(), "Compression ratio:");
  EXPECT_FALSE(window->frmConvert->isVisible());
  EXPECT_FALSE(StaleShown());
}

// The run empties the window; when it is cancelled, the commands and statistics of the last
// output must not stay behind.
TEST_F(OutputTest, ACancelledRunAfterAnOutputLeavesNoCommandsOrStatisticsOfIt) {
  Press(Qt::Key_F5);
  ASSERT_TRUE(Enabled("mnuExport"));
  ASSERT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size: 20006 bytes");
  texts.clear();
  QObject::connect(window->frmConvert, &TFConvert::PhaseStarted,
                   [this] { QTest::keyClick(window->frmConvert, Qt::Key_Escape); });
  Press(Qt::Key_F5);
  EXPECT_EQ(texts, std::vector<std::string>{""});
  EXPECT_FALSE(AnyOutputCommandEnabled());
  EXPECT_FALSE(window->Label("lblOutputDataSize")->isEnabled());
  EXPECT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size:");
  EXPECT_FALSE(window->frmConvert->isVisible());
}

TEST_F(OutputTest, EscDuringTheRunLeavesTheOutputEmpty) {
  int phases = 0;
  QObject::connect(window->frmConvert, &TFConvert::PhaseStarted, [&](const QString& caption) {
    ++phases;
    EXPECT_EQ(caption, "Convert image to 65536 colors...");
    QTest::keyClick(window->frmConvert, Qt::Key_Escape);
  });
  ClickButton("btnConvert");
  EXPECT_EQ(phases, 1);
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
  EXPECT_FALSE(window->frmConvert->isVisible());
}

TEST_F(OutputTest, CancelButtonStopsTheRunToo) {
  QObject::connect(window->frmConvert, &TFConvert::PhaseStarted,
                   [&] { QTest::mouseClick(window->frmConvert->btnCancel, Qt::LeftButton); });
  Press(Qt::Key_F5);
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
}

TEST_F(OutputTest, ConvertWindowCaptionAndControls) {
  TFConvert& convert = *window->frmConvert;
  EXPECT_EQ(convert.windowTitle(), "Converting...");
  EXPECT_EQ(convert.size(), QSize(316, 125));
  EXPECT_EQ(convert.lblCurrentTask->text(), "Formatting output...");
  EXPECT_EQ(convert.btnCancel->text(), " Cancel");
  EXPECT_EQ(convert.Timer1->interval(), 1);
  EXPECT_FALSE(convert.Timer1->isActive());
}

// Emptying the output at the start of a Convert changes the statistics and the commands; a short
// run ends before the main window lays out or repaints for that, so it does both once, after it.
TEST_F(OutputTest, AShortRunEndsBeforeTheMainWindowHandlesTheEmptiedOutput) {
  Press(Qt::Key_F5);
  // What the activation repaints is not the run's.
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == window.get(); }));
  QApplication::processEvents();
  int handledBeforeRun = -1;
  int handled = 0;
  EventCounter counter(*window, {QEvent::LayoutRequest, QEvent::UpdateRequest, QEvent::Paint},
                       handled);
  QObject::connect(window->frmConvert, &TFConvert::PhaseStarted, [&] {
    if (handledBeforeRun < 0)
      handledBeforeRun = handled;
  });
  QTest::keyClick(window.get(), Qt::Key_F5);
  EXPECT_EQ(handledBeforeRun, 0);
  EXPECT_GT(handled, 0);
  EXPECT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size: 20006 bytes");
}

TEST_F(OutputTest, ClearOutputDisablesEveryOutputCommandAtOnce) {
  Press(Qt::Key_F5);
  ASSERT_TRUE(AnyOutputCommandEnabled());
  ChooseFromOutputPopup("mnuClearOutput");
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
  EXPECT_FALSE(window->Label("lblOutputDataSize")->isEnabled());
  EXPECT_EQ(window->Label("lblOutputDataSize")->text(), "Output data size:");

  Press(Qt::Key_F5);
  ChooseMenuItem("mnuEdit", {"mnuClearOutput"});
  EXPECT_TRUE(window->mmoDataOutput->IsEmpty());
  EXPECT_FALSE(AnyOutputCommandEnabled());
}

TEST_F(OutputTest, CtrlCPutsTheWholeTextOnTheClipboard) {
  Press(Qt::Key_F5);
  Press(Qt::CTRL | Qt::Key_C);
  ASSERT_EQ(clipboard.texts.size(), 1u);
  EXPECT_EQ(clipboard.texts[0], window->mmoDataOutput->Text());
  EXPECT_EQ(window->mmoDataOutput->SelLength(), 0u);
  ChooseFromOutputPopup("mnuCopy");
  ClickButton("btnCopy");
  EXPECT_EQ(clipboard.texts.size(), 3u);
}

TEST_F(OutputTest, ExportAsksOnceAndExportAsAlwaysAsks) {
  Press(Qt::Key_F5);
  const std::string text = (folder / "out.h").string();
  const std::string binary = (folder / "out.bin").string();
  const std::size_t before = dialogs.shown.size();
  dialogs.answers = {text};
  ClickButton("btnExport");
  ChooseMenuItem("mnuFile", {"mnuExport"});
  ASSERT_EQ(dialogs.shown.size(), before + 1);
  EXPECT_EQ(dialogs.shown.back().dialog.title, "Save image output data pixels as...");
  EXPECT_EQ(dialogs.shown.back().dialog.defaultExtension, ".h");
  EXPECT_EQ(dialogs.shown.back().dialog.filters[0].description, "C Header Files (*.h)");
  std::string written;
  ASSERT_EQ(ReadWholeFile(text, written), "");
  EXPECT_EQ(written.substr(0, kBanner.size()), kBanner);

  dialogs.answers = {binary};
  ChooseMenuItem("mnuFile", {"mnuExportAs"});
  ASSERT_EQ(ReadWholeFile(binary, written), "");
  // Six bytes of image information (100 x 100 and the color mode word), then two per pixel.
  EXPECT_EQ(written.size(), 6u + 20000u);
  EXPECT_EQ(written.substr(0, 4), std::string("\x00\x64\x00\x64", 4));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(OutputTest, AnEditAfterConvertKeepsTheTextAndSaysItIsOutOfDate) {
  Press(Qt::Key_F5);
  const std::string converted(window->mmoDataOutput->Text());
  EXPECT_FALSE(StaleShown());
  ClickButton("btnRotateRight");
  EXPECT_EQ(window->mmoDataOutput->Text(), converted);
  ASSERT_TRUE(StaleShown());
  EXPECT_EQ(window->Label("lblOutputStale")->text(), kStaleBar);
  EXPECT_EQ(window->Label("lblOutputState")->text(), "Output out of date");

  // Copy still copies what is shown; Export asks first, and No writes nothing.
  Press(Qt::CTRL | Qt::Key_C);
  EXPECT_EQ(clipboard.texts.back(), converted);
  const std::string file = (folder / "stale.h").string();
  dialogs.answers = {file};
  messages.answers = {MessageResult::No};
  ClickButton("btnExport");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The output was made before the last edit.\nExport it anyway?");
  EXPECT_EQ(messages.shown[0].title, "Export");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_FALSE(std::filesystem::exists(file));
  messages.answers = {MessageResult::Yes};
  ChooseMenuItem("mnuFile", {"mnuExportAs"});
  EXPECT_TRUE(std::filesystem::exists(file));

  // Convert makes it current again; emptying the output takes the note away too.
  Press(Qt::Key_F5);
  EXPECT_FALSE(StaleShown());
  EXPECT_NE(window->mmoDataOutput->Text(), converted);  // the rotated picture's
  ChooseMenuItem("mnuEdit", {"mnuFlipVertical"});
  EXPECT_TRUE(StaleShown());
  ChooseFromOutputPopup("mnuClearOutput");
  EXPECT_FALSE(StaleShown());
  EXPECT_FALSE(Enabled("mnuExport"));
}

TEST_F(OutputTest, ResampleAndAPreferenceThatKeepsTheTextMakeItOutOfDateToo) {
  Press(Qt::Key_F5);
  ClickButton("mnuResampleImage2");
  EXPECT_FALSE(window->mmoDataOutput->IsEmpty());
  EXPECT_TRUE(StaleShown());

  Press(Qt::Key_F5);
  ASSERT_FALSE(StaleShown());
  // "Include image information" leaves the text in place but changes what Convert would make.
  WhenShown(window->frmSettings, [this] {
    QTest::mouseClick(window->frmSettings->findChild<QAbstractButton*>("chkIncludeInfo"),
                      Qt::LeftButton, {}, QPoint(6, 6));
    QTest::mouseClick(window->frmSettings->findChild<QPushButton*>("btnOK"), Qt::LeftButton);
  });
  ClickButton("btnPreferences");
  EXPECT_FALSE(window->mmoDataOutput->IsEmpty());
  EXPECT_TRUE(StaleShown());
}

// The change watch reports a new file on disk while the conversion runs: the run goes on with
// the picture it started with, and the reload comes once, after the run.
TEST_F(MainWindowTest, AChangeOnDiskDuringTheRunWaitsUntilTheRunHasEnded) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemAutoDetect=1\r\n";
  TFMain& w = Start();
  const std::string path = WriteImage("big.bmp", 1500, 1000);
  Open(path);
  bool posted = false;
  bool deliveredDuringRun = false;
  std::vector<int> widthsDuringRun;
  QObject::connect(w.frmConvert, &TFConvert::PhaseStarted, [&] {
    widthsDuringRun.push_back(w.Document.WorkingImage.Width());
    if (posted)
      return;
    posted = true;
    WriteImage("big.bmp", 200, 150);
    // The watch's timer fires inside the run's event pump, twice.
    QTimer::singleShot(0, [&] {
      deliveredDuringRun = w.frmConvert->isVisible() && w.mmoDataOutput->IsEmpty();
      watch.Changed();
      watch.Changed();
    });
  });
  std::vector<std::string> sizes;  // the statistics at each change of the output
  QObject::connect(w.mmoDataOutput, &TMemo::textChanged,
                   [&] { sizes.push_back(w.Label("lblOutputDataSize")->text().toStdString()); });
  const std::size_t starts = std::count(watch.calls.begin(), watch.calls.end(), "Start");
  Press(Qt::Key_F5);
  ASSERT_TRUE(deliveredDuringRun) << "the run ended before the pump delivered the change";
  for (int width : widthsDuringRun)
    EXPECT_EQ(width, 1500);
  // The output showed the picture converted, then the one reload emptied it.
  EXPECT_EQ(sizes,
            (std::vector<std::string>{"Output data size:", "Output data size: 3000006 bytes",
                                      "Output data size: 3000006 bytes", "Output data size:"}));
  EXPECT_EQ(std::count(watch.calls.begin(), watch.calls.end(), "Start"), starts + 1);
  EXPECT_EQ(w.Document.WorkingImage.Width(), 200);
  EXPECT_EQ(w.Label("lblImageDimensions")->text(), "Dimensions: 200 x 150");
}

// A menu command and a summary label click that reach the main window during the run wait as
// well; each runs once afterwards, in the order they came.
TEST_F(MainWindowTest, CommandsAndLabelClicksDuringTheRunWaitUntilItHasEnded) {
  TFMain& w = Start();
  Open(WriteImage("big.bmp", 1500, 1000));
  bool deliveredDuringRun = false;
  QObject::connect(w.frmConvert, &TFConvert::PhaseStarted, [&] {
    QTimer::singleShot(0, [&] {
      if (deliveredDuringRun)
        return;
      deliveredDuringRun = w.mmoDataOutput->IsEmpty();
      ClickLabel(w.Label("lblCompression"));
      w.Command("mnuRotateRight")->trigger();
      w.Command("mnuRotateRight")->trigger();
    });
  });
  std::vector<std::string> shown;  // the tab and the dimensions when the preferences showed
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (!w.frmSettings->isVisible())
      return;
    shown = {w.frmSettings->ActiveTab().toStdString(),
             w.Label("lblImageDimensions")->text().toStdString()};
    w.frmSettings->reject();
  });
  closer.start(5);
  Press(Qt::Key_F5);
  ASSERT_TRUE(deliveredDuringRun);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !shown.empty(); }));
  EXPECT_EQ(shown, (std::vector<std::string>{"Common", "Dimensions: 1500 x 1000"}));
  EXPECT_EQ(w.Label("lblImageDimensions")->text(), "Dimensions: 1000 x 1500");  // a quarter turn
  EXPECT_EQ(w.Engine.OutputElementCount(), 3000006);  // the picture as it was
}

// Two drops during the run: once the run has ended, the last one opens.
TEST_F(MainWindowTest, DropsDuringTheRunOpenTheLastOneAfterIt) {
  std::ofstream(settingsPath) << "[Preferences]\r\nSystemEnableDragDrop=1\r\n";
  TFMain& w = Start();
  const std::string big = WriteImage("big.bmp", 1500, 1000);
  Open(big);
  const std::string first = WriteImage("first.bmp", 30, 20);
  const std::string second = WriteImage("second.bmp", 40, 10);
  bool deliveredDuringRun = false;
  QObject::connect(w.frmConvert, &TFConvert::PhaseStarted, [&] {
    QTimer::singleShot(0, [&] {
      if (deliveredDuringRun)
        return;
      deliveredDuringRun = w.mmoDataOutput->IsEmpty();
      EXPECT_TRUE(DropFiles(*w.ImgView, {QString::fromStdString(first)}));
      EXPECT_TRUE(DropFiles(*w.ImgView, {QString::fromStdString(second)}));
      EXPECT_EQ(w.Document.CurrentFileName, big);
    });
  });
  Press(Qt::Key_F5);
  ASSERT_TRUE(deliveredDuringRun);
  EXPECT_EQ(w.Document.CurrentFileName, second);
  EXPECT_EQ(w.Label("lblImageDimensions")->text(), "Dimensions: 40 x 10");
  EXPECT_EQ(w.mruList.Entries(), (std::vector<std::string>{second, big}));
}

// The processor time this thread has used: unlike the clock on the wall, it does not count the
// time other programs take from a busy machine.
std::chrono::nanoseconds ThreadTime() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// 4096 x 4096 in 65536 colors with compression: the phases sized their buffers first, half a
// second of page faults during which the window neither repainted nor took Cancel.
TEST_F(MainWindowTest, TheConversionWindowRepaintsThroughEveryPhaseOfABigPicture) {
  std::ofstream(settingsPath) << "[Preferences]\r\nCompression=1\r\n";
  TFMain& w = Start();
  Open(WriteImage("huge.bmp", 4096, 4096));
  std::chrono::nanoseconds last{};
  std::chrono::nanoseconds longest{};
  bool running = false;
  std::vector<std::string> phases;
  QObject::connect(w.frmConvert, &TFConvert::PhaseStarted, [&](const QString& caption) {
    EXPECT_TRUE(w.frmConvert->isVisible()) << caption.toStdString();
    phases.push_back(caption.toStdString());
    if (!running) {
      running = true;
      last = ThreadTime();
    }
  });
  // A timer of the main window's: it fires whenever the run dispatches events.
  QTimer beat;
  QObject::connect(&beat, &QTimer::timeout, [&] {
    if (!running || !w.mmoDataOutput->IsEmpty())
      return;
    longest = std::max(longest, ThreadTime() - last);
    last = ThreadTime();
  });
  beat.start(2);
  Press(Qt::Key_F5);
  beat.stop();
  EXPECT_EQ(phases, (std::vector<std::string>{"Convert image to 65536 colors...",
                                              "Compressing data...", "Formatting output..."}));
  EXPECT_FALSE(w.mmoDataOutput->IsEmpty());
  EXPECT_FALSE(w.frmConvert->isVisible());
  EXPECT_LT(std::chrono::duration_cast<std::chrono::milliseconds>(longest).count(), 200);
}

TEST_F(MainWindowTest, OpeningAnotherPictureGivesBackTheMemoryOfTheLastConversion) {
  TFMain& w = Start();
  Open(WriteImage("big.bmp", 1000, 1000));
  Press(Qt::Key_F5);
  ASSERT_FALSE(w.mmoDataOutput->IsEmpty());
  // Two bytes a pixel as one int each, and six characters of text a byte.
  EXPECT_GT(w.Engine.HeldBytes(), 1000u * 1000u * 2u * (4u + 6u));
  // The output window shows the engine's text and line index in place, no copy of either.
  EXPECT_LT(w.mmoDataOutput->HeldBytes(), 1000u);
  Open(WriteImage("logo.bmp", 128, 64));
  EXPECT_TRUE(w.mmoDataOutput->IsEmpty());
  EXPECT_LT(w.Engine.HeldBytes(), 1000u);
  EXPECT_LT(w.mmoDataOutput->HeldBytes(), 1000u);
  EXPECT_EQ(w.Document.ColorImageCopy.Pixels().capacity(), 128u * 64u);

  // A small picture's run holds a small picture's buffers, and a cancelled run none.
  Press(Qt::Key_F5);
  EXPECT_LT(w.Engine.HeldBytes(), 1'000'000u);
  QObject::connect(w.frmConvert, &TFConvert::PhaseStarted,
                   [&] { QTest::keyClick(w.frmConvert, Qt::Key_Escape); });
  Press(Qt::Key_F5);
  EXPECT_LT(w.Engine.HeldBytes(), 1000u);
}

}  // namespace
}  // namespace pixmora
