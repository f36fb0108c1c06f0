#include "cli/DecodeCommand.h"

#include <charconv>
#include <optional>
#include <vector>

#include "cli/CliOptions.h"
#include "cli/ComposeSettings.h"
#include "cli/HelpText.h"
#include "cli/RunCli.h"
#include "cli/Verify.h"
#include "conversion/ColorModeWord.h"
#include "decode/GuessLayouts.h"
#include "platform/AtomicFile.h"
#include "ui/ExportFiles.h"

namespace pixmora::cli {

namespace {

int Fail(std::FILE* err, int code, const std::string& message) {
  std::fprintf(err, "%s\n", message.c_str());
  return code;
}

// The options only decode reads, taken out before the common ones are parsed.
struct DecodeOnly {
  int width = 0;
  int height = 0;
  int tableColors = 0;
  bool guess = false;
};

std::optional<int> Number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

std::string TakeDecodeOptions(std::span<const std::string> arguments, DecodeOnly& only,
                              std::vector<std::string>& rest) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    std::string name = arguments[i];
    std::optional<std::string> value;
    if (const auto equals = name.find('='); name.rfind("--", 0) == 0 && equals != name.npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (name == "--guess" && !value) {
      only.guess = true;
      continue;
    }
    if (name != "--size" && name != "--table-colors") {
      rest.push_back(arguments[i]);
      continue;
    }
    if (!value) {
      if (i + 1 == arguments.size())
        return name + ": expects a value (see --help)";
      value = arguments[++i];
    }
    if (name == "--table-colors") {
      const auto n = Number(*value, 1, 256);
      if (!n)
        return "--table-colors: expected a number from 1 to 256, got '" + *value + "'";
      only.tableColors = *n;
      continue;
    }
    const auto x = value->find('x');
    const auto w = x == value->npos ? std::nullopt : Number(value->substr(0, x), 1, 65535);
    const auto h = x == value->npos ? std::nullopt : Number(value->substr(x + 1), 1, 65535);
    if (!w || !h)
      return "--size: expected WxH (1 to 65535 each), got '" + *value + "'";
    only.width = *w;
    only.height = *h;
  }
  return {};
}

// An option of the conversion that says nothing about a layout.
std::string NotALayoutOption(const CliOptions& o) {
  if (!o.edits.empty())
    return o.edits.front().option;
  const std::pair<bool, const char*> others[] = {{o.saveImage.has_value(), "--save-image"},
                                                 {o.saveSettings.has_value(), "--save-settings"},
                                                 {o.tableOutput.has_value(), "--table-output"},
                                                 {o.describe, "--describe"},
                                                 {o.stats, "--stats"},
                                                 {o.verify, "--verify"},
                                                 {o.compare, "--compare"},
                                                 {o.preview.has_value(), "--preview"},
                                                 {o.frame.has_value(), "--frame"},
                                                 {o.name.has_value(), "--name"}};
  for (const auto& [given, name] : others) {
    if (given)
      return name;
  }
  return {};
}

// The color mode word the options name, for data without the image information.
std::uint16_t ModeWordOf(const CliOptions& o, const Preferences& p, int tableColors) {
  std::uint16_t word = p.Is(Option::Compression) ? 0 : ColorModeBits::kCompressionOff;
  switch (o.mode.value_or(ImageMode::Color)) {
    case ImageMode::Color: {
      const Option colors = p.Effective(OptionGroup::ColorMode);
      return word | (colors == Option::Color256    ? ColorModeBits::kColor256
                     : colors == Option::Color4096 ? ColorModeBits::kColor4096
                                                   : ColorModeBits::kColor65536);
    }
    case ImageMode::Monochrome:
      return word | (p.Effective(OptionGroup::Orientation) == Option::MonochromeHorizontal
                         ? ColorModeBits::kMonochromeHorizontal
                         : ColorModeBits::kMonochromeVertical);
    case ImageMode::Palette:
      break;
  }
  // --pixels-per-byte auto packs 2, 4 and 8 to 16 colors.
  std::uint16_t packing = ColorModeBits::kPalette1Pixel;
  if (p.Effective(OptionGroup::PixelsPerByte) == Option::Palette1To8Pixel) {
    if (tableColors == 2) {
      packing = ColorModeBits::kPalette8Pixels;
    } else if (tableColors == 4) {
      packing = ColorModeBits::kPalette4Pixels;
    } else if (tableColors >= 8 && tableColors <= 16) {
      packing = ColorModeBits::kPalette2Pixels;
    }
  }
  return word | packing | PaletteSizeCode(tableColors);
}

// The colors of the table a text holds ahead of the data.
int TableColorsOf(std::string_view text, const TextSyntax& syntax, bool tableWord) {
  const ArrayText read = ReadArrayText(text, syntax);
  if (read.arrays.size() != 2)
    return 0;
  const std::size_t values = read.arrays.front().values.size();
  return static_cast<int>(tableWord ? values : values / 2);
}

OutputLayout LayoutOf(const CliOptions& o, const Settings& s, const DecodeOnly& only, bool binary,
                      std::string_view text, const TextSyntax& syntax) {
  OutputLayout layout;
  layout.syntax = syntax;
  if (s.target.target != TargetKind::Classic) {
    layout.target = TargetLayoutOf(s.target, only.width, only.height);
    return layout;
  }
  const Preferences& p = s.preferences;
  const bool word = p.Effective(OptionGroup::DataRepresentation) == Option::Word;
  const bool tableWord = p.Effective(OptionGroup::TableRepresentation) == Option::PaletteTableWord;
  int tableColors = only.tableColors;
  const bool palette = o.mode == ImageMode::Palette;
  if (palette && tableColors == 0 && !binary && !p.Is(Option::IncludeInfo))
    tableColors = TableColorsOf(text, syntax, tableWord);
  layout.classic = {.word = word,
                    .lsbFirst = p.Is(Option::LSBFirst),
                    .includeInfo = p.Is(Option::IncludeInfo),
                    .tableWord = tableWord,
                    .colorModeWord = ModeWordOf(o, p, tableColors),
                    .width = only.width,
                    .height = only.height,
                    .binaryTableColors = binary ? tableColors : 0};
  return layout;
}

// picture.png and "rgb565" give picture-rgb565.png.
std::string GuessFileName(const std::string& output, const std::string& name) {
  const auto slash = output.find_last_of('/');
  const auto dot = output.find_last_of('.');
  const bool hasExtension = dot != output.npos && (slash == output.npos || dot > slash);
  const std::string stem = hasExtension ? output.substr(0, dot) : output;
  return stem + "-" + name + (hasExtension ? output.substr(dot) : ".png");
}

int Guess(const CliOptions& o, const DecodeOnly& only, bool binary, const WrittenFile& file,
          const TextSyntax& syntax, std::FILE* out, std::FILE* err) {
  const std::vector<LayoutGuess> guesses =
      GuessLayouts(binary, only.width, only.height, only.tableColors, syntax);
  int fitting = 0;
  for (const LayoutGuess& guess : guesses) {
    const DecodeOutcome shown = DecodeWritten(guess.layout, binary, file);
    if (!shown.Ok())
      continue;
    const std::string path = GuessFileName(*o.output, guess.name);
    if (std::string error = WritePreview(path, shown.picture, o.previewScale); !error.empty())
      return Fail(err, kOutputError, error);
    std::fprintf(out, "%s: %d x %d -> %s\n", guess.name.c_str(), shown.picture.Width(),
                 shown.picture.Height(), path.c_str());
    ++fitting;
  }
  if (fitting == 0) {
    return Fail(
        err, kInputError,
        o.image + ": no layout fits the data (" + std::to_string(guesses.size()) + " tried" +
            (only.width == 0 ? "; --size WxH lets layouts without a size be tried" : "") + ")");
  }
  return kSuccess;
}

}  // namespace

int RunDecodeCommand(std::span<const std::string> arguments, std::FILE* out, std::FILE* err) {
  DecodeOnly only;
  std::vector<std::string> rest;
  if (std::string error = TakeDecodeOptions(arguments, only, rest); !error.empty())
    return Fail(err, kUsageError, "decode: " + error);
  const ParseResult parsed = ParseCommandLine(rest);
  if (!parsed.error.empty())
    return Fail(err, kUsageError, "decode: " + parsed.error);
  const CliOptions& o = parsed.options;
  if (o.help) {
    std::fputs(HelpText(), out);
    return kSuccess;
  }
  if (const std::string option = NotALayoutOption(o); !option.empty())
    return Fail(err, kUsageError, "decode: " + option + " does not apply to decoding");
  if (!o.output)
    return Fail(err, kUsageError, "decode: expected -o PICTURE.png for the decoded picture");
  Settings settings;
  if (std::string error = ComposeSettings(o, settings); !error.empty())
    return Fail(err, kInputError, error);

  std::string bytes;
  if (std::string reason = ReadWholeFile(o.image, bytes); !reason.empty())
    return Fail(err, kInputError, o.image + ": " + reason);
  const bool binary = ExportKindOf(o.image) == ExportKind::Binary;
  TextSyntax syntax{DetectArraySyntax(bytes)};
  if (settings.preferences.Effective(OptionGroup::OutputFormat) == Option::Custom)
    syntax = {ArraySyntax::Custom, MakeOutputFormat(settings.preferences, settings.custom)};
  const WrittenFile file{o.image, bytes};
  if (only.guess)
    return Guess(o, only, binary, file, syntax, out, err);

  const OutputLayout layout = LayoutOf(o, settings, only, binary, bytes, syntax);
  const DecodeOutcome shown = DecodeWritten(layout, binary, file);
  if (!shown.Ok())
    return Fail(err, kInputError, shown.error);
  if (std::string error = WritePreview(*o.output, shown.picture, o.previewScale); !error.empty())
    return Fail(err, kOutputError, error);
  return kSuccess;
}

}  // namespace pixmora::cli
