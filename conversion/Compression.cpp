#include "conversion/Compression.h"

namespace pixmora {

int CompressionRatio(std::size_t inputLength, std::size_t outputLength) {
  if (inputLength == 0)
    return 0;
  const auto input = static_cast<std::int64_t>(inputLength);
  const auto output = static_cast<std::int64_t>(outputLength);
  return static_cast<int>(100 - output * 100 / input);
}

bool CompressRuns(const WorkingData& input, WorkingData& output, std::int32_t maxCount, int& ratio,
                  Progress& progress) {
  const std::size_t n = input.size();
  const std::int32_t* x = input.data();
  progress.StartPhase("Compressing data...", static_cast<std::int64_t>(n));
  // Pairs grow the stream most: three items for two values.
  if (!progress.SizeBuffer(output, n + n / 2 + 1))
    return false;
  std::int32_t* out = output.data();
  std::size_t emitted = 0;
  std::size_t i = 0;
  while (i < n) {
    if (i + 1 < n && x[i] == x[i + 1]) {
      out[emitted++] = x[i];
      out[emitted++] = x[i];
      std::int32_t c = 0;
      ++i;
      while (i + 1 < n && x[i] == x[i + 1] && c < maxCount) {
        ++i;
        ++c;
      }
      out[emitted++] = c;
      ++i;
    } else {
      out[emitted++] = x[i];
      ++i;
    }
    if (progress.Unit(static_cast<std::int64_t>(i)))
      return false;
  }
  output.resize(emitted);
  ratio = CompressionRatio(n, emitted);
  return true;
}

}  // namespace pixmora
