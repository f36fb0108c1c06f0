#include "targets/FramesConversion.h"

#include "image/FramePalette.h"
#include "targets/ClassicFrames.h"
#include "targets/FrameTable.h"

namespace pixmora {

TargetResult ConvertFrameSet(const FrameSet& set, const FramesConversion& c,
                             MessageBoxService& messages) {
  if (c.target.target != TargetKind::Classic)
    return EncodeTargetFrames({set.frames, set.palette, c.target, c.name, c.delta});
  SharedPalette table;
  if (c.mode == ImageMode::Palette) {
    table = FramesPalette(set.frames, set.palette, 256);
    if (!table.error.empty())
      return {table.error, {}};
  }
  ConversionInput input;
  input.ImageMode = c.mode;
  input.Preferences = c.preferences;
  input.CustomFormat = c.custom;
  input.ColorTable = table.colors;
  input.PaletteColorCount = static_cast<int>(table.colors.size());
  return EncodeClassicFrames({set.frames, input, c.name, c.delta}, messages);
}

}  // namespace pixmora
