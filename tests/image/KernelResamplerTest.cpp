#include "image/KernelResampler.h"

#include <gtest/gtest.h>

#include <random>

namespace pixmora {
namespace {

TBitmap32 Resampled(const TBitmap32& source, int width, int height, ResampleFilter filter) {
  TBitmap32 result(width, height);
  TKernelResampler::Resample(source, result, filter);
  return result;
}

TBitmap32 Noise(int width, int height) {
  std::mt19937 random(11);
  TBitmap32 image(width, height);
  for (auto& p : image.Pixels())
    p = random();
  return image;
}

// Left half black, right half white, all opaque.
TBitmap32 Edge(int width, int height) {
  TBitmap32 image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x)
      image.SetPixel(x, y, x < width / 2 ? 0xFF000000u : ~0u);
  }
  return image;
}

TEST(KernelResamplerTest, BoxEnlargementRepeatsEveryPixel) {
  const TBitmap32 source = Noise(10, 10);
  const TBitmap32 result = Resampled(source, 20, 20, ResampleFilter::Box);
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x)
      ASSERT_EQ(result.Pixel(x, y), source.Pixel(x / 2, y / 2));
  }
}

TEST(KernelResamplerTest, LinearEnlargementTurnsAnEdgeIntoARamp) {
  const TBitmap32 result = Resampled(Edge(10, 10), 20, 20, ResampleFilter::Linear);
  // Around the edge the weights are 64 and 192: 64 * 255 / 256 = 63.75, 192 * 255 / 256 = 191.25.
  const std::uint32_t expected[] = {0xFF000000, 0xFF3F3F3F, 0xFFBFBFBF, 0xFFFFFFFF};
  for (int y = 0; y < 20; ++y) {
    for (int i = 0; i < 4; ++i)
      EXPECT_EQ(result.Pixel(8 + i, y), expected[i]);
    EXPECT_EQ(result.Pixel(0, y), 0xFF000000u);  // the border pixel repeats outward
    EXPECT_EQ(result.Pixel(19, y), 0xFFFFFFFFu);
  }
}

TEST(KernelResamplerTest, SameSizeLeavesEveryPixel) {
  const TBitmap32 source = Noise(7, 5);
  EXPECT_EQ(Resampled(source, 7, 5, ResampleFilter::Box), source);
  EXPECT_EQ(Resampled(source, 7, 5, ResampleFilter::Linear), source);
}

TEST(KernelResamplerTest, HalvingTwoPixelsFloorsTheAverage) {
  TBitmap32 source(2, 1);
  source.Pixels() = {0x00000000u, 0xFFFFFFFFu};
  EXPECT_EQ(TKernelResampler::AxisWeights(ResampleFilter::Box, 2, 1).Of(0),
            (std::vector<TResampleWeight>{{0, 128}, {1, 128}}));
  // floor(128 * 256 * 255 / 65536) = 127 in all four bytes.
  EXPECT_EQ(Resampled(source, 1, 1, ResampleFilter::Box).Pixel(0, 0), 0x7F7F7F7Fu);
}

TEST(KernelResamplerTest, WeightsAlwaysSumTo256) {
  for (ResampleFilter filter : {ResampleFilter::Box, ResampleFilter::Linear}) {
    for (int src : {1, 2, 3, 7, 10, 64, 333}) {
      for (int dst : {1, 2, 5, 9, 10, 64, 500}) {
        const TAxisWeights weights = TKernelResampler::AxisWeights(filter, src, dst);
        for (int i = 0; i < dst; ++i) {
          int sum = 0;
          for (const TResampleWeight& w : weights.Of(i)) {
            ASSERT_GE(w.Source, 0);
            ASSERT_LT(w.Source, src);
            sum += w.Weight;
          }
          ASSERT_EQ(sum, 256) << src << " -> " << dst << " index " << i;
        }
      }
    }
  }
}

TEST(KernelResamplerTest, LargeBoxShrinkStaysInTheByteRange) {
  // 100 -> 1: a hundred weights of round(2.56) = 3; the fix-up puts -41 at position 99 div 2.
  const std::vector<TResampleWeight> weights =
      TKernelResampler::AxisWeights(ResampleFilter::Box, 100, 1).Of(0);
  ASSERT_EQ(weights.size(), 100u);
  EXPECT_EQ(weights[49].Weight, -41);
  EXPECT_EQ(weights[48].Weight, 3);
  EXPECT_EQ(weights[50].Weight, 3);

  TBitmap32 row(100, 1);
  std::fill(row.Pixels().begin(), row.Pixels().end(), 0xFFFFFFFFu);
  EXPECT_EQ(Resampled(row, 1, 1, ResampleFilter::Box).Pixel(0, 0), 0xFFFFFFFFu);
  // The sum of 297 * 255 over 256 is 295, beyond a byte: it saturates instead of wrapping.
  row.SetPixel(49, 0, 0xFF000000u);
  EXPECT_EQ(Resampled(row, 1, 1, ResampleFilter::Box).Pixel(0, 0), 0xFFFFFFFFu);
  // -41 * 255 / 256 floors to -41: it saturates at zero.
  std::fill(row.Pixels().begin(), row.Pixels().end(), 0xFF000000u);
  row.SetPixel(49, 0, 0xFFFFFFFFu);
  EXPECT_EQ(Resampled(row, 1, 1, ResampleFilter::Box).Pixel(0, 0), 0xFF000000u);
}

TEST(KernelResamplerTest, UniformAreasKeepTheirValue) {
  TBitmap32 source(37, 23);
  std::fill(source.Pixels().begin(), source.Pixels().end(), 0xC0123456u);
  for (ResampleFilter filter : {ResampleFilter::Box, ResampleFilter::Linear}) {
    const TBitmap32 result = Resampled(source, 11, 90, filter);
    for (const std::uint32_t p : result.Pixels())
      ASSERT_EQ(p, 0xC0123456u);
  }
}

}  // namespace
}  // namespace pixmora
