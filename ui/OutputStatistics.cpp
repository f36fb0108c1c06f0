#include "ui/OutputStatistics.h"

namespace pixmora {

std::int64_t OutputDataBytes(const ConversionEngine& engine, const Preferences& preferences) {
  const bool words = preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
  return engine.OutputElementCount() * (words ? 2 : 1);
}

std::int64_t ColorTableBytes(const ConversionEngine& engine, const Preferences& preferences) {
  const bool words =
      preferences.Effective(OptionGroup::TableRepresentation) == Option::PaletteTableWord;
  return static_cast<std::int64_t>(engine.ColorTableData().size()) * (words ? 2 : 1);
}

OutputStatistics ComputeOutputStatistics(bool outputEmpty, const ConversionEngine& engine,
                                         const Preferences& preferences, bool paletteMode) {
  OutputStatistics statistics;
  if (outputEmpty)
    return statistics;

  statistics.outputCommandsEnabled = true;
  statistics.lblOutputDataSize = {
      "Output data size: " + std::to_string(OutputDataBytes(engine, preferences)) + " bytes", true};
  if (paletteMode) {
    statistics.lblColorTableSize = {
        "Color table size: " + std::to_string(ColorTableBytes(engine, preferences)) + " bytes",
        true};
  }
  if (preferences.Is(Option::Compression)) {
    statistics.lblCompressionRatio = {
        "Compression ratio: " + std::to_string(engine.CompressionRatio()) + "%", true};
  }
  return statistics;
}

OutputStatistics TargetOutputStatistics(std::size_t dataSize) {
  OutputStatistics statistics;
  statistics.outputCommandsEnabled = true;
  statistics.lblOutputDataSize = {"Output data size: " + std::to_string(dataSize) + " bytes", true};
  return statistics;
}

}  // namespace pixmora
