// Reading a 3840 x 2160 picture back from its 65536-color C array (about 100 MB of text): the
// array reader alone, and the whole decode to pixels. Both count the text as bytes processed.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/NoisePicture.h"
#include "conversion/ConversionEngine.h"
#include "decode/ArrayText.h"
#include "decode/ClassicDecoder.h"
#include "decode/DecodeOutputFile.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

const std::string& ArrayText565() {
  static const std::string text = [] {
    const TBitmap32 picture = NoisePicture(kWidth, kHeight);
    ConversionInput input;
    input.WorkingImage = &picture;
    input.ImageWidth = kWidth;
    input.ImageHeight = kHeight;
    input.Preferences.Set(Option::IncludeInfo, true);
    input.CurrentFileName = "photo.png";
    ConversionEngine engine;
    NullProgressSink progress;
    RecordingMessageBox messages;
    engine.Run(input, progress, messages);
    return std::string(engine.OutputTextView());
  }();
  return text;
}

void BM_ReadArrayText(benchmark::State& state) {
  const std::string& text = ArrayText565();
  for (auto _ : state) {
    ArrayText arrays = ReadArrayText(text, {ArraySyntax::CArray});
    benchmark::DoNotOptimize(arrays.arrays.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_ReadArrayText)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeArrayTextToPixels(benchmark::State& state) {
  const std::string& text = ArrayText565();
  const ClassicDecoder decoder({.includeInfo = true});
  for (auto _ : state) {
    DecodeOutcome outcome = DecodeOutputText("photo.h", text, {ArraySyntax::CArray}, decoder);
    if (!outcome.Ok())
      state.SkipWithError(outcome.error.c_str());
    benchmark::DoNotOptimize(outcome.picture.Pixels().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DecodeArrayTextToPixels)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
