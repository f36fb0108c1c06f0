#include "ui/OutputStatistics.h"

#include <gtest/gtest.h>

#include "tests/ui/ConvertedImage.h"

namespace pixmora {
namespace {

using enum Option;

void ExpectBare(const StatisticsLabel& label, const char* caption) {
  EXPECT_EQ(label.caption, caption);
  EXPECT_FALSE(label.enabled);
}

TEST(OutputStatisticsTest, EmptyOutputDisablesEverything) {
  ConvertedImage run(10, 10);
  run.Set({Compression});
  run.Run();
  const auto s = ComputeOutputStatistics(true, run.engine, run.input.Preferences, true);
  EXPECT_FALSE(s.outputCommandsEnabled);
  ExpectBare(s.lblOutputDataSize, "Output data size:");
  ExpectBare(s.lblColorTableSize, "Color table size:");
  ExpectBare(s.lblCompressionRatio, "Compression ratio:");
}

TEST(OutputStatisticsTest, DataSizeCountsBytesOfTheRepresentation) {
  ConvertedImage run(10, 10);
  run.Set({IncludeInfo}, false);
  run.Run();
  auto s = ComputeOutputStatistics(false, run.engine, run.input.Preferences, false);
  EXPECT_TRUE(s.outputCommandsEnabled);
  EXPECT_EQ(s.lblOutputDataSize.caption, "Output data size: 200 bytes");
  EXPECT_TRUE(s.lblOutputDataSize.enabled);
  ExpectBare(s.lblColorTableSize, "Color table size:");
  ExpectBare(s.lblCompressionRatio, "Compression ratio:");

  run.Set({IncludeInfo});
  run.Run();
  s = ComputeOutputStatistics(false, run.engine, run.input.Preferences, false);
  EXPECT_EQ(s.lblOutputDataSize.caption, "Output data size: 206 bytes");

  run.Set({Word});
  run.Run();
  EXPECT_EQ(run.engine.OutputElementCount(), 103);
  s = ComputeOutputStatistics(false, run.engine, run.input.Preferences, false);
  EXPECT_EQ(s.lblOutputDataSize.caption, "Output data size: 206 bytes");
}

TEST(OutputStatisticsTest, ColorTableSizeInPaletteModeWhateverItsRepresentation) {
  ConvertedImage run(16, 1);
  std::vector<std::uint32_t> colors;
  for (std::uint32_t i = 0; i < 16; ++i)
    colors.push_back(i * 0x101010);
  run.UsePalette(colors);
  run.Set({PaletteSaveNo});
  run.Run();
  auto s = ComputeOutputStatistics(false, run.engine, run.input.Preferences, true);
  EXPECT_EQ(s.lblColorTableSize.caption, "Color table size: 32 bytes");
  EXPECT_TRUE(s.lblColorTableSize.enabled);

  run.Set({PaletteTableByte});
  run.Run();
  s = ComputeOutputStatistics(false, run.engine, run.input.Preferences, true);
  EXPECT_EQ(s.lblColorTableSize.caption, "Color table size: 32 bytes");
}

TEST(OutputStatisticsTest, CompressionRatioOnlyWithCompression) {
  ConvertedImage uniform(10, 10);  // 200 equal bytes become 3 values
  uniform.Set({Compression});
  uniform.Run();
  auto s = ComputeOutputStatistics(false, uniform.engine, uniform.input.Preferences, false);
  EXPECT_EQ(s.lblCompressionRatio.caption, "Compression ratio: 99%");
  EXPECT_TRUE(s.lblCompressionRatio.enabled);

  ConvertedImage pair(1, 1, MakePixel(255, 255, 255));  // FF FF grows to FF FF 0
  pair.Set({Compression});
  pair.Run();
  s = ComputeOutputStatistics(false, pair.engine, pair.input.Preferences, false);
  EXPECT_EQ(s.lblCompressionRatio.caption, "Compression ratio: -50%");

  pair.input.Preferences.Set(Compression, false);
  s = ComputeOutputStatistics(false, pair.engine, pair.input.Preferences, false);
  ExpectBare(s.lblCompressionRatio, "Compression ratio:");
}

}  // namespace
}  // namespace pixmora
