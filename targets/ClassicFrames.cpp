#include "targets/ClassicFrames.h"

#include "conversion/ColorModeWord.h"
#include "targets/ArrayName.h"
#include "targets/FrameTable.h"

namespace pixmora {

namespace {

// The image information as the classic output writes it: width, height and color mode word,
// as words or high byte first.
std::vector<std::uint16_t> InfoValues(const ConversionEngine& engine, bool word, bool lsbFirst,
                                      std::uint16_t width, std::uint16_t height) {
  if (word) {
    return lsbFirst ? std::vector<std::uint16_t>{SwapBytes(width), SwapBytes(height),
                                                 engine.ColorModeWord()}
                    : std::vector<std::uint16_t>{width, height, engine.ColorModeWord()};
  }
  const std::uint16_t mode = engine.ColorModeWord();
  return {static_cast<std::uint16_t>(width >> 8),  static_cast<std::uint16_t>(width & 0xFF),
          static_cast<std::uint16_t>(height >> 8), static_cast<std::uint16_t>(height & 0xFF),
          static_cast<std::uint16_t>(mode >> 8),   static_cast<std::uint16_t>(mode & 0xFF)};
}

void Put(TargetArray& array, std::uint32_t value) {
  if (array.type == ElementType::Uint16) {
    array.words.push_back(static_cast<std::uint16_t>(value));
  } else {
    array.bytes.push_back(static_cast<std::uint8_t>(value));
  }
}

}  // namespace

TargetResult EncodeClassicFrames(const ClassicFramesInput& input, MessageBoxService& messages) {
  const Preferences& preferences = input.conversion.Preferences;
  const bool word = preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
  const bool lsbFirst = preferences.Is(Option::LSBFirst);
  const bool tableWord = preferences.Is(Option::PaletteTableWord);
  const bool info = preferences.Is(Option::IncludeInfo);
  const std::string m = MacroName(input.name);
  ConversionEngine engine;
  const PictureEncoder encode = [&](const TBitmap32& picture) -> TargetResult {
    ConversionInput conversion = input.conversion;
    conversion.WorkingImage = &picture;
    conversion.ImageWidth = static_cast<std::uint16_t>(picture.Width());
    conversion.ImageHeight = static_cast<std::uint16_t>(picture.Height());
    NullProgressSink progress;
    if (!engine.Run(conversion, progress, messages))
      return {"the conversion did not complete", {}};
    TargetData data;
    data.name = input.name;
    data.macroName = m;
    data.target = "classic";
    data.width = picture.Width();
    data.height = picture.Height();
    data.macros = {{m + "_WIDTH", std::to_string(data.width)},
                   {m + "_HEIGHT", std::to_string(data.height)}};
    TargetArray values{data.name, word ? ElementType::Uint16 : ElementType::Uint8, true, {}};
    if (info) {
      for (const std::uint16_t value :
           InfoValues(engine, word, lsbFirst, conversion.ImageWidth, conversion.ImageHeight)) {
        Put(values, value);
      }
    }
    for (const std::int32_t value : engine.OutputData())
      Put(values, static_cast<std::uint32_t>(value));
    data.arrays.push_back(std::move(values));
    data.drawCalls.push_back(std::string("pixmora_decode.h: pixmora_data d = ") +
                             (word ? "pixmora_words16((const uint16_t *)((const uint8_t *)" +
                                         data.name + " + " + data.name + "_frames[2 * i]), " +
                                         data.name + "_frames[2 * i + 1] / 2, " +
                                         (lsbFirst ? "1" : "0") + ");"
                                   : "pixmora_bytes(" + data.name + " + " + data.name +
                                         "_frames[2 * i], " + data.name + "_frames[2 * i + 1]);"));
    if (engine.HasColorTable()) {
      TargetArray table{
          "Table_" + data.name, tableWord ? ElementType::Uint16 : ElementType::Uint8, true, {}};
      for (const std::int32_t value : engine.ColorTableData())
        Put(table, static_cast<std::uint32_t>(value));
      table.length = std::to_string(table.bytes.size() + table.words.size());
      data.drawCalls.push_back("pixmora_data table = " +
                               (tableWord
                                    ? "pixmora_words16(" + table.name + ", " + table.length + ", " +
                                          (lsbFirst ? "1" : "0") + ");"
                                    : "pixmora_bytes(" + table.name + ", " + table.length + ");"));
      data.arrays.push_back(std::move(table));
    }
    data.notes = {
        std::string("Each frame is the classic output of its picture alone: ") +
        (info ? "the image information, then " : "") + "the data" +
        (preferences.Is(Option::Compression) ? ", run-length compressed on its own" : "") +
        (word ? "; 16-bit words" : "; bytes")};
    return {{}, std::move(data)};
  };
  return EncodeFrameTable({input.frames, encode, input.delta, 1});
}

}  // namespace pixmora
