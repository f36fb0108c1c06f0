// decode(encode(picture)) is the picture as the target's pixel rule quantizes it, for random
// pictures with transparency and every target with the choices it reads, through its text (a
// header or a .c/.h pair, the size read from the text) and its .bin file.
#include <gtest/gtest.h>

#include "decode/ClassicCase.h"
#include "decode/DecodeWritten.h"
#include "decode/ExpectedPictures.h"
#include "decode/PictureCompare.h"
#include "targets/CodeWriter.h"
#include "targets/RawBytes.h"
#include "targets/TargetData.h"
#include "tests/decode/EveryTarget.h"

namespace pixmora {
namespace {

// The choices the target reads, at random.
TargetSettings RandomChoices(TargetSettings s, CaseRandom& random) {
  const TargetTraits traits = TraitsOf(s.target, s.colorFormat);
  s.swapBytes = traits.swappable && random.Chance(50);
  s.mask = traits.maskable && random.Chance(50);
  if (s.target == TargetKind::Rgb565 && s.swapBytes)
    s.mask = false;  // the masked draw call reads native values
  if (traits.oneBit) {
    s.invert = random.Chance(50);
    s.lumaThreshold = random.Below(257);
  }
  if (traits.losesDepth)
    s.dither = static_cast<Dither>(random.Below(3));
  if (traits.blends && random.Chance(30))
    s.background = static_cast<std::uint32_t>(random.Byte()) * 0x010101u ^ random.Byte();
  if (s.target == TargetKind::Lvgl9)
    s.align = 1 << random.Below(4);
  s.code = random.Chance(50) ? CodeStyle::C : CodeStyle::Header;
  s.progmem = random.Chance(80);
  return s;
}

// Odd sizes from 1 x 1; transparency in the alpha bytes or in a plane of its own; index targets
// get at most their colors, with or without the picture's palette.
struct Picture {
  TBitmap32 image;
  std::vector<std::uint32_t> palette;
};

Picture RandomPicture(const TargetSettings& s, CaseRandom& random) {
  Picture p;
  const int width = 1 + random.Below(random.Chance(20) ? 3 : 23);
  const int height = 1 + random.Below(random.Chance(20) ? 3 : 23);
  p.image.SetSize(width, height);
  const int bits = TraitsOf(s.target, s.colorFormat).indexBits;
  std::vector<std::uint32_t> colors;
  if (bits > 0) {
    for (int k = 1 + random.Below(std::min(1 << bits, 40)); k > 0; --k)
      colors.push_back(random.Byte() | random.Byte() << 8 | random.Byte() << 16);
    if (random.Chance(50))
      p.palette = colors;
  }
  const bool plane = random.Chance(30);
  const bool opaque = random.Chance(30);
  for (std::uint32_t& pixel : p.image.Pixels()) {
    const std::uint32_t alpha = opaque || plane ? 0xFFu : random.Chance(60) ? 0xFFu : random.Byte();
    if (bits > 0) {
      const std::uint32_t c = colors[random.Below(static_cast<int>(colors.size()))];
      pixel = alpha << 24 | (c & 0xFF) << 16 | (c & 0xFF00) | c >> 16;
    } else {
      pixel = alpha << 24 | random.Byte() << 16 | random.Byte() << 8 | random.Byte();
    }
  }
  if (plane) {
    std::vector<std::uint8_t> coverage(p.image.PixelCount());
    for (std::uint8_t& a : coverage)
      a = random.Chance(50) ? 0xFF : random.Byte();
    p.image.SetCoverage(std::move(coverage),
                        random.Chance(50) ? std::optional<std::uint32_t>(0) : std::nullopt);
  }
  return p;
}

class TargetRoundTrip : public ::testing::Test {
 protected:
  void Check(const TargetSettings& s, const Picture& p, const std::string& trace) {
    SCOPED_TRACE(trace);
    const TargetResult result = EncodeTarget({p.image, p.palette, s, "case"});
    ASSERT_EQ(result.error, "");
    const TBitmap32 expected = ExpectedTargetPicture(p.image, s);

    // The text names its own size (and LVGL's format); the layout leaves them open.
    OutputLayout fromText;
    fromText.target = TargetLayoutOf(s, 0, 0);
    fromText.target->colorFormat = LvglFormat::RGB565;
    CodeFiles code;
    WriteCode(result.data, s, "pixmora-cli test", "case.h", code);
    const WrittenFile header{"case.h", code.header};
    const WrittenFile source{"case.c", code.source};
    const DecodeOutcome text = code.source.empty()
                                   ? DecodeWritten(fromText, false, header)
                                   : DecodeWritten(fromText, false, source, &header);
    ASSERT_TRUE(text.Ok()) << text.error << "\n" << code.header << code.source;
    EXPECT_EQ(FirstDifference(text.picture, expected), std::nullopt);

    OutputLayout given;
    given.target = TargetLayoutOf(s, p.image.Width(), p.image.Height());
    const std::string bytes = RawBytes(result.data);
    const DecodeOutcome binary = DecodeWritten(given, true, {"case.bin", bytes});
    ASSERT_TRUE(binary.Ok()) << binary.error;
    EXPECT_EQ(FirstDifference(binary.picture, expected), std::nullopt);
    files_ += 2;
  }

  int files_ = 0;
};

TEST_F(TargetRoundTrip, EveryTargetWithItsChoices) {
  std::uint32_t seed = 70000;
  for (const TargetSettings& target : EveryTarget()) {
    for (int n = 0; n < 50 && !HasFailure(); ++n, ++seed) {
      CaseRandom random(seed);
      const TargetSettings s = RandomChoices(target, random);
      Check(s, RandomPicture(s, random),
            TargetLabel(s.target, s.colorFormat) + " seed " + std::to_string(seed));
    }
  }
  EXPECT_EQ(files_, 22 * 50 * 2);
}

// Wide rows put both bytes of the sizes and LVGL strides to work.
TEST_F(TargetRoundTrip, WideAndTallPictures) {
  std::uint32_t seed = 80000;
  for (const TargetSettings& target : EveryTarget()) {
    CaseRandom random(seed++);
    const TargetSettings s = RandomChoices(target, random);
    Picture p = RandomPicture(s, random);
    TBitmap32 wide(260 + random.Below(40), 1 + random.Below(3));
    for (std::size_t i = 0; i < wide.PixelCount(); ++i)
      wide.Pixels()[i] = p.image.Pixels()[i % p.image.PixelCount()];
    p.image = wide;
    Check(s, p, TargetLabel(s.target, s.colorFormat) + " wide");
  }
}

}  // namespace
}  // namespace pixmora
