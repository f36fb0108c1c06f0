#include "image/codecs/GifRecords.h"

#include "image/ImageLimits.h"

#include <algorithm>
#include <utility>

namespace pixmora {

std::string GifRecordWalk::Walk(GifScreen& screen) {
  int error = 0;
  gif_.reset(DGifOpen(&input_, ReadGifInput, &error));
  if (!gif_) {
    return error == D_GIF_ERR_NOT_GIF_FILE ? "not a GIF file"
                                           : "the GIF header is damaged (" + GifReason(error) + ")";
  }
  screen.width = gif_->SWidth;
  screen.height = gif_->SHeight;
  if (const ColorMapObject* global = gif_->SColorMap) {
    screen.hasPalette = true;
    screen.palette = GifPaletteOf(global);
    if (gif_->SBackGroundColor < global->ColorCount)
      screen.background = OpaqueGifPixel(global->Colors[gif_->SBackGroundColor]);
  }
  while (!stop_) {
    const std::size_t recordStart = input_.position;
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif_.get(), &type) == GIF_ERROR) {
      if (recordStart == input_.file.size() && images_ > 0)
        return {};
      return Damaged();
    }
    if (type == TERMINATE_RECORD_TYPE)
      return {};
    std::string problem;
    if (type == EXTENSION_RECORD_TYPE) {
      problem = ReadExtension();
    } else if (type == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif_.get()) == GIF_ERROR)
        return Damaged();
      ++images_;
      // A graphic control extension applies to the one image after it.
      problem = ReadImage(std::exchange(
          control_, GraphicsControlBlock{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR}));
    }
    if (!problem.empty())
      return problem;
  }
  return {};
}

std::string GifRecordWalk::Damaged() const {
  if (input_.position == input_.file.size())
    return "the GIF data is truncated";
  return "the GIF data is damaged (" + GifReason(gif_->Error) + ")";
}

std::string GifRecordWalk::CheckImage(std::uint64_t pixels, std::size_t bytes) const {
  const GifImageDesc& desc = gif_->Image;
  if (std::string error = CheckImageSize(desc.Width, desc.Height); !error.empty())
    return error;
  if (pixels / kGifMaxPixelsPerByte > bytes) {
    return "the file is too small for an image of " + std::to_string(desc.Width) + " x " +
           std::to_string(desc.Height) + " pixels";
  }
  return {};
}

std::string GifRecordWalk::ImageColors(std::array<std::uint32_t, 256>& colors) const {
  const ColorMapObject* map =
      gif_->Image.ColorMap != nullptr ? gif_->Image.ColorMap : gif_->SColorMap;
  if (map == nullptr || map->ColorCount <= 0)
    return "the GIF image has no color table";
  colors.fill(OpaqueGifPixel(map->Colors[0]));
  for (int i = 0; i < std::min(map->ColorCount, 256); ++i)
    colors[static_cast<std::size_t>(i)] = OpaqueGifPixel(map->Colors[i]);
  return {};
}

std::string GifRecordWalk::ReadExtension() {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif_.get(), &code, &block) == GIF_ERROR)
    return Damaged();
  GraphicsControlBlock control;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr &&
      DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
    control_ = control;
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif_.get(), &block) == GIF_ERROR)
      return Damaged();
  }
  return {};
}

}  // namespace pixmora
