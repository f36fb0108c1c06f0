#include "cli/Compare.h"

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
  std::fprintf(out, "%10s %10s %6s %9s  %-46s %s\n", kCompareColumns[0], kCompareColumns[1],
               kCompareColumns[2], kCompareColumns[3], kCompareColumns[4], kCompareColumns[5]);
  for (const CompareRow& row : CompareEncodings(picture, preferences)) {
    const std::array<std::string, 6> cells = CompareCells(row);
    std::fprintf(out, "%10s %10s %6s %9s  %-46s %s\n", cells[0].c_str(), cells[1].c_str(),
                 cells[2].c_str(), cells[3].c_str(), cells[4].c_str(), cells[5].c_str());
  }
}

}  // namespace pixmora::cli
