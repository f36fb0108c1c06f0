#include "image/ReadImageFile.h"

#include <algorithm>
#include <cctype>
#include <exception>
#include <new>
#include <span>

#include "image/codecs/BmpDecoder.h"
#include "image/codecs/GifDecoder.h"
#include "image/codecs/IconDecoder.h"
#include "image/codecs/JpegDecoder.h"
#include "image/codecs/PngDecoder.h"
#include "platform/AtomicFile.h"

namespace pixmora {

namespace {

constexpr std::size_t kMaxPaletteEntries = 256;

DecodeResult Decode(const std::string& extension, std::span<const std::uint8_t> bytes,
                    int frameIndex, DecodeObserver* observer) {
  if (extension == ".JPG" || extension == ".JPEG")
    return DecodeJpeg(bytes);
  if (extension == ".ICO")
    return DecodeIcon(bytes);
  if (extension == ".PNG")
    return DecodePng(bytes, 0x000000, observer);
  if (extension == ".GIF")
    return DecodeGif(bytes, frameIndex);
  return DecodeBmp(bytes);
}

// The decoders promise a checked size and a matching buffer; the working image is only ever
// built from a picture that keeps that promise.
std::string CheckPicture(const DecodedPicture& picture) {
  std::string reason = CheckImageSize(picture.width, picture.height);
  if (reason.empty() && picture.pixels.size() != static_cast<std::size_t>(picture.width) *
                                                     static_cast<std::size_t>(picture.height)) {
    reason = "the decoded pixels do not match the image size";
  }
  return reason;
}

ImageFileRead Failure(const std::string& fileName, const std::string& reason) {
  ImageFileRead read;
  read.error = "Cannot read \"" + fileName + "\": " + reason;
  return read;
}

}  // namespace

void CopyStaging(DecodedPicture& staging, TBitmap32& image) {
  if (staging.keepsAlpha) {
    image.SetSize(staging.width, staging.height);
    image.Pixels() = std::move(staging.pixels);
  } else {
    image.AssignOpaque(staging.width, staging.height, std::move(staging.pixels));
  }
  image.SetCoverage(std::move(staging.coverage), staging.blendedOver);
}

std::string UpperExtension(const std::string& fileName) {
  const auto slash = fileName.find_last_of('/');
  const auto dot = fileName.find_last_of('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
    return {};
  std::string extension = fileName.substr(dot);
  for (char& c : extension)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return extension;
}

void ImageFileRead::FillColorTable(std::vector<std::uint32_t>& colorTable) const {
  if (!paletteEntries.empty())
    colorTable = paletteEntries;
}

void ImageFileRead::TakePalette(bool filePalette, std::span<const std::uint32_t> palette) {
  hasPalette = filePalette;
  if (!hasPalette)
    return;
  const std::size_t count = std::min(palette.size(), kMaxPaletteEntries);
  paletteEntries.assign(palette.begin(), palette.begin() + count);
  paletteColorCount = static_cast<int>(count);
}

ImageFileRead ReadImageFile(const std::string& fileName, int frameIndex, DecodeObserver* observer) {
  try {
    std::string bytes;
    if (std::string reason = ReadWholeFile(fileName, bytes); !reason.empty()) {
      return Failure(fileName, reason);
    }
    DecodeResult decoded =
        Decode(UpperExtension(fileName),
               std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()),
               frameIndex, observer);
    if (!decoded.ok)
      return Failure(fileName, decoded.error);
    if (std::string reason = CheckPicture(decoded.picture); !reason.empty()) {
      return Failure(fileName, reason);
    }

    ImageFileRead read;
    read.ok = true;
    read.TakePalette(decoded.picture.hasPalette, decoded.picture.palette);
    if (decoded.picture.frameCount >= 2) {
      read.isAnimated = true;
      read.frameCount = decoded.picture.frameCount;
    }
    read.staging = std::move(decoded.picture);
    return read;
  } catch (const std::bad_alloc&) {
    return Failure(fileName, "not enough memory");
  } catch (const std::exception& error) {
    return Failure(fileName, error.what());
  }
}

}  // namespace pixmora
