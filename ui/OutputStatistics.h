#pragma once

#include <string>

#include "conversion/ConversionEngine.h"
#include "settings/Preferences.h"

namespace pixmora {

struct StatisticsLabel {
  std::string caption;
  bool enabled = false;
};

// The " Output data " group of the statistics panel, and whether the output commands (copy,
// clear, export) are enabled. The default is the state of an empty output window.
struct OutputStatistics {
  bool outputCommandsEnabled = false;
  StatisticsLabel lblOutputDataSize{"Output data size:"};
  StatisticsLabel lblColorTableSize{"Color table size:"};
  StatisticsLabel lblCompressionRatio{"Compression ratio:"};
};

// The bytes of the last conversion's output data, and of its color table in Palette mode.
std::int64_t OutputDataBytes(const ConversionEngine& engine, const Preferences& preferences);
std::int64_t ColorTableBytes(const ConversionEngine& engine, const Preferences& preferences);

// What mmoDataOutputChange shows: the numbers come from the last conversion's results, read
// with the preferences as they stand now.
OutputStatistics ComputeOutputStatistics(bool outputEmpty, const ConversionEngine& engine,
                                         const Preferences& preferences, bool paletteMode);

// The same for a target's output: the bytes of its data as a .bin file holds them (a color map
// and an LVGL image header included); a target has no separate table and no compression.
OutputStatistics TargetOutputStatistics(std::size_t dataSize);

}  // namespace pixmora
