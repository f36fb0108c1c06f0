#include "decode/CompareEncodings.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <functional>
#include <thread>

#include "conversion/ConversionEngine.h"
#include "decode/ClassicLayout.h"
#include "decode/DecodeRun.h"
#include "decode/PictureCompare.h"
#include "decode/TargetLayout.h"
#include "image/ImageDocument.h"
#include "image/QuantizeImage.h"
#include "image/Threshold.h"
#include "targets/Provenance.h"
#include "targets/RawBytes.h"
#include "targets/TargetData.h"
#include "ui/ExportFiles.h"

namespace pixmora {

namespace {

class SilentMessages : public MessageBoxService {
 public:
  MessageResult Show(const std::string&, const std::string&, MessageIcon, MessageButtons) override {
    return MessageResult::OK;
  }
};

// A picture as a conversion reads it, with its palette (0x00BBGGRR) when it has one.
struct Input {
  TBitmap32 picture;
  std::vector<std::uint32_t> palette;
};

Input Reduced(const TBitmap32& picture, int colors) {
  const TIndexedImage indexed = QuantizeImage(picture, std::countr_zero(unsigned(colors)));
  Input input{IndexedToBitmap(indexed), {}};
  for (const TPaletteColor& c : indexed.Palette)
    input.palette.push_back(c.R | std::uint32_t{c.G} << 8 | std::uint32_t{c.B} << 16);
  return input;
}

// A task gets the engine of the thread it runs on: the buffers of one run serve the next.
using Task = std::function<std::vector<CompareRow>(ConversionEngine&)>;

// Runs every task on the processor's cores; the rows keep the tasks' order.
std::vector<CompareRow> RunAll(const std::vector<Task>& tasks) {
  std::vector<std::vector<CompareRow>> results(tasks.size());
  std::atomic<std::size_t> next = 0;
  const auto work = [&] {
    ConversionEngine engine;
    for (std::size_t k = next++; k < tasks.size(); k = next++)
      results[k] = tasks[k](engine);
  };
  const unsigned threads = std::clamp(std::thread::hardware_concurrency(), 1u, 8u);
  std::vector<std::jthread> pool;
  for (unsigned t = 1; t < threads; ++t)
    pool.emplace_back(work);
  work();
  pool.clear();
  std::vector<CompareRow> rows;
  for (std::vector<CompareRow>& result : results)
    rows.insert(rows.end(), result.begin(), result.end());
  return rows;
}

struct ClassicChoice {
  ImageMode mode;
  Option encoding;
  std::string label;
  std::string options;
};

// Compressed or not, the data holds the same pixels: only the uncompressed data is decoded.
CompareRow ClassicRow(const TBitmap32& source, const Input& input, const ClassicChoice& choice,
                      bool compress, Preferences preferences, int reduceTo,
                      ConversionEngine& engine) {
  CompareRow row{.label = choice.label + (compress ? ", compressed" : ""),
                 .options = choice.options + (compress ? " --compress" : ""),
                 .reduceTo = reduceTo,
                 .mode = choice.mode,
                 .choices = {{choice.encoding, true}, {Option::Compression, compress}}};
  if (choice.mode == ImageMode::Palette)
    row.choices.emplace_back(Option::Palette1To8Pixel, true);
  for (const auto& [option, on] : row.choices)
    preferences.Set(option, on);
  ConversionInput in;
  in.WorkingImage = &input.picture;
  in.ImageWidth = static_cast<std::uint16_t>(input.picture.Width());
  in.ImageHeight = static_cast<std::uint16_t>(input.picture.Height());
  in.ImageMode = choice.mode;
  in.Preferences = preferences;
  in.ColorTable = input.palette;
  in.PaletteColorCount = static_cast<int>(input.palette.size());
  in.CurrentFileName = "compare.png";
  NullProgressSink progress;
  SilentMessages messages;
  engine.Run(in, progress, messages);
  const bool words = preferences.Effective(OptionGroup::DataRepresentation) == Option::Word;
  const bool tableWords =
      preferences.Effective(OptionGroup::TableRepresentation) == Option::PaletteTableWord;
  row.dataBytes = static_cast<std::uint64_t>(engine.OutputElementCount()) * (words ? 2 : 1);
  // The engine keeps the table of an earlier run; only a palette run has one of its own.
  if (engine.HasColorTable())
    row.tableBytes = engine.ColorTableData().size() * (tableWords ? 2 : 1);
  if (!compress) {
    const ExportSource exported{engine, in.ImageWidth, in.ImageHeight, preferences,
                                choice.mode == ImageMode::Palette};
    row.psnr = Psnr(DecodeClassicRun(exported).picture, source);
  }
  return row;
}

// The options of the choices beside the target and its color format that are not the defaults:
// " --dither ordered".
std::string OtherChoices(const TargetSettings& settings) {
  const std::vector<std::string> arguments = EquivalentArguments("", settings, "");
  std::string options;
  // The picture's name, then --target and its value.
  for (std::size_t k = 3; k < arguments.size(); ++k) {
    if (arguments[k] == "--cf") {
      ++k;
      continue;
    }
    options += " " + arguments[k];
  }
  return options;
}

std::vector<CompareRow> TargetRow(const TBitmap32& source, const Input& input,
                                  const TargetSettings& settings, int reduceTo) {
  const TargetResult result = EncodeTarget({input.picture, input.palette, settings, "compare"});
  if (!result.error.empty())
    return {};
  const std::string label = TargetLabel(settings.target, settings.colorFormat);
  CompareRow row{.label = label,
                 .options = (reduceTo > 0 ? "--reduce " + std::to_string(reduceTo) + " " : "") +
                            "--target " + label + OtherChoices(settings),
                 .reduceTo = reduceTo,
                 .target = settings};
  for (const TargetArray& array : result.data.arrays) {
    if (array.name.ends_with("_cmap"))
      row.tableBytes += 2 * array.words.size();
  }
  if (settings.target == TargetKind::Lvgl9 && IsLvglIndexed(settings.colorFormat))
    row.tableBytes = std::uint64_t{4} << InfoOf(settings.colorFormat).bitsPerPixel;
  row.dataBytes = RawSize(result.data) - row.tableBytes;
  row.psnr = Psnr(DecodeTargetRun(result.data, settings).picture, source);
  return {row};
}

// The colors an index target or LVGL format holds; 0 for the others.
int IndexColors(const TargetSettings& settings) {
  const int bits = TraitsOf(settings.target, settings.colorFormat).indexBits;
  return bits == 0 ? 0 : 1 << bits;
}

}  // namespace

std::vector<CompareRow> CompareEncodings(const TBitmap32& picture, const Preferences& preferences,
                                         const TargetSettings& targetChoices) {
  constexpr int kPaletteSizes[] = {256, 16, 4, 2};
  std::vector<Input> reduced(std::size(kPaletteSizes));
  std::vector<Task> tasks;
  for (std::size_t k = 0; k < reduced.size(); ++k) {
    tasks.emplace_back([&, k](ConversionEngine&) {
      reduced[k] = Reduced(picture, kPaletteSizes[k]);
      return std::vector<CompareRow>{};
    });
  }
  Input thresholded;
  tasks.emplace_back([&](ConversionEngine&) {
    ApplyThreshold(picture, kDefaultThresholdPosition, thresholded.picture);
    return std::vector<CompareRow>{};
  });
  RunAll(tasks);
  tasks.clear();

  const Input original{picture, {}};
  const auto reducedTo = [&](int colors) -> const Input& {
    for (std::size_t k = 0; k < reduced.size(); ++k) {
      if (kPaletteSizes[k] == colors)
        return reduced[k];
    }
    return original;
  };
  std::vector<std::pair<ClassicChoice, int>> classic{
      {{ImageMode::Color, Option::Color65536, "65536 colors (5-6-5)", "--colors 65536"}, 0},
      {{ImageMode::Color, Option::Color4096, "4096 colors (4-4-4)", "--colors 4096"}, 0},
      {{ImageMode::Color, Option::Color256, "256 colors (3-3-2)", "--colors 256"}, 0}};
  for (const int colors : kPaletteSizes) {
    const std::string n = std::to_string(colors);
    classic.push_back({{ImageMode::Palette, Option::Palette1To8Pixel, "palette of " + n + " colors",
                        "--reduce " + n + " --pixels-per-byte auto"},
                       colors});
  }
  classic.push_back(
      {{ImageMode::Monochrome, Option::MonochromeVertical, "monochrome, vertical orientation",
        "--mode monochrome --orientation vertical"},
       -1});
  classic.push_back(
      {{ImageMode::Monochrome, Option::MonochromeHorizontal, "monochrome, horizontal orientation",
        "--mode monochrome --orientation horizontal"},
       -1});
  for (const auto& entry : classic) {
    const int colors = entry.second;
    const Input& input = colors < 0 ? thresholded : reducedTo(colors);
    tasks.emplace_back([&, colors](ConversionEngine& engine) {
      const int reduceTo = std::max(colors, 0);
      CompareRow plain =
          ClassicRow(picture, input, entry.first, false, preferences, reduceTo, engine);
      CompareRow compressed =
          ClassicRow(picture, input, entry.first, true, preferences, reduceTo, engine);
      compressed.psnr = plain.psnr;
      return std::vector<CompareRow>{plain, compressed};
    });
  }
  std::vector<TargetSettings> targets;
  for (const TargetInfo& info : kTargets) {
    if (info.kind == TargetKind::Classic)
      continue;
    TargetSettings settings = targetChoices;
    settings.target = info.kind;
    if (info.kind != TargetKind::Lvgl9) {
      targets.push_back(settings);
      continue;
    }
    for (const LvglFormatInfo& format : kLvglFormats) {
      settings.colorFormat = format.format;
      if (format.format != LvglFormat::A8)
        targets.push_back(settings);
    }
  }
  for (const TargetSettings& settings : targets) {
    tasks.emplace_back([&](ConversionEngine&) {
      const int colors = IndexColors(settings);
      return TargetRow(picture, colors > 0 ? reducedTo(colors) : original, settings, colors);
    });
  }
  std::vector<CompareRow> rows = RunAll(tasks);
  std::stable_sort(rows.begin(), rows.end(), [](const CompareRow& a, const CompareRow& b) {
    return a.TotalBytes() < b.TotalBytes();
  });
  return rows;
}

std::array<std::string, 6> CompareCells(const CompareRow& row) {
  return {std::to_string(row.TotalBytes()),
          std::to_string(row.dataBytes),
          std::to_string(row.tableBytes),
          PsnrText(row.psnr),
          row.label,
          row.options};
}

void ApplyCompareRow(const CompareRow& row, Preferences& preferences, TargetSettings& target) {
  if (row.target.target != TargetKind::Classic) {
    target.target = row.target.target;
    target.colorFormat = row.target.colorFormat;
    return;
  }
  target.target = TargetKind::Classic;
  for (const auto& [option, on] : row.choices)
    preferences.Set(option, on);
}

}  // namespace pixmora
