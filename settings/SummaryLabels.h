#pragma once

#include <array>
#include <string>

#include "settings/Preferences.h"

namespace pixmora {

// The seven preference summary labels of the statistics panel, in panel order.
struct SummaryLabels {
  static constexpr std::array<const char*, 7> kControls{
      "lblColorMode",     "lblMonochromeMode",   "lblColorTableRepresentation",
      "lblPixelsPerByte", "lblOutputDataFormat", "lblOutputDataRepresentation",
      "lblCompression"};

  std::array<std::string, 7> texts{"Color mode:",
                                   "Monochrome orientation:",
                                   "Color table representation:",
                                   "Pixels per byte (palette mode):",
                                   "Output data format:",
                                   "Output data representation:",
                                   "Compression:"};
};

// Rewrites the labels from the record; a group with no member set keeps its previous text.
void UpdateSummaryLabels(const Preferences& preferences, SummaryLabels& labels);

}  // namespace pixmora
