#include "image/ColorReduction.h"

#include <algorithm>
#include <new>

#include "image/QuantizeImage.h"

namespace pixmora {

int ReductionBits(int colors) {
  for (const TReductionCount& count : kReductionCounts) {
    if (count.Colors == colors)
      return count.Bits;
  }
  return 0;
}

std::array<bool, 6> CountItemsAfterClick(std::array<bool, 6> checked, int clicked) {
  if (std::none_of(checked.begin(), checked.end(), [](bool on) { return on; })) {
    checked[clicked] = true;
  }
  return checked;
}

std::string ReduceColors(ImageDocument& document, int bits) {
  return ReduceColorsFrom(
      document, document.ImageCropped ? document.WorkingImage : document.ColorImageCopy, bits);
}

std::string ReduceColorsFrom(ImageDocument& document, const TBitmap32& source, int bits) {
  TBitmap32 reduced;
  std::vector<std::uint32_t> colorTable;
  try {
    const TIndexedImage indexed = QuantizeImage(source, bits);
    reduced = IndexedToBitmap(indexed);
    if (!source.FullyCovered())
      reduced.SetCoverage(source.CoverageCopy(), source.BlendedOver());
    for (const TPaletteColor& c : indexed.Palette) {
      colorTable.push_back(c.R | (std::uint32_t{c.G} << 8) | (std::uint32_t{c.B} << 16));
    }
  } catch (const std::bad_alloc&) {
    return "Not enough memory to reduce the colors of an image of " +
           std::to_string(source.Width()) + " x " + std::to_string(source.Height()) + " pixels.";
  }
  // The source may be ColorImageCopy, whose size differs from a rotated or resized working
  // image; the sizes the conversion reads must follow the image it gets.
  const bool sizeChanged = reduced.Width() != document.WorkingImage.Width() ||
                           reduced.Height() != document.WorkingImage.Height();
  // A reduction of the loaded image leaves out the edits before it, as it does their result,
  // and one of a reduced image takes the place of the reduction before.
  if (&source != &document.WorkingImage)
    document.Edits.clear();
  else if (!document.Edits.empty() && document.Edits.back().kind == EditKind::Reduce)
    document.Edits.pop_back();
  document.Edits.push_back({EditKind::Reduce, "Resample Image", {1 << bits}});
  document.WorkingImage = std::move(reduced);
  document.PaletteImageCopy = document.WorkingImage;
  document.PaletteCopyEdits = document.Edits;
  DocumentView& view = document.View();
  view.ShowWorkingImage(document);
  view.ResetColorSwatches();
  document.PaletteColorCount = static_cast<std::int32_t>(colorTable.size());
  document.ColorTable = colorTable;
  document.PaletteImageColorTable = std::move(colorTable);
  document.HasPalette = true;
  view.EnablePaletteMode(true);
  document.SetImageMode(ImageMode::Palette);
  view.ResetOutputStatistics();
  document.ImageResampled = true;
  if (sizeChanged) {
    document.RefreshImageSize();
    view.ResetCropSelection(document.WorkingImage.Width(), document.WorkingImage.Height());
  }
  return {};
}

}  // namespace pixmora
