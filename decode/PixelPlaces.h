#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "decode/ClassicLayout.h"
#include "decode/OutputDecoder.h"
#include "decode/TargetLayout.h"

namespace pixmora {

// Where one pixel lies in a conversion's output, and what the output holds there.
struct PixelPlace {
  // The values of the output that hold the pixel, as its text writes them: bytes, or 16-bit
  // values (the classic Word representation, a target's uint16_t arrays).
  std::vector<std::uint32_t> values;
  bool words = false;
  // A pixel in some bits of one value (monochrome, packed indices and gray levels, 3-3-2 in a
  // word): its highest and lowest bit there; both -1 when it takes whole values.
  int highBit = -1;
  int lowBit = -1;
  // The pixel's own field and its width in bits: the 5-6-5, 4-4-4 or 3-3-2 color, the palette
  // index, the gray level, the bit; LVGL's bytes of a pixel as one number, the last the highest
  // (0xRRGGBB for RGB888).
  std::uint32_t field = 0;
  int fieldBits = 0;
  // The first byte of the first value, counted from the start of the output as a binary export
  // (.bin) writes it: the classic output's color table and image information and LVGL's header
  // come first.
  std::uint64_t offset = 0;
  // The first value's place in the output text: the array, in file order, and its index there.
  DataPosition text;
  // Compressed data: `values` and `field` are the pixel's; `offset` and `text` are the place of
  // the run that holds the pixel's first value (the run's first item).
  bool inRun = false;
};

// "0xF8 0x00 = 0xF800 at offset 12", "bits 7-4 of 0x3A = 0x3 at offset 9", "0xF800 in the run
// at offset 40 (element 17)": the values, the field where it says more, and the offset, with the
// value's index in its array where that differs from the offset.
std::string DescribePlace(const PixelPlace& place);

// Maps the pixels of one output, given its bytes as a binary export writes them, to their places.
class PixelPlaces {
 public:
  PixelPlaces() = default;
  // The classic output: the main file's bytes (its color table first when it is written there,
  // see ClassicLayout::binaryTableColors) and the layout they were written with, its size and
  // color mode word included.
  static PixelPlaces Classic(std::string bytes, const ClassicLayout& layout);
  // A target's raw bytes (targets/RawBytes) and its layout; LVGL's stride comes from the header.
  static PixelPlaces Target(std::string bytes, const TargetLayout& layout);

  int Width() const { return width_; }
  int Height() const { return height_; }
  // Nothing for a pixel outside the picture, or one whose bytes are not all there.
  std::optional<PixelPlace> At(int x, int y) const;

 private:
  enum class Kind { None, Classic, Target };

  // The value of the data that holds an element (an item of compressed data may stand for many).
  struct Element {
    std::uint32_t value = 0;
    std::uint64_t item = 0;  // the run's first item when compressed
  };

  std::optional<PixelPlace> ClassicAt(int x, int y) const;
  std::optional<PixelPlace> TargetAt(int x, int y) const;
  std::optional<std::uint32_t> Item(std::uint64_t item) const;
  std::optional<Element> ElementAt(std::uint64_t element) const;
  std::optional<std::uint8_t> EncodedByte(std::uint64_t byte, std::uint32_t elementValue) const;
  int ByteShift(std::uint64_t byte) const;
  void IndexRuns();

  Kind kind_ = Kind::None;
  std::string bytes_;
  int width_ = 0;
  int height_ = 0;
  // Classic.
  ClassicLayout classic_;
  ClassicEncoding encoding_ = ClassicEncoding::Color565;
  bool compressed_ = false;
  std::uint64_t lead_ = 0;        // bytes ahead of the data: the color table and the information
  std::uint64_t leadValues_ = 0;  // values of the image array ahead of the data: the information
  std::uint64_t encodedBytes_ = 0;
  std::uint64_t items_ = 0;
  // Every 256th run of compressed data: its first item and first element.
  std::vector<std::pair<std::uint64_t, std::uint64_t>> runIndex_;
  // Target.
  TargetLayout target_;
  std::vector<std::uint64_t> planeStarts_;
};

}  // namespace pixmora
