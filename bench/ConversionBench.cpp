// The whole conversion run on photo-like pictures, with a sink that ignores the pump and with
// one that reads the clock at every call, as the desktop's progress window does; and the whole
// conversion of every target, from the working image to its text, on the same pictures.
#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>
#include <map>
#include <utility>

#include "conversion/ConversionEngine.h"
#include "conversion/FormatLines.h"
#include "conversion/WorkingData.h"
#include "targets/CodeWriter.h"
#include "targets/TargetData.h"

namespace pixmora {
namespace {

class ClockCheckingSink : public NullProgressSink {
 public:
  void PumpMessages(std::int64_t) override {
    const auto now = std::chrono::steady_clock::now();
    if (now >= due_) {
      due_ = now + std::chrono::milliseconds(15);
      ++dispatches;
    }
  }
  std::int64_t dispatches = 0;

 private:
  std::chrono::steady_clock::time_point due_{};
};

class NoMessages : public MessageBoxService {
 public:
  MessageResult Show(const std::string&, const std::string&, MessageIcon, MessageButtons) override {
    return MessageResult::OK;
  }
};

// Smooth gradients with a little noise, the same on every run.
TBitmap32 MakePhoto(int width, int height) {
  TBitmap32 image(width, height);
  std::uint32_t state = 0x9E3779B9u;
  for (int y = 0; y < height; ++y) {
    std::uint32_t* row = image.Row(y);
    for (int x = 0; x < width; ++x) {
      state ^= state << 13;
      state ^= state >> 17;
      state ^= state << 5;
      const int noise = static_cast<int>(state & 15) - 8;
      auto channel = [&](int value) {
        return static_cast<std::uint8_t>(std::clamp(value + noise, 0, 255));
      };
      row[x] = MakePixel(channel(x * 255 / width), channel(y * 255 / height),
                         channel((x + y) * 255 / (width + height)));
    }
  }
  return image;
}

// The 256 colors of a 3-3-2 cube, as 0x00BBGGRR.
std::vector<std::uint32_t> CubeTable() {
  std::vector<std::uint32_t> table(256);
  for (std::uint32_t k = 0; k < 256; ++k) {
    const std::uint32_t r = (k >> 5) * 255 / 7, g = ((k >> 2) & 7) * 255 / 7, b = (k & 3) * 85;
    table[k] = r | (g << 8) | (b << 16);
  }
  return table;
}

// The photo with every pixel moved to its cube color.
TBitmap32 ToCube(const TBitmap32& photo, const std::vector<std::uint32_t>& table) {
  TBitmap32 image = photo;
  for (std::uint32_t& pixel : image.Pixels()) {
    const std::uint32_t k =
        (RedOf(pixel) & 0xE0) | ((GreenOf(pixel) >> 3) & 0x1C) | (BlueOf(pixel) >> 6);
    const std::uint32_t entry = table[k];
    pixel = MakePixel(entry & 0xFF, (entry >> 8) & 0xFF, entry >> 16);
  }
  return image;
}

const TBitmap32& Photo(int width, int height) {
  static std::map<std::pair<int, int>, TBitmap32> photos;
  auto [it, added] = photos.try_emplace({width, height});
  if (added)
    it->second = MakePhoto(width, height);
  return it->second;
}

const std::vector<std::uint32_t>& Table() {
  static const std::vector<std::uint32_t> table = CubeTable();
  return table;
}

const TBitmap32& CubePhoto(int width, int height) {
  static std::map<std::pair<int, int>, TBitmap32> photos;
  auto [it, added] = photos.try_emplace({width, height});
  if (added)
    it->second = ToCube(Photo(width, height), Table());
  return it->second;
}

enum Case { kColorByte, kColorWordCompressed, kPalette, kMonochromeVertical, kColor256 };

ConversionInput MakeInput(Case which, int width, int height) {
  ConversionInput input;
  input.ImageWidth = static_cast<std::uint16_t>(width);
  input.ImageHeight = static_cast<std::uint16_t>(height);
  input.WorkingImage = &Photo(width, height);
  input.CurrentFileName = "photo.png";
  input.Preferences.Set(Option::IncludeInfo, true);
  switch (which) {
    case kColorByte:
      break;
    case kColorWordCompressed:
      input.Preferences.Set(Option::Compression, true);
      input.Preferences.Set(Option::Word, true);
      input.Preferences.Set(Option::LSBFirst, true);
      break;
    case kPalette:
      input.ImageMode = ImageMode::Palette;
      input.WorkingImage = &CubePhoto(width, height);
      input.ColorTable = Table();
      input.PaletteColorCount = 256;
      input.Preferences.Set(Option::Palette1Pixel, true);
      break;
    case kMonochromeVertical:
      input.ImageMode = ImageMode::Monochrome;
      input.Preferences.Set(Option::MonochromeVertical, true);
      break;
    case kColor256:
      input.Preferences.Set(Option::Color256, true);
      break;
  }
  return input;
}

template <class Sink>
void BM_Run(benchmark::State& state) {
  const int width = static_cast<int>(state.range(1));
  const int height = static_cast<int>(state.range(2));
  const ConversionInput input = MakeInput(static_cast<Case>(state.range(0)), width, height);
  ConversionEngine engine;
  Sink sink;
  NoMessages messages;
  std::size_t textSize = 0;
  for (auto _ : state) {
    if (!engine.Run(input, sink, messages))
      state.SkipWithError("the run did not complete");
    const std::string_view text = engine.OutputTextView();
    textSize = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  const double pixels = static_cast<double>(width) * height;
  state.counters["pixels/s"] =
      benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["text MB/s"] = benchmark::Counter(static_cast<double>(textSize) / 1e6,
                                                   benchmark::Counter::kIsIterationInvariantRate);
  state.counters["text MB"] = static_cast<double>(textSize) / 1e6;
}

// The data lines alone: the 16.6 million byte values of a 4K picture in 65536 colors (the text
// goes to memory), and 65536 values whose text stays in the cache (the formatter's own speed).
void BM_FormatLines(benchmark::State& state) {
  WorkingData values(static_cast<std::size_t>(state.range(0)));
  std::uint32_t seed = 12345;
  for (auto& value : values) {
    value = static_cast<std::int32_t>((seed = seed * 1103515245u + 12345u) >> 24);
  }
  NullProgressSink sink;
  Progress progress(sink);
  LineList lines;
  for (auto _ : state) {
    FormatLines(values, lines, 2, OutputFormat{}, progress);
    benchmark::DoNotOptimize(lines.TextView().data());
  }
  state.counters["text MB/s"] =
      benchmark::Counter(static_cast<double>(lines.TextView().size()) / 1e6,
                         benchmark::Counter::kIsIterationInvariantRate);
}

void Sizes(benchmark::internal::Benchmark* b) {
  for (int which : {kColorByte, kColorWordCompressed, kPalette, kMonochromeVertical}) {
    b->Args({which, 1920, 1080});
    b->Args({which, 3840, 2160});
  }
  b->ArgNames({"case", "w", "h"});
  b->Unit(benchmark::kMillisecond);
  b->UseRealTime();
}

struct TargetCase {
  const char* label;
  TargetKind kind;
  LvglFormat format = LvglFormat::RGB565;
  Dither dither = Dither::None;
  bool mask = false;
};

constexpr TargetCase kTargetCases[] = {
    {"gfx-bitmap", TargetKind::GfxBitmap},
    {"gfx-bitmap floyd-steinberg", TargetKind::GfxBitmap, LvglFormat::RGB565,
     Dither::FloydSteinberg},
    {"xbm", TargetKind::Xbm},
    {"pages", TargetKind::Pages},
    {"rgb565", TargetKind::Rgb565},
    {"rgb565 mask", TargetKind::Rgb565, LvglFormat::RGB565, Dither::None, true},
    {"rgb565 ordered", TargetKind::Rgb565, LvglFormat::RGB565, Dither::Ordered},
    {"rgb565 floyd-steinberg", TargetKind::Rgb565, LvglFormat::RGB565, Dither::FloydSteinberg},
    {"rgb332", TargetKind::Rgb332},
    {"gray8", TargetKind::Gray8},
    {"gray4", TargetKind::Gray4},
    {"gray2", TargetKind::Gray2},
    {"index8", TargetKind::Index8},
    {"lvgl9 RGB565", TargetKind::Lvgl9, LvglFormat::RGB565},
    {"lvgl9 ARGB8888", TargetKind::Lvgl9, LvglFormat::ARGB8888},
    {"lvgl9 RGB565A8", TargetKind::Lvgl9, LvglFormat::RGB565A8},
    {"lvgl9 L8", TargetKind::Lvgl9, LvglFormat::L8},
    {"lvgl9 I8", TargetKind::Lvgl9, LvglFormat::I8},
};

// The classic conversion whose output is most like the target's: monochrome for 1 bit, Palette
// for indices, 256 colors for one byte of color or gray, else 65536 colors in bytes.
Case ClassicFamily(const TargetCase& c) {
  const TargetTraits traits = TraitsOf(c.kind, c.format);
  if (traits.oneBit)
    return kMonochromeVertical;
  if (traits.indexBits > 0)
    return kPalette;
  const bool byteLike = c.kind == TargetKind::Rgb332 || c.kind == TargetKind::Gray8 ||
                        c.kind == TargetKind::Gray4 || c.kind == TargetKind::Gray2 ||
                        (c.kind == TargetKind::Lvgl9 && c.format == LvglFormat::L8);
  return byteLike ? kColor256 : kColorByte;
}

double Seconds(std::chrono::steady_clock::time_point from,
               std::chrono::steady_clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

// Each iteration also runs the classic default conversion (65536 colors in bytes) and the
// classic conversion of the target's family on the same picture, so that the ratios (of
// processor time) compare runs made at the same time on a machine whose speed may drift. Index
// targets read the 256-color cube picture, the others the photo. The thread's processor time,
// kernel time for page faults included: on a machine that other work shares, ratios of it drift far
// less than ratios of wall time.
double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void BM_Target(benchmark::State& state) {
  const TargetCase& c = kTargetCases[state.range(0)];
  const int width = static_cast<int>(state.range(1));
  const int height = static_cast<int>(state.range(2));
  TargetSettings settings;
  settings.target = c.kind;
  settings.colorFormat = c.format;
  settings.dither = c.dither;
  settings.mask = c.mask;
  const bool indexed = TraitsOf(c.kind, c.format).indexBits > 0;
  const TBitmap32& image = indexed ? CubePhoto(width, height) : Photo(width, height);
  const std::span<const std::uint32_t> palette =
      indexed ? std::span<const std::uint32_t>(Table()) : std::span<const std::uint32_t>();
  const ConversionInput classic = MakeInput(kColorByte, width, height);
  const ConversionInput family = MakeInput(ClassicFamily(c), width, height);
  ConversionEngine engine;
  NullProgressSink sink;
  NoMessages messages;
  state.SetLabel(c.label);
  std::size_t textSize = 0;
  double targetTime = 0, classicTime = 0, familyTime = 0;
  CodeFiles code;  // kept from run to run, as the engine keeps its text
  for (auto _ : state) {
    const double start = ThreadSeconds();
    engine.Run(classic, sink, messages);
    const double classicDone = ThreadSeconds();
    engine.Run(family, sink, messages);
    const double familyDone = ThreadSeconds();
    const auto targetStart = std::chrono::steady_clock::now();
    const TargetResult result = EncodeTarget({image, palette, settings, "photo"});
    if (!result.error.empty())
      state.SkipWithError(result.error.c_str());
    WriteCode(result.data, settings, "bench", "photo.h", code);
    textSize = code.header.size() + code.source.size();
    benchmark::DoNotOptimize(code.header.data());
    const double targetDone = ThreadSeconds();
    classicTime += classicDone - start;
    familyTime += familyDone - classicDone;
    targetTime += targetDone - familyDone;
    state.SetIterationTime(Seconds(targetStart, std::chrono::steady_clock::now()));
  }
  state.counters["text MB"] = static_cast<double>(textSize) / 1e6;
  state.counters["x classic"] = targetTime / classicTime;
  state.counters["x family"] = targetTime / familyTime;
}

void TargetSizes(benchmark::internal::Benchmark* b) {
  for (std::size_t which = 0; which < std::size(kTargetCases); ++which)
    b->Args({static_cast<std::int64_t>(which), 3840, 2160});
  b->ArgNames({"case", "w", "h"});
  b->Unit(benchmark::kMillisecond);
  b->UseManualTime();
}

BENCHMARK(BM_Run<NullProgressSink>)->Apply(Sizes);
BENCHMARK(BM_Target)->Apply(TargetSizes);
BENCHMARK(BM_Run<ClockCheckingSink>)->Apply(Sizes);
BENCHMARK(BM_FormatLines)->Arg(2 * 3840 * 2160)->Arg(65536)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
