// Any manifest reads without harm: images that each name their picture, and faults that each
// name the manifest.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cli/Manifest.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const pixmora::cli::Manifest manifest =
      pixmora::cli::ParseManifest(text, "fuzz/assets.toml", "out");
  for (const std::string& error : manifest.errors) {
    if (error.rfind("fuzz/assets.toml:", 0) != 0)
      std::abort();
  }
  for (const pixmora::cli::ManifestImage& image : manifest.images) {
    if (image.file.empty())
      std::abort();
  }
  return 0;
}
