#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "image/KernelResampler.h"
#include "image/QuantizeImage.h"

namespace pixmora {
namespace {

// A 4K picture with what makes photographs hard for a quantizer: smooth shading over the whole
// frame, a few large shapes of their own hue, and sensor-like noise, so that nearly every pixel
// differs from its neighbours.
const TBitmap32& Photo() {
  static const TBitmap32 photo = [] {
    constexpr int kWidth = 3840;
    constexpr int kHeight = 2160;
    TBitmap32 image(kWidth, kHeight);
    std::uint32_t seed = 12345;
    for (int y = 0; y < kHeight; ++y) {
      std::uint32_t* row = image.Row(y);
      for (int x = 0; x < kWidth; ++x) {
        seed = seed * 1664525u + 1013904223u;
        const int noise = static_cast<int>((seed >> 24) % 13) - 6;
        const double u = static_cast<double>(x) / kWidth;
        const double v = static_cast<double>(y) / kHeight;
        double r = 60 + 150 * v + 30 * std::sin(9 * u);
        double g = 90 + 100 * u * (1 - v) + 40 * std::cos(7 * v + 3 * u);
        double b = 200 - 140 * v + 25 * std::sin(13 * u * v);
        const double dx = u - 0.6;
        const double dy = v - 0.55;
        if (dx * dx + dy * dy < 0.04) {  // a warm disc in front of the sky
          r = 220 - 300 * (dx * dx + dy * dy);
          g = 120 + 80 * dy;
          b = 40 + 60 * dx;
        }
        auto channel = [noise](double c) {
          const int value = static_cast<int>(c) + noise;
          return static_cast<std::uint8_t>(value < 0 ? 0 : value > 255 ? 255 : value);
        };
        row[x] = MakePixel(channel(r), channel(g), channel(b));
      }
    }
    return image;
  }();
  return photo;
}

void BM_QuantizeImage(benchmark::State& state) {
  const TBitmap32& photo = Photo();
  for (auto _ : state) {
    TIndexedImage result = QuantizeImage(photo, static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(result.Indices.data());
  }
}
BENCHMARK(BM_QuantizeImage)->Arg(8)->Arg(4)->ArgName("bits")->Unit(benchmark::kMillisecond);

void BM_Resize4KToFullHD(benchmark::State& state) {
  const TBitmap32& photo = Photo();
  const auto filter = static_cast<ResampleFilter>(state.range(0));
  TBitmap32 result(1920, 1080);
  for (auto _ : state) {
    TKernelResampler::Resample(photo, result, filter);
    benchmark::DoNotOptimize(result.Pixels().data());
  }
}
BENCHMARK(BM_Resize4KToFullHD)
    ->Arg(static_cast<int>(ResampleFilter::Box))
    ->Arg(static_cast<int>(ResampleFilter::Linear))
    ->ArgName("linear")
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
