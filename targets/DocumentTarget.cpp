#include "targets/DocumentTarget.h"

#include <algorithm>

#include "targets/ArrayName.h"

namespace pixmora {

TargetResult EncodeDocument(const ImageDocument& document, const TargetSettings& settings,
                            std::string_view requestedName) {
  std::span<const std::uint32_t> palette;
  if (document.HasPalette) {
    palette = std::span(document.ColorTable)
                  .first(std::min(document.ColorTable.size(),
                                  static_cast<std::size_t>(document.PaletteColorCount)));
  }
  return EncodeTarget({document.WorkingImage, palette, settings, ArrayName(requestedName)});
}

}  // namespace pixmora
