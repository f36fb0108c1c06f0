#include "cli/Edits.h"

namespace pixmora::cli {

ImageMode ChooseMode(const CliOptions& o, bool hasPalette) {
  if (o.mode)
    return *o.mode;
  ImageMode mode = hasPalette ? ImageMode::Palette : ImageMode::Color;
  for (const auto& edit : o.edits) {
    if (edit.kind == EditKind::Reduce)
      mode = ImageMode::Palette;
    if (edit.kind == EditKind::Threshold)
      mode = ImageMode::Monochrome;
  }
  return mode;
}

}  // namespace pixmora::cli
