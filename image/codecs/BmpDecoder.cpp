#include "image/codecs/BmpDecoder.h"

#include "image/codecs/DibDecoder.h"
#include "image/codecs/LittleEndian.h"

namespace pixmora {

namespace {
constexpr std::size_t kFileHeaderSize = 14;
}

DecodeResult DecodeBmp(std::span<const std::uint8_t> file) {
  if (file.empty())
    return DecodeResult::Failure("the file is empty");
  if (file.size() < 2 || file[0] != 'B' || file[1] != 'M') {
    return DecodeResult::Failure("not a BMP file");
  }
  if (file.size() < kFileHeaderSize)
    return DecodeResult::Failure("the file header is truncated");
  DibHeader header;
  if (std::string error = ParseDibHeader(file, kFileHeaderSize, header); !error.empty()) {
    return DecodeResult::Failure(error);
  }
  return DecodeDibPixels(file, header, ReadU32(file, 10));
}

}  // namespace pixmora
