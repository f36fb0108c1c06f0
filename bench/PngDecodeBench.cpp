// PNG decoding on this machine: the program's decoder (libpng, with its blending into the
// picture) against libpng alone, libspng, and the inflate step alone through zlib and through
// libdeflate, on a photo-like picture (smooth gradients and fine noise, as bench/tools/make-png
// writes). Built only where libspng and libdeflate are installed.
#include <benchmark/benchmark.h>
#include <libdeflate.h>
#include <png.h>
#include <spng.h>
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "image/PngWriter.h"
#include "image/codecs/PngDecoder.h"

namespace pixmora {
namespace {

TBitmap32 PhotoLike(int width, int height) {
  TBitmap32 picture(width, height);
  std::uint32_t seed = 12345;
  const auto clamp = [](int v) {
    return static_cast<std::uint32_t>(v < 0 ? 0 : v > 255 ? 255 : v);
  };
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525u + 1013904223u;
      const int noise = static_cast<int>(seed >> 28) - 8;
      const std::uint32_t r = clamp(x * 255 / width + noise);
      const std::uint32_t g = clamp(y * 255 / height + noise);
      const std::uint32_t b = clamp(((x / 64 + y / 64) % 2 ? 200 : 60) + noise);
      picture.SetPixel(x, y, MakePixel(r, g, b));
    }
  }
  return picture;
}

// One file per size, made once.
const std::string& PngOf(int width, int height) {
  static std::map<std::pair<int, int>, std::string> files;
  std::string& file = files[{width, height}];
  if (file.empty())
    file = EncodePng(PhotoLike(width, height)).bytes;
  return file;
}

std::span<const std::uint8_t> Bytes(const std::string& file) {
  return {reinterpret_cast<const std::uint8_t*>(file.data()), file.size()};
}

std::uint32_t BigEndian32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

// The zlib stream of the picture: every IDAT chunk's data in order.
std::vector<std::uint8_t> ZlibStream(std::span<const std::uint8_t> file) {
  std::vector<std::uint8_t> stream;
  for (std::size_t at = 8; at + 12 <= file.size();) {
    const std::uint32_t length = BigEndian32(&file[at]);
    if (std::memcmp(&file[at + 4], "IDAT", 4) == 0)
      stream.insert(stream.end(), &file[at + 8], &file[at + 8 + length]);
    at += 12 + length;
  }
  return stream;
}

void SetCounters(benchmark::State& state, int width, int height) {
  const double pixels = static_cast<double>(width) * height;
  state.counters["Mpx/s"] = benchmark::Counter(
      pixels * static_cast<double>(state.iterations()) / 1e6, benchmark::Counter::kIsRate);
}

void BM_ProgramDecoder(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const std::string& file = PngOf(width, height);
  for (auto _ : state) {
    DecodeResult result = DecodePng(Bytes(file));
    if (!result.ok)
      state.SkipWithError(result.error.c_str());
    benchmark::DoNotOptimize(result.picture.pixels.data());
  }
  SetCounters(state, width, height);
}

struct MemoryInput {
  std::span<const std::uint8_t> file;
  std::size_t at = 0;
};

void BM_Libpng(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const std::string& file = PngOf(width, height);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
  for (auto _ : state) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    MemoryInput input{Bytes(file)};
    png_set_read_fn(png, &input, [](png_structp p, png_bytep out, std::size_t length) {
      auto& in = *static_cast<MemoryInput*>(png_get_io_ptr(p));
      std::memcpy(out, in.file.data() + in.at, length);
      in.at += length;
    });
    png_read_info(png, info);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    for (int y = 0; y < height; ++y)
      png_read_row(png, &pixels[static_cast<std::size_t>(y) * width * 4], nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    benchmark::DoNotOptimize(pixels.data());
  }
  SetCounters(state, width, height);
}

void BM_Libspng(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const std::string& file = PngOf(width, height);
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * height * 4);
  for (auto _ : state) {
    spng_ctx* context = spng_ctx_new(0);
    spng_set_png_buffer(context, file.data(), file.size());
    if (spng_decode_image(context, pixels.data(), pixels.size(), SPNG_FMT_RGBA8, 0) != 0)
      state.SkipWithError("libspng failed");
    spng_ctx_free(context);
    benchmark::DoNotOptimize(pixels.data());
  }
  SetCounters(state, width, height);
}

// The inflate step alone: the filtered rows, one filter byte and the row's bytes each.
std::size_t FilteredSize(int width, int height) {
  return static_cast<std::size_t>(height) * (1 + static_cast<std::size_t>(width) * 3);
}

void BM_InflateZlib(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const std::vector<std::uint8_t> stream = ZlibStream(Bytes(PngOf(width, height)));
  std::vector<std::uint8_t> rows(FilteredSize(width, height));
  for (auto _ : state) {
    uLongf size = rows.size();
    if (uncompress(rows.data(), &size, stream.data(), stream.size()) != Z_OK)
      state.SkipWithError("zlib failed");
    benchmark::DoNotOptimize(rows.data());
  }
  SetCounters(state, width, height);
}

void BM_InflateLibdeflate(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  const std::vector<std::uint8_t> stream = ZlibStream(Bytes(PngOf(width, height)));
  std::vector<std::uint8_t> rows(FilteredSize(width, height));
  libdeflate_decompressor* inflater = libdeflate_alloc_decompressor();
  for (auto _ : state) {
    if (libdeflate_zlib_decompress(inflater, stream.data(), stream.size(), rows.data(), rows.size(),
                                   nullptr) != LIBDEFLATE_SUCCESS) {
      state.SkipWithError("libdeflate failed");
    }
    benchmark::DoNotOptimize(rows.data());
  }
  libdeflate_free_decompressor(inflater);
  SetCounters(state, width, height);
}

void Sizes(benchmark::internal::Benchmark* b) {
  b->Args({3840, 2160})->Unit(benchmark::kMillisecond)->MinTime(1.0);
}

BENCHMARK(BM_ProgramDecoder)->Apply(Sizes);
BENCHMARK(BM_Libpng)->Apply(Sizes);
BENCHMARK(BM_Libspng)->Apply(Sizes);
BENCHMARK(BM_InflateZlib)->Apply(Sizes);
BENCHMARK(BM_InflateLibdeflate)->Apply(Sizes);
// The largest picture once per decoder: 576 MB of pixels each.
BENCHMARK(BM_ProgramDecoder)->Args({12000, 12000})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_Libspng)->Args({12000, 12000})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_InflateZlib)->Args({12000, 12000})->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_InflateLibdeflate)->Args({12000, 12000})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
