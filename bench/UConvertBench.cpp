// The Convert command end to end on the offscreen platform, from the click to the text shown
// (the run's window lets the main window paint before it closes; what is still pending is
// handled after), against the engine alone on the same image, and the first paint of a
// finished result.
// BM_ConvertAgainstEngine runs both in every iteration and gives their ratio as counters: of
// the wall time, of the main thread's processor time and of the process's (which counts the
// painting the toolkit hands to its threads), so that the ratio holds on a machine others load.
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <ctime>
#include <memory>
#include <vector>

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
  // Both sides are timed warm: the first runs of a program pay for their buffers' pages once,
  // and a run writes into the buffers of the run before last.
  for (int warm = 0; warm < 2; ++warm)
    window.Command("mnuConvert")->trigger();
  for (auto _ : state) {
    window.Command("mnuConvert")->trigger();
    QApplication::processEvents();
  }
  state.counters["MB"] = static_cast<double>(window.mmoDataOutput->Text().size()) / 1e6;
}

// What the Convert command gives the engine for the window's picture.
ConversionInput InputOf(const ImageDocument& document) {
  ConversionInput input;
  input.WorkingImage = &document.WorkingImage;
  input.ImageWidth = document.ImageWidth;
  input.ImageHeight = document.ImageHeight;
  input.CurrentFileName = document.CurrentFileName;
  return input;
}

void BM_EngineAlone(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  const ConversionInput input = InputOf(fixture.window->Document);
  ConversionEngine engine;
  NullProgressSink sink;
  RecordingMessageBox messages;
  for (int warm = 0; warm < 2; ++warm)
    engine.Run(input, sink, messages);
  for (auto _ : state)
    benchmark::DoNotOptimize(engine.Run(input, sink, messages));
}

// The three clocks at one moment, in seconds.
struct Clocks {
  double wall = 0;
  double thread = 0;
  double process = 0;

  static Clocks Now() {
    const auto seconds = [](clockid_t clock) {
      timespec now{};
      clock_gettime(clock, &now);
      return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
    };
    return {seconds(CLOCK_MONOTONIC), seconds(CLOCK_THREAD_CPUTIME_ID),
            seconds(CLOCK_PROCESS_CPUTIME_ID)};
  }
  Clocks operator-(const Clocks& from) const {
    return {wall - from.wall, thread - from.thread, process - from.process};
  }
};

// Medians: another program's burst lengthens a few iterations, not the middle one.
double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

void BM_ConvertAgainstEngine(benchmark::State& state) {
  Fixture fixture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  TFMain& window = *fixture.window;
  const ConversionInput input = InputOf(window.Document);
  ConversionEngine engine;
  NullProgressSink sink;
  RecordingMessageBox messages;
  engine.Run(input, sink, messages);
  window.Command("mnuConvert")->trigger();
  std::vector<double> convert[3];
  std::vector<double> alone[3];
  for (auto _ : state) {
    const Clocks start = Clocks::Now();
    benchmark::DoNotOptimize(engine.Run(input, sink, messages));
    const Clocks engineDone = Clocks::Now();
    window.Command("mnuConvert")->trigger();
    QApplication::processEvents();
    const Clocks convertDone = Clocks::Now();
    const Clocks engineTime = engineDone - start;
    const Clocks convertTime = convertDone - engineDone;
    alone[0].push_back(engineTime.wall);
    alone[1].push_back(engineTime.thread);
    alone[2].push_back(engineTime.process);
    convert[0].push_back(convertTime.wall);
    convert[1].push_back(convertTime.thread);
    convert[2].push_back(convertTime.process);
  }
  state.counters["engine ms"] = Median(alone[0]) * 1e3;
  state.counters["convert ms"] = Median(convert[0]) * 1e3;
  state.counters["x wall"] = Median(convert[0]) / Median(alone[0]);
  state.counters["x thread"] = Median(convert[1]) / Median(alone[1]);
  state.counters["x process"] = Median(convert[2]) / Median(alone[2]);
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
BENCHMARK(BM_ConvertAgainstEngine)
    ->Args({1920, 1080})
    ->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(25);
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
