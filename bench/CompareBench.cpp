// --compare on a 1920 x 1080 photograph: every encoding converted, decoded and measured.
#include <benchmark/benchmark.h>

#include <cmath>

#include "decode/CompareEncodings.h"
#include "platform/KeepFreedMemory.h"

namespace pixmora {
namespace {

// A made-up photograph: a sky gradient, hills, soft light and grain, so that colors seldom
// repeat and no encoding finds it easier than a camera picture.
TBitmap32 Photo(int width, int height) {
  TBitmap32 photo(width, height);
  std::uint32_t state = 0x2545F491u;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      state = state * 1664525u + 1013904223u;
      const int grain = static_cast<int>(state >> 28) - 8;
      const double hill = height * (0.55 + 0.1 * std::sin(x * 0.004) + 0.05 * std::sin(x * 0.023));
      const double light = 0.5 + 0.5 * std::sin(x * 0.002 + y * 0.003);
      int r, g, b;
      if (y < hill) {
        r = 90 + 80 * y / height;
        g = 140 + 60 * y / height;
        b = 230 - 30 * y / height;
      } else {
        r = static_cast<int>(60 + 90 * light);
        g = static_cast<int>(110 + 70 * light + 20 * std::sin(x * 0.05 + y * 0.07));
        b = static_cast<int>(40 + 40 * light);
      }
      const auto clamp = [grain](int v) { return std::clamp(v + grain, 0, 255); };
      photo.SetPixel(x, y, MakePixel(clamp(r), clamp(g), clamp(b)));
    }
  }
  return photo;
}

void BM_CompareEncodings1080p(benchmark::State& state) {
  const TBitmap32 photo = Photo(1920, 1080);
  const Preferences defaults;
  KeepFreedMemory();  // as pixmora-cli --compare
  for (auto _ : state) {
    std::vector<CompareRow> rows = CompareEncodings(photo, defaults);
    benchmark::DoNotOptimize(rows.data());
  }
}
BENCHMARK(BM_CompareEncodings1080p)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
