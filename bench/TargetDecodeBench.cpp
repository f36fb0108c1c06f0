// Reading a 3840 x 2160 picture back from the rgb565 target's header (about 70 MB of text):
// the size from its macros, the values, the pixels. Counts the text as bytes processed.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/NoisePicture.h"
#include "decode/DecodeWritten.h"
#include "targets/CodeWriter.h"
#include "targets/TargetData.h"

namespace pixmora {
namespace {

constexpr int kWidth = 3840;
constexpr int kHeight = 2160;

const std::string& Rgb565Header() {
  static const std::string text = [] {
    const TBitmap32 picture = NoisePicture(kWidth, kHeight);
    const TargetSettings settings{.target = TargetKind::Rgb565};
    const TargetResult result = EncodeTarget({picture, {}, settings, "photo"});
    CodeFiles files;
    WriteCode(result.data, settings, "pixmora-cli bench", "photo.h", files);
    return files.header;
  }();
  return text;
}

void BM_DecodeRgb565HeaderToPixels(benchmark::State& state) {
  const std::string& text = Rgb565Header();
  OutputLayout layout;
  layout.target = TargetLayout{.target = TargetKind::Rgb565};
  for (auto _ : state) {
    DecodeOutcome outcome = DecodeWritten(layout, false, {"photo.h", text});
    if (!outcome.Ok())
      state.SkipWithError(outcome.error.c_str());
    benchmark::DoNotOptimize(outcome.picture.Pixels().data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_DecodeRgb565HeaderToPixels)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
