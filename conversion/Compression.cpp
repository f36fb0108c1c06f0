#include "conversion/Compression.h"

#include "conversion/RunCoder.h"

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
  const auto emit = [&](std::int32_t code) { out[emitted++] = code; };
  RunCoder<std::int32_t> coder(static_cast<std::uint32_t>(maxCount));
  // A group is coded when the value after it arrives, so the bar stands after the group.
  for (std::size_t i = 0; i < n; ++i) {
    if (coder.Put(x[i], emit) && progress.Unit(static_cast<std::int64_t>(i)))
      return false;
  }
  if (coder.Finish(emit) && progress.Unit(static_cast<std::int64_t>(n)))
    return false;
  output.resize(emitted);
  ratio = CompressionRatio(n, emitted);
  return true;
}

}  // namespace pixmora
