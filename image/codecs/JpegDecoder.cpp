#include "image/codecs/JpegDecoder.h"

#include <csetjmp>
#include <cstdio>

// jpeglib.h needs FILE and size_t declared before it, jerror.h its configuration.
#include <jpeglib.h>

#include <jerror.h>

namespace pixmora {

namespace {

// Huffman codes spend at least one bit on every 8 x 8 block of the first scan, whose
// component may be subsampled four times in each direction.
constexpr std::uint64_t kMaxHuffmanPixelsPerByte = 8 * 64 * 16;
// libjpeg's whole-image buffers (progressive files) stay below this, and a file may not
// make it run more scans than this.
constexpr long kMaxWorkingMemory = 1L << 30;
constexpr int kMaxScans = 1000;

struct ErrorManager {
  jpeg_error_mgr base{};
  std::jmp_buf jump{};
  std::string message;
};

[[noreturn]] void Fail(j_common_ptr cinfo) {
  auto* errors = reinterpret_cast<ErrorManager*>(cinfo->err);
  char text[JMSG_LENGTH_MAX] = {};
  cinfo->err->format_message(cinfo, text);
  errors->message = text;
  std::longjmp(errors->jump, 1);
}

// Warnings that mean lost picture data end the decode; the others (stray bytes between
// markers, unknown revisions) do not harm the picture.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level >= 0)
    return;
  switch (cinfo->err->msg_code) {
    case JWRN_JPEG_EOF:
    case JWRN_HIT_MARKER:
    case JWRN_MUST_RESYNC:
    case JWRN_HUFF_BAD_CODE:
    case JWRN_ARITH_BAD_CODE:
    case JWRN_BOGUS_PROGRESSION:
      Fail(cinfo);
    default:
      break;
  }
}

void Silent(j_common_ptr) {}

void LimitScans(j_common_ptr cinfo) {
  auto* decompress = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (decompress->input_scan_number > kMaxScans) {
    cinfo->err->msg_code = JERR_OUT_OF_MEMORY;
    reinterpret_cast<ErrorManager*>(cinfo->err)->message = "too many scans";
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
  }
}

// Everything the error jump may leave behind lives here, outside the jumping frame.
struct JpegRead {
  std::span<const std::uint8_t> file;
  jpeg_decompress_struct cinfo{};
  ErrorManager errors;
  jpeg_progress_mgr progress{};
  std::string refusal;  // a header we do not decode
  std::vector<std::uint32_t> pixels;
  std::vector<JSAMPLE> cmykRow;

  JpegRead() {
    cinfo.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = Fail;
    errors.base.emit_message = OnMessage;
    errors.base.output_message = Silent;
    jpeg_create_decompress(&cinfo);
    progress.progress_monitor = LimitScans;
    cinfo.progress = &progress;
  }
  ~JpegRead() { jpeg_destroy_decompress(&cinfo); }
};

std::string CheckHeader(const jpeg_decompress_struct& cinfo, std::size_t fileSize) {
  if (std::string error = CheckImageSize(cinfo.image_width, cinfo.image_height); !error.empty()) {
    return error;
  }
  const std::uint64_t pixels = std::uint64_t{cinfo.image_width} * cinfo.image_height;
  if (!cinfo.arith_code && pixels / kMaxHuffmanPixelsPerByte > fileSize) {
    return "the file is too small for a picture of " + std::to_string(cinfo.image_width) + " x " +
           std::to_string(cinfo.image_height) + " pixels";
  }
  return {};
}

// Adobe's CMYK is stored inverted: each value is the amount of light left.
void CmykToPixels(const JSAMPLE* cmyk, std::uint32_t* out, JDIMENSION width) {
  for (JDIMENSION x = 0; x < width; ++x, cmyk += 4) {
    const std::uint32_t k = cmyk[3];
    const std::uint32_t r = (cmyk[0] * k + 127) / 255, g = (cmyk[1] * k + 127) / 255,
                        b = (cmyk[2] * k + 127) / 255;
    out[x] = 0xFF000000u | r << 16 | g << 8 | b;
  }
}

// Runs libjpeg; false when it failed (errors.message says why) or the header was refused.
bool ReadWithLibjpeg(JpegRead& read) {
  jpeg_decompress_struct& cinfo = read.cinfo;
  if (setjmp(read.errors.jump))
    return false;
  cinfo.mem->max_memory_to_use = kMaxWorkingMemory;
  jpeg_mem_src(&cinfo, read.file.data(), static_cast<unsigned long>(read.file.size()));
  jpeg_read_header(&cinfo, TRUE);
  read.refusal = CheckHeader(cinfo, read.file.size());
  if (!read.refusal.empty())
    return false;
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  // B, G, R, A in memory order is 0xAARRGGBB on a little-endian machine.
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_start_decompress(&cinfo);
  const JDIMENSION width = cinfo.output_width;
  read.pixels.resize(std::size_t{width} * cinfo.output_height);
  if (cmyk)
    read.cmykRow.resize(std::size_t{width} * 4);
  while (cinfo.output_scanline < cinfo.output_height) {
    std::uint32_t* out = read.pixels.data() + std::size_t{cinfo.output_scanline} * width;
    JSAMPROW row = cmyk ? read.cmykRow.data() : reinterpret_cast<JSAMPROW>(out);
    if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
      ERREXIT(&cinfo, JERR_INPUT_EMPTY);
    if (cmyk)
      CmykToPixels(read.cmykRow.data(), out, width);
  }
  return true;
}

}  // namespace

DecodeResult DecodeJpeg(std::span<const std::uint8_t> file) {
  if (file.empty())
    return DecodeResult::Failure("the file is empty");
  if (file.size() < 3 || file[0] != 0xFF || file[1] != 0xD8 || file[2] != 0xFF) {
    return DecodeResult::Failure("not a JPEG file");
  }
  JpegRead read;
  read.file = file;
  if (!ReadWithLibjpeg(read)) {
    if (!read.refusal.empty())
      return DecodeResult::Failure(read.refusal);
    if (read.errors.base.msg_code == JWRN_JPEG_EOF) {
      return DecodeResult::Failure("the JPEG data is truncated");
    }
    return DecodeResult::Failure("the JPEG data is damaged (" + read.errors.message + ")");
  }
  DecodeResult result{true, {}, {}};
  result.picture.width = static_cast<int>(read.cinfo.output_width);
  result.picture.height = static_cast<int>(read.cinfo.output_height);
  result.picture.pixels = std::move(read.pixels);
  return result;
}

}  // namespace pixmora
