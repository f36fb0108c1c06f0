#include "ui/OutputStatistics.h"

namespace pixmora {

OutputStatistics ComputeOutputStatistics(bool outputEmpty, const ConversionEngine& engine,
                                         const Preferences& preferences, bool paletteMode) {
  OutputStatistics statistics;
  if (outputEmpty)
    return statistics;

  statistics.outputCommandsEnabled = true;
  const bool words = preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
  const std::int64_t dataBytes = engine.OutputElementCount() * (words ? 2 : 1);
  statistics.lblOutputDataSize = {"Output data size: " + std::to_string(dataBytes) + " bytes",
                                  true};
  if (paletteMode) {
    const bool tableWords =
        preferences.Effective(OptionGroup::TableRepresentation) == Option::PaletteTableWord;
    const std::size_t tableBytes = engine.ColorTableData().size() * (tableWords ? 2 : 1);
    statistics.lblColorTableSize = {"Color table size: " + std::to_string(tableBytes) + " bytes",
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
