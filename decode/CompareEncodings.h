#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image/ImageMode.h"
#include "image/TBitmap32.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

namespace pixmora {

// One encoding of a picture, measured: what a firmware developer weighs.
struct CompareRow {
  std::string label;    // "65536 colors (5-6-5), compressed", "lvgl9 --cf I4"
  std::string options;  // the command-line options that choose it
  // What choosing the row applies: a reduction first (0: none), then the classic image mode with
  // its color, orientation and compression options, or the target.
  int reduceTo = 0;
  ImageMode mode = ImageMode::Color;
  std::vector<std::pair<Option, bool>> choices;
  TargetSettings target;         // TargetKind::Classic for the classic rows
  std::uint64_t dataBytes = 0;   // the data, an LVGL header included
  std::uint64_t tableBytes = 0;  // the color table or map beside it
  double psnr = 0;               // of the decoded output against the picture; infinite: exact

  std::uint64_t TotalBytes() const { return dataBytes + tableBytes; }
};

// Every encoding that can hold the picture, converted, decoded and measured, smallest first
// (equal sizes in the order below): the classic output's three color modes, palettes of 256,
// 16, 4 and 2 colors after a reduction, monochrome in both orientations at the default
// threshold, each without and with compression, with the other choices of `preferences`; then
// each target with the other choices of `targetChoices` (the command line: the defaults; their
// options follow the target's in the options column), index targets and LVGL's indexed formats
// after the reduction to their colors (A8 holds no color and is left out). The work is shared
// by the processor's cores.
std::vector<CompareRow> CompareEncodings(const TBitmap32& picture, const Preferences& preferences,
                                         const TargetSettings& targetChoices = {});

// The columns of the table, as --compare and the desktop's Sizes window show them.
inline constexpr std::array<const char*, 6> kCompareColumns{"bytes", "data",     "table",
                                                            "PSNR",  "encoding", "options"};
// A row's cells in those columns: "1030", "1030", "0", "42.66 dB" or "exact", the label, the
// options.
std::array<std::string, 6> CompareCells(const CompareRow& row);

// What choosing a row does to the settings: a classic row chooses the classic output and sets
// its encoding's option and the compression (a palette row also pixels per byte "auto"); a
// target row chooses its target and color format, the other target choices staying as they
// are. The reduction (`reduceTo`) and the image mode (`mode`) are the document's to apply.
void ApplyCompareRow(const CompareRow& row, Preferences& preferences, TargetSettings& target);

}  // namespace pixmora
