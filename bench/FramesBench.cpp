#include <benchmark/benchmark.h>
#include <gif_lib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "image/Frames.h"
#include "platform/AtomicFile.h"
#include "targets/CodeWriter.h"
#include "targets/FrameTable.h"
#include "targets/RawBytes.h"

namespace pixmora {
namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr int kFrames = 100;
constexpr int kSprite = 48;

int Append(GifFileType* gif, const GifByteType* data, int length) {
  auto& out = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  out.insert(out.end(), data, data + length);
  return length;
}

void Check(int status) {
  if (status != GIF_OK)
    throw std::runtime_error("giflib could not write the benchmark's GIF");
}

// A GIF as animations usually are: a still, detailed background of 224 colors and a ball of
// 32 colors bouncing over it, every frame stored whole at 40 ms.
std::vector<std::uint8_t> BouncingBall() {
  std::vector<std::uint8_t> file;
  int error = 0;
  GifFileType* gif = EGifOpen(&file, Append, &error);
  if (gif == nullptr)
    throw std::runtime_error("giflib could not start the benchmark's GIF");
  EGifSetGifVersion(gif, true);
  ColorMapObject* map = GifMakeMapObject(256, nullptr);
  for (int i = 0; i < 224; ++i)
    map->Colors[i] = {static_cast<GifByteType>(i), static_cast<GifByteType>(255 - i),
                      static_cast<GifByteType>((i * 7) & 0xFF)};
  for (int i = 224; i < 256; ++i)
    map->Colors[i] = {255, static_cast<GifByteType>((i - 224) * 8), 0};
  Check(EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, map));
  GifFreeMapObject(map);
  std::vector<GifPixelType> line(kWidth);
  for (int f = 0; f < kFrames; ++f) {
    const GraphicsControlBlock control{DISPOSE_DO_NOT, false, 4, NO_TRANSPARENT_COLOR};
    GifByteType gce[4] = {};
    EGifGCBToExtension(&control, gce);
    Check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, gce));
    Check(EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, nullptr));
    const int ballX = (f * 7) % (kWidth - kSprite);
    const int ballY = f * 5 % (2 * (kHeight - kSprite));
    const int top = ballY < kHeight - kSprite ? ballY : 2 * (kHeight - kSprite) - ballY;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) {
        const int dx = x - ballX - kSprite / 2;
        const int dy = y - top - kSprite / 2;
        const int d2 = dx * dx + dy * dy;
        line[x] = d2 < kSprite * kSprite / 4
                      ? static_cast<GifPixelType>(224 + d2 * 32 / (kSprite * kSprite / 4))
                      : static_cast<GifPixelType>((x / 4 + y / 3 + (x * y) % 11) % 224);
      }
      Check(EGifPutLine(gif, line.data(), kWidth));
    }
  }
  Check(EGifCloseFile(gif, &error));
  return file;
}

const std::string& GifPath() {
  static const std::string path = [] {
    const std::string name =
        (std::filesystem::temp_directory_path() / "pixmora-frames-bench.gif").string();
    const std::vector<std::uint8_t> file = BouncingBall();
    if (!WriteFileAtomically(name, std::span<const unsigned char>(file)).empty())
      throw std::runtime_error("cannot write " + name);
    return name;
  }();
  return path;
}

// What `pixmora-cli --frames all --target rgb565 [--frame-delta] -o ball.h ball.gif` does
// between reading the file and writing the header: every frame composed, one 5-6-5 table.
void GifToRgb565Table(benchmark::State& state) {
  const bool delta = state.range(0) != 0;
  const TargetSettings settings{.target = TargetKind::Rgb565};
  std::size_t dataBytes = 0;
  std::size_t textBytes = 0;
  GifPath();
  for (auto _ : state) {
    const FrameSet set = ReadGifFrames(GifPath());
    if (!set.error.empty())
      throw std::runtime_error(set.error);
    const TargetResult result =
        EncodeTargetFrames({set.frames, set.palette, settings, "ball", delta});
    CodeFiles code;
    WriteCode(result.data, settings, "FramesBench", {}, code);
    dataBytes = RawSize(result.data);
    textBytes = code.header.size();
    benchmark::DoNotOptimize(code.header.data());
  }
  state.counters["frames"] = kFrames;
  state.counters["data_bytes"] = static_cast<double>(dataBytes);
  state.counters["text_bytes"] = static_cast<double>(textBytes);
  // Whole frames: 100 x 320 x 240 x 2 bytes and the tables.
  state.counters["of_whole_frames"] =
      static_cast<double>(dataBytes) / (double(kFrames) * kWidth * kHeight * 2 + 10.0 * kFrames);
}
BENCHMARK(GifToRgb565Table)->ArgName("delta")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pixmora

BENCHMARK_MAIN();
