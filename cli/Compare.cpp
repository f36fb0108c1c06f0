#include "cli/Compare.h"

#include <cmath>

#include "decode/CompareEncodings.h"
#include "platform/KeepFreedMemory.h"

namespace pixmora::cli {

std::string CheckCompareOptions(const CliOptions& o) {
  if (!o.compare)
    return {};
  const std::pair<bool, const char*> others[] = {{o.output.has_value(), "-o"},
                                                 {o.verify, "--verify"},
                                                 {o.preview.has_value(), "--preview"},
                                                 {o.saveImage.has_value(), "--save-image"},
                                                 {o.describe, "--describe"},
                                                 {o.stats, "--stats"},
                                                 {!o.targetChoices.empty(), "the target options"}};
  for (const auto& [given, name] : others) {
    if (given) {
      return std::string(
                 "--compare: prints a table of every encoding instead of converting; "
                 "it does not go with ") +
             name;
    }
  }
  return {};
}

void PrintComparison(const TBitmap32& picture, const Preferences& preferences, std::FILE* out) {
  KeepFreedMemory();
  std::fprintf(out, "%10s %10s %6s %9s  %-46s %s\n", "bytes", "data", "table", "PSNR", "encoding",
               "options");
  for (const CompareRow& row : CompareEncodings(picture, preferences)) {
    char psnr[32];
    if (std::isinf(row.psnr)) {
      std::snprintf(psnr, sizeof psnr, "exact");
    } else {
      std::snprintf(psnr, sizeof psnr, "%.2f dB", row.psnr);
    }
    std::fprintf(out, "%10llu %10llu %6llu %9s  %-46s %s\n",
                 static_cast<unsigned long long>(row.TotalBytes()),
                 static_cast<unsigned long long>(row.dataBytes),
                 static_cast<unsigned long long>(row.tableBytes), psnr, row.label.c_str(),
                 row.options.c_str());
  }
}

}  // namespace pixmora::cli
