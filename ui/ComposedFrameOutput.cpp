#include "ui/ComposedFrameOutput.h"

#include "conversion/ConversionEngine.h"
#include "image/ConsoleDocumentView.h"
#include "image/FramePalette.h"
#include "image/Frames.h"
#include "image/ReadImageFile.h"
#include "ui/FramesExport.h"

namespace pixmora {

namespace {

ShownOutput ClassicOutput(const FrameSet& set, ImageMode mode, const Preferences& preferences,
                          const CustomFormat& custom) {
  const TBitmap32& frame = set.frames.front().image;
  SharedPalette table;
  if (mode == ImageMode::Palette) {
    table = FramesPalette(set.frames, set.palette, 256);
    if (!table.error.empty())
      return {};
  }
  ConversionInput input;
  input.WorkingImage = &frame;
  input.ImageWidth = static_cast<std::uint16_t>(frame.Width());
  input.ImageHeight = static_cast<std::uint16_t>(frame.Height());
  input.ImageMode = mode;
  input.Preferences = preferences;
  input.CustomFormat = custom;
  input.ColorTable = table.colors;
  input.PaletteColorCount = static_cast<int>(table.colors.size());
  ConversionEngine engine;
  NullProgressSink progress;
  // A preview asks nothing: a refused conversion shows no output.
  ConsoleMessages messages;
  if (!engine.Run(input, progress, messages))
    return {};
  return ShownOutput::OfClassicRun(
      {engine, input.ImageWidth, input.ImageHeight, preferences, engine.HasColorTable()}, frame);
}

}  // namespace

ShownOutput ComposedFrameOutput(const ImageDocument& document, const Preferences& preferences,
                                const CustomFormat& custom, const TargetSettings& target) {
  if (UpperExtension(document.CurrentFileName) != ".GIF")
    return {};
  FrameSet set;
  set.frames.push_back(
      {ComposedGifFrame(document.CurrentFileName, document.FrameIndex, set.error), 0});
  if (!set.error.empty() || !EditLikeDocument(set, document).empty())
    return {};
  const TBitmap32& frame = set.frames.front().image;
  if (target.target == TargetKind::Classic)
    return ClassicOutput(set, document.ImageMode, preferences, custom);
  const TargetResult result = EncodeTarget({frame, set.palette, target, "frame"});
  if (!result.error.empty())
    return {};
  return ShownOutput::OfTargetRun(result.data, target, frame);
}

}  // namespace pixmora
