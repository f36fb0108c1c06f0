// The Convert command end to end on the offscreen platform (from the click to the text shown)
// against the engine alone on the same image, and the first paint of a finished result.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <chrono>
#include <memory>

#include "conversion/ConversionEngine.h"
#include "platform/RecordingClipboard.h"
#include "platform/RecordingErrorReport.h"
#include "platform/RecordingFileDialog.h"
#include "platform/RecordingFileWatch.h"
#include "platform/RecordingMessageBox.h"
#include "platform/RecordingShell.h"
#include "ui/TMemo.h"
#include "ui/UMain.h"

namespace pixmora {
namespace {

TBitmap32 Picture(int width, int height) {
  TBitmap32 image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, MakePixel(x * 3, y * 5, x ^ y));
  }
  return image;
}

// 65536 colors, Byte, C array: the defaults.
struct Fixture {
  Fixture(int width, int height) {
    window = std::make_unique<TFMain>(MainServices{messages, dialogs, clipboard, errors, shell,
                                                   watch, "/nonexistent/Pixmora_Convert.ini",
                                                   "/nonexistent/Pixmora_Convert", ""});
    window->resize(1000, 700);
    window->show();
    ImageDocument& document = window->Document;
    document.WorkingImage = Picture(width, height);
    document.RefreshImageSize();
    document.CurrentFileName = "/tmp/picture.bmp";
    window->EnableImageCommands();
    QApplication::processEvents();
  }

  RecordingMessageBox messages;
  RecordingFileDialog dialogs;
  RecordingClipboard clipboard;
  RecordingErrorReport errors;
  RecordingShell shell;
  RecordingFileWatch watch;
  std::unique_ptr<TFMain> window;
};

void BM_ConvertCommand(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  TFMain& window = *fixture.window;
  // Both sides are timed warm: the first run of a program pays for its buffers' pages once.
  window.Command("mnuConvert")->trigger();
  for (auto _ : state) {
    window.Command("mnuConvert")->trigger();
    window.mmoDataOutput->viewport()->repaint();
  }
  state.counters["MB"] = static_cast<double>(window.mmoDataOutput->Text().size()) / 1e6;
}

void BM_EngineAlone(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const ImageDocument& document = fixture.window->Document;
  ConversionInput input;
  input.WorkingImage = &document.WorkingImage;
  input.ImageWidth = document.ImageWidth;
  input.ImageHeight = document.ImageHeight;
  input.CurrentFileName = document.CurrentFileName;
  ConversionEngine engine;
  NullProgressSink sink;
  RecordingMessageBox messages;
  engine.Run(input, sink, messages);
  for (auto _ : state)
    benchmark::DoNotOptimize(engine.Run(input, sink, messages));
}

// From the end of the run (the text in hand) to the output window painted with it: both
// settings of the text and the first paint.
void BM_ShowResult(benchmark::State& state) {
  Fixture fixture(3840, 2160);
  TFMain& window = *fixture.window;
  window.Command("mnuConvert")->trigger();
  const std::string_view text = window.Engine.OutputTextView();
  const std::size_t banner = window.Engine.OutputBanner().size();
  for (auto _ : state) {
    state.PauseTiming();
    window.mmoDataOutput->Clear();
    state.ResumeTiming();
    window.mmoDataOutput->ShowText(text.substr(banner), window.Engine.OutputLines().Starts(),
                                   banner);
    window.mmoDataOutput->ShowText(text);
    window.mmoDataOutput->viewport()->repaint();
  }
  state.counters["MB"] = static_cast<double>(window.mmoDataOutput->Text().size()) / 1e6;
}

BENCHMARK(BM_ConvertCommand)
    ->Args({64, 64})
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK(BM_EngineAlone)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(15);
BENCHMARK(BM_ShowResult)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace pixmora

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
