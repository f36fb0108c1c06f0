#include "conversion/RunTexts.h"

#include "conversion/ColorModeWord.h"
#include "conversion/FormatLines.h"
#include "conversion/ImageBaseName.h"
#include "conversion/OutputTexts.h"

namespace pixmora {

RunTexts MakeRunTexts(const ConversionInput& input, const EncodingPlan& plan,
                      std::size_t dataValues, int compressionRatio) {
  const bool includeInfo = input.Preferences.Is(Option::IncludeInfo);
  RunTexts texts;
  texts.colorModeWord = plan.colorModeWord;
  if (!plan.compression)
    texts.colorModeWord |= ColorModeBits::kCompressionOff;
  std::uint16_t width = input.ImageWidth;
  std::uint16_t height = input.ImageHeight;
  if (plan.word && plan.lsbFirst) {
    texts.colorModeWord = SwapBytes(texts.colorModeWord);
    width = SwapBytes(width);
    height = SwapBytes(height);
  }
  texts.format = MakeOutputFormat(input.Preferences, input.CustomFormat);
  texts.banner = OutputBanner(texts.format);
  if (includeInfo)
    texts.infoHeader = InfoHeader(texts.format, plan.word, width, height, texts.colorModeWord);
  texts.outputElementCount =
      static_cast<std::int64_t>(dataValues) + (includeInfo ? (plan.word ? 3 : 6) : 0);
  texts.outputHeader =
      OutputHeader(texts.format, {.includeInfo = includeInfo,
                                  .compression = plan.compression,
                                  .compressionRatio = compressionRatio,
                                  .word = plan.word,
                                  .imageBaseName = ImageBaseName(input.CurrentFileName),
                                  .outputElementCount = texts.outputElementCount,
                                  .infoHeader = texts.infoHeader});
  return texts;
}

ColorTableText MakeColorTableText(const ConversionInput& input, const OutputFormat& format,
                                  const WorkingData& tableBytes) {
  const bool tableWord = input.Preferences.Is(Option::PaletteTableWord);
  ColorTableText table;
  table.values = tableBytes;
  if (tableWord)
    CombineWords(table.values, input.Preferences.Is(Option::LSBFirst));
  table.header = ColorTableHeader(format, tableWord, ImageBaseName(input.CurrentFileName),
                                  table.values.size());
  table.format = format;
  if (table.format.Kind == OutputKind::BasicData)
    table.format.HexSuffix = std::string(tableWord ? "%" : "");
  table.digits = tableWord ? 4 : 2;
  return table;
}

bool AppendColorTableLines(const ColorTableText& table, LineList& lines, Progress& progress) {
  lines.AddText(table.header);
  return AppendFormattedLines(table.values, lines, table.digits, table.format, progress);
}

}  // namespace pixmora
