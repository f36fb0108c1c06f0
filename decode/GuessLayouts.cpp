#include "decode/GuessLayouts.h"

#include "conversion/ColorModeWord.h"

namespace pixmora {

namespace {

struct Representation {
  const char* name;
  bool word;
  bool lsbFirst;
};
constexpr Representation kRepresentations[] = {
    {"byte", false, false}, {"word", true, false}, {"word-lsb", true, true}};

struct Encoding {
  const char* name;
  std::uint16_t mode;
};
constexpr Encoding kEncodings[] = {{"565", ColorModeBits::kColor65536},
                                   {"444", ColorModeBits::kColor4096},
                                   {"332", ColorModeBits::kColor256},
                                   {"mono-vertical", ColorModeBits::kMonochromeVertical},
                                   {"mono-horizontal", ColorModeBits::kMonochromeHorizontal}};

std::string FileNameOf(std::string label) {
  std::string name;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label.compare(i, 6, " --cf ") == 0) {
      name += '-';
      i += 5;
    } else if (label[i] != ' ') {
      name += label[i];
    }
  }
  return name;
}

void AddTargets(std::vector<LayoutGuess>& guesses, bool binary, int width, int height,
                const TextSyntax& syntax) {
  for (const TargetInfo& info : kTargets) {
    OutputLayout layout;
    layout.syntax = syntax;
    layout.target = TargetLayout{.target = info.kind, .width = width, .height = height};
    switch (info.kind) {
      case TargetKind::Classic:
        continue;
      case TargetKind::Lvgl9:
        // A binary file's header gives the format; a text may give it in its descriptor.
        for (const LvglFormatInfo& format : kLvglFormats) {
          layout.target->colorFormat = format.format;
          guesses.push_back({FileNameOf(TargetLabel(info.kind, format.format)), layout});
          if (binary)
            break;
        }
        continue;
      case TargetKind::Rgb565:
        guesses.push_back({info.name, layout});
        layout.target->swapBytes = true;
        guesses.push_back({std::string(info.name) + "-swap", layout});
        continue;
      default:
        guesses.push_back({info.name, layout});
    }
  }
}

}  // namespace

std::vector<LayoutGuess> GuessLayouts(bool binary, int width, int height, int tableColors,
                                      const TextSyntax& syntax) {
  std::vector<LayoutGuess> guesses;
  for (const Representation& r : kRepresentations) {
    OutputLayout layout;
    layout.syntax = syntax;
    layout.classic = {.word = r.word,
                      .lsbFirst = r.lsbFirst,
                      .includeInfo = true,
                      .tableWord = true,
                      .binaryTableColors = binary ? tableColors : 0};
    guesses.push_back({std::string("classic-info-") + r.name, layout});
  }
  if (width > 0 && height > 0) {
    for (const Representation& r : kRepresentations) {
      for (const Encoding& e : kEncodings) {
        for (const bool compressed : {false, true}) {
          OutputLayout layout;
          layout.syntax = syntax;
          layout.classic = {.word = r.word,
                            .lsbFirst = r.lsbFirst,
                            .colorModeWord = static_cast<std::uint16_t>(
                                e.mode | (compressed ? 0 : ColorModeBits::kCompressionOff)),
                            .width = width,
                            .height = height};
          guesses.push_back(
              {std::string("classic-") + e.name + "-" + r.name + (compressed ? "-compressed" : ""),
               layout});
        }
      }
    }
  }
  AddTargets(guesses, binary, width, height, syntax);
  return guesses;
}

}  // namespace pixmora
