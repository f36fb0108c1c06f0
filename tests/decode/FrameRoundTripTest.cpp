// A table of frames decodes back into the frames, exactly, for every output kind: each frame
// (or each changed rectangle, drawn over the frame before) is cut out of the table by its
// offset and length and decoded by the decoder of one picture, the classic frames by
// firmware/pixmora_decode.h as a device runs it.
#include <gtest/gtest.h>

#include "decode/ClassicCase.h"
#include "decode/DecodeRun.h"
#include "decode/ExpectedPictures.h"
#include "decode/PictureCompare.h"
#include "firmware/pixmora_decode.h"
#include "image/FrameDelta.h"
#include "targets/ClassicFrames.h"
#include "targets/FrameTable.h"
#include "tests/decode/EveryTarget.h"

namespace pixmora {
namespace {

const TargetArray& ArrayNamed(const TargetData& data, const std::string& name) {
  for (const TargetArray& array : data.arrays) {
    if (array.name == name)
      return array;
  }
  throw std::runtime_error("no array " + name);
}

// The bytes of an array as a little-endian device holds them.
std::vector<std::uint8_t> MemoryOf(const TargetArray& array) {
  std::vector<std::uint8_t> bytes = array.bytes;
  for (const std::uint16_t value : array.words) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
  }
  return bytes;
}

// A frame as the table stores it: its place, and for a delta its rectangle.
struct StoredFrame {
  std::vector<std::uint8_t> bytes;  // after the rectangle of a delta
  bool delta = false;
  FrameRect rect;
};

std::vector<StoredFrame> FramesOf(const TargetData& data) {
  const std::vector<std::uint8_t> memory = MemoryOf(data.arrays[0]);
  const std::vector<std::uint32_t>& places = ArrayNamed(data, data.name + "_frames").dwords;
  const TargetArray* deltas = nullptr;
  for (const TargetArray& array : data.arrays) {
    if (array.name == data.name + "_delta")
      deltas = &array;
  }
  std::vector<StoredFrame> frames;
  for (std::size_t i = 0; i < places.size() / 2; ++i) {
    StoredFrame frame;
    auto first = memory.begin() + places[2 * i];
    const auto end = first + places[2 * i + 1];
    frame.delta = deltas != nullptr && deltas->bytes[i] == 1;
    if (frame.delta) {
      const auto at = [&](int k) { return first[2 * k] | first[2 * k + 1] << 8; };
      frame.rect = {at(0), at(1), at(2), at(3)};
      first += kDeltaHeaderBytes;
    }
    frame.bytes.assign(first, end);
    frames.push_back(std::move(frame));
  }
  return frames;
}

void Paint(TBitmap32& onto, const TBitmap32& part, FrameRect rect) {
  for (int y = 0; y < rect.height; ++y) {
    for (int x = 0; x < rect.width; ++x)
      onto.SetPixel(rect.x + x, rect.y + y, part.Pixel(x, y));
  }
}

// Frames of one size, each the one before with a random rectangle of new pixels (none at
// times), from `make`, which gives a picture of a size.
template <typename Make>
std::vector<AnimationFrame> ChangingFrames(CaseRandom& random, int width, int height, Make make) {
  std::vector<AnimationFrame> frames;
  frames.push_back({make(width, height), 10});
  for (int k = 0; k < 4; ++k) {
    TBitmap32 next = frames.back().image;
    if (!random.Chance(20)) {
      const FrameRect rect{random.Below(width), random.Below(height), 0, 0};
      const int w = 1 + random.Below(width - rect.x);
      const int h = 1 + random.Below(height - rect.y);
      const TBitmap32 part = make(w, h);
      Paint(next, part, {rect.x, rect.y, w, h});
      if (part.HasCoveragePlane() || next.HasCoveragePlane()) {
        std::vector<std::uint8_t> plane = next.CoverageCopy();
        for (int y = 0; y < h; ++y) {
          for (int x = 0; x < w; ++x) {
            plane[static_cast<std::size_t>(rect.y + y) * width + rect.x + x] =
                part.Coverage(static_cast<std::size_t>(y) * w + x);
          }
        }
        next.SetCoverage(std::move(plane), std::nullopt);
      }
    }
    frames.push_back({std::move(next), 20 * k});
  }
  return frames;
}

// The LVGL stride of a rectangle as the layout computes it for a picture of its width.
int LvglStride(const TargetSettings& s, int width) {
  const int bpp = InfoOf(s.colorFormat).bitsPerPixel;
  const int bytes = s.colorFormat == LvglFormat::RGB565A8 ? 2 * width : (width * bpp + 7) / 8;
  return (bytes + s.align - 1) / s.align * s.align;
}

TEST(FrameRoundTrip, EveryTargetWithAndWithoutDeltas) {
  std::uint32_t seed = 91000;
  for (const TargetSettings& target : EveryTarget()) {
    for (int n = 0; n < 8 && !::testing::Test::HasFailure(); ++n, ++seed) {
      CaseRandom random(seed);
      TargetSettings s = target;
      const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
      const bool delta = n % 2 == 1;
      s.mask = traits.maskable && !delta && random.Chance(50);
      s.swapBytes = traits.swappable && !s.mask && random.Chance(50);
      s.invert = traits.oneBit && random.Chance(50);
      if (s.target == TargetKind::Lvgl9)
        s.align = 1 << random.Below(3);
      // Index targets get at most their colors, over all frames together.
      std::vector<std::uint32_t> colors;
      for (int k = 0; k < (traits.indexBits > 0 ? 1 << std::min(traits.indexBits, 3) : 0); ++k)
        colors.push_back(random.Byte() | random.Byte() << 8 | random.Byte() << 16);
      const bool plane = traits.indexBits == 0 && random.Chance(50);
      const auto make = [&](int w, int h) {
        TBitmap32 picture(w, h);
        for (std::uint32_t& pixel : picture.Pixels()) {
          const std::uint32_t c = colors.empty()
                                      ? random.Byte() | random.Byte() << 8 | random.Byte() << 16
                                      : colors[random.Below(int(colors.size()))];
          pixel = 0xFF000000u | (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16;
        }
        if (plane) {
          std::vector<std::uint8_t> coverage(picture.PixelCount());
          for (std::uint8_t& a : coverage)
            a = random.Chance(70) ? 0xFF : random.Byte();
          picture.SetCoverage(std::move(coverage), std::nullopt);
        }
        return picture;
      };
      const int width = 1 + random.Below(19);
      const int height = 1 + random.Below(19);
      const std::vector<AnimationFrame> frames = ChangingFrames(random, width, height, make);
      const std::string trace = TargetLabel(s.target, s.colorFormat) + " seed " +
                                std::to_string(seed) + (delta ? " delta" : "");
      SCOPED_TRACE(trace);

      const TargetResult result = EncodeTargetFrames({frames, {}, s, "walk", delta});
      ASSERT_EQ(result.error, "");
      const TargetData& table = result.data;
      EXPECT_EQ(table.macros.front().first + " " + table.macros.front().second,
                "WALK_FRAME_COUNT 5");
      EXPECT_EQ(ArrayNamed(table, "walk_delays").words,
                (std::vector<std::uint16_t>{10, 0, 20, 40, 60}));
      const std::vector<StoredFrame> stored = FramesOf(table);
      ASSERT_EQ(stored.size(), frames.size());
      TBitmap32 shown;
      for (std::size_t i = 0; i < stored.size(); ++i) {
        const StoredFrame& frame = stored[i];
        EXPECT_EQ(frame.delta, delta && i > 0);
        TargetData one = table;
        one.arrays.resize(table.arrays.size() - (delta ? 3 : 2));
        TargetArray& data = one.arrays[0];
        data.bytes.clear();
        data.words.clear();
        if (data.type == ElementType::Uint16) {
          for (std::size_t k = 0; k + 1 < frame.bytes.size(); k += 2)
            data.words.push_back(
                static_cast<std::uint16_t>(frame.bytes[k] | frame.bytes[k + 1] << 8));
        } else {
          data.bytes = frame.bytes;
        }
        if (s.mask) {
          TargetArray& mask = one.arrays.back();
          const std::size_t each = mask.bytes.size() / frames.size();
          mask.bytes.assign(mask.bytes.begin() + i * each, mask.bytes.begin() + (i + 1) * each);
        }
        const FrameRect rect = frame.delta ? frame.rect : FrameRect{0, 0, width, height};
        if (frame.delta && rect.Empty()) {
          EXPECT_TRUE(frame.bytes.empty());
        } else {
          one.width = rect.width;
          one.height = rect.height;
          if (s.target == TargetKind::Lvgl9)
            one.lvglStride = LvglStride(s, rect.width);
          const DecodeOutcome decoded = DecodeTargetRun(one, s);
          ASSERT_TRUE(decoded.Ok()) << "frame " << i << ": " << decoded.error;
          if (frame.delta) {
            Paint(shown, decoded.picture, rect);
          } else {
            shown = decoded.picture;
          }
        }
        EXPECT_EQ(FirstDifference(shown, ExpectedTargetPicture(frames[i].image, s)), std::nullopt)
            << "frame " << i;
      }
    }
  }
}

// The classic frames through the device's decoder: every pixel it hands out lands in `shown`.
struct DeviceScreen {
  TBitmap32* shown;
  int left;
  int top;
};

void PutPixel(void* context, uint16_t x, uint16_t y, uint32_t rgb) {
  const auto* screen = static_cast<DeviceScreen*>(context);
  screen->shown->SetPixel(screen->left + x, screen->top + y, 0xFF000000u | rgb);
}

TEST(FrameRoundTrip, ClassicFramesDecodeOnTheDevice) {
  std::uint32_t seed = 93000;
  const Family families[] = {Family::Color565,
                             Family::Color444,
                             Family::Color332,
                             Family::MonochromeVertical,
                             Family::MonochromeHorizontal,
                             Family::Palette};
  for (const Family family : families) {
    for (int n = 0; n < 12 && !::testing::Test::HasFailure(); ++n, ++seed) {
      CaseRandom random(seed);
      ClassicCase c;
      c.family = family;
      c.paletteColors = family == Family::Palette ? 2 << random.Below(4) : 0;
      c.packed = random.Chance(50);
      c.word = random.Chance(50);
      c.lsbFirst = random.Chance(50);
      c.compression = random.Chance(50);
      c.tableWord = random.Chance(50);
      c.includeInfo = true;
      c.width = 1 + random.Below(17);
      c.height = 1 + random.Below(17);
      c.seed = seed;
      const bool delta = n % 2 == 1;
      SCOPED_TRACE(c.Describe() + (delta ? " delta" : ""));
      std::vector<std::uint32_t> palette;
      CaseRandom pictures(seed);
      RandomPicture(c, pictures, palette);
      const auto make = [&](int w, int h) {
        ClassicCase part = c;
        part.width = w;
        part.height = h;
        std::vector<std::uint32_t> unused;
        TBitmap32 picture = RandomPicture(part, pictures, unused);
        if (family == Family::Palette) {
          for (std::uint32_t& pixel : picture.Pixels()) {
            const std::uint32_t e = palette[pictures.Below(c.paletteColors)];
            pixel = 0xFF000000u | (e & 0xFF) << 16 | (e & 0xFF00) | e >> 16;
          }
        }
        return picture;
      };
      const std::vector<AnimationFrame> frames = ChangingFrames(random, c.width, c.height, make);

      ClassicRun run(c, Option::CArray);  // the preferences of the case
      ConversionInput conversion = run.input;
      RecordingMessageBox messages;
      const TargetResult result =
          EncodeClassicFrames({frames, conversion, "walk", delta}, messages);
      ASSERT_EQ(result.error, "");
      const TargetData& table = result.data;
      std::vector<unsigned int> tableWords;
      pixmora_data colorTable{};
      if (family == Family::Palette) {
        const TargetArray& t = ArrayNamed(table, "Table_walk");
        tableWords.assign(t.words.begin(), t.words.end());
        colorTable = c.tableWord ? pixmora_words(tableWords.data(), tableWords.size(), c.lsbFirst)
                                 : pixmora_bytes(t.bytes.data(), t.bytes.size());
      }
      TBitmap32 shown(c.width, c.height);
      const std::vector<std::uint8_t> memory = MemoryOf(table.arrays[0]);
      const std::vector<std::uint32_t>& places = ArrayNamed(table, "walk_frames").dwords;
      const std::uint8_t* deltas = delta ? ArrayNamed(table, "walk_delta").bytes.data() : nullptr;
      ASSERT_EQ(places.size(), 2 * frames.size());
      for (unsigned i = 0; i < frames.size(); ++i) {
        // As the device plays it.
        pixmora_frame frame;
        pixmora_frame_at(memory.data(), places.data(), deltas, i, static_cast<uint16_t>(c.width),
                         static_cast<uint16_t>(c.height), &frame);
        DeviceScreen screen{&shown, frame.x, frame.y};
        if (frame.width != 0) {
          std::vector<unsigned int> words;
          for (std::size_t k = 0; k + 1 < frame.size; k += 2)
            words.push_back(frame.bytes[k] | frame.bytes[k + 1] << 8);
          const pixmora_data data = c.word ? pixmora_words(words.data(), words.size(), c.lsbFirst)
                                           : pixmora_bytes(frame.bytes, frame.size);
          pixmora_info info;
          ASSERT_EQ(pixmora_decode_info(&data, &info), PIXMORA_OK) << "frame " << i;
          EXPECT_EQ(info.width, frame.width);
          EXPECT_EQ(info.height, frame.height);
          ASSERT_EQ(pixmora_decode(&data, &info, family == Family::Palette ? &colorTable : nullptr,
                                   PutPixel, &screen),
                    PIXMORA_OK)
              << "frame " << i;
        }
        EXPECT_EQ(FirstDifference(shown, ExpectedPicture(c, frames[i].image, palette)),
                  std::nullopt)
            << "frame " << i;
      }
    }
  }
}

}  // namespace
}  // namespace pixmora
