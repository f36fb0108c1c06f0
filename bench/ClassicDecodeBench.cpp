// Reading a 3840 x 2160 picture back from its 65536-color C array (about 100 MB of text): the
// array reader alone, and the whole decode to pixels. Both count the text as bytes processed.
#include <benchmark/benchmark.h>

#include <string>

#include "conversion/ConversionEngine.h"
#include "decode/ArrayText.h"
#include "decode/ClassicDecoder.h"
#include "decode/DecodeOutputFile.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

// Noise, so that no value is cheaper to read than another.
const std::string& ArrayText565() {
  static const std::string text = [] {
    TBitmap32 picture(kWidth, kHeight);
    std::uint32_t state = 0x9E3779B9u;
    for (std::uint32_t& pixel : picture.Pixels()) {
      state = state * 1664525u + 1013904223u;
      pixel = 0xFF000000u | (state >> 8);
    }
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
