#pragma once

#include <cstdint>
#include <string>

#include "conversion/ConversionEngine.h"
#include "conversion/EncodingPlan.h"
#include "conversion/WorkingData.h"

namespace pixmora {

// The texts of a run around its data values, once the number of values and the compression
// ratio are known.
struct RunTexts {
  OutputFormat format;
  // As written: the compression bit in place, the bytes exchanged for Word with LSB first.
  std::uint16_t colorModeWord = 0;
  std::string banner;
  std::string infoHeader;
  std::string outputHeader;
  std::int64_t outputElementCount = 0;  // the values of the array, image information included
};

RunTexts MakeRunTexts(const ConversionInput& input, const EncodingPlan& plan,
                      std::size_t dataValues, int compressionRatio);

// The color table as the output holds it: its values (words with PaletteTableWord), the header
// of its lines and the format they are written in.
struct ColorTableText {
  WorkingData values;
  std::string header;
  OutputFormat format;
  int digits = 2;
};

ColorTableText MakeColorTableText(const ConversionInput& input, const OutputFormat& format,
                                  const WorkingData& tableBytes);

// Adds the table's header and lines after those `lines` holds. False when cancelled.
bool AppendColorTableLines(const ColorTableText& table, LineList& lines, Progress& progress);

}  // namespace pixmora
