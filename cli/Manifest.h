#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora::cli {

// A key of a manifest image as command-line arguments, with where it was written.
struct ManifestOption {
  std::string key;  // "colors", or "crop" in edits
  int line = 0;
  std::vector<std::string> arguments;  // "--colors", "65536"
  bool fromDefaults = false;
};

struct ManifestImage {
  int line = 0;                       // of its [[image]] header
  std::string file;                   // resolved against the manifest's folder
  std::optional<std::string> output;  // resolved against the output folder
  int outputLine = 0;
  // [defaults] first, less the keys the image sets itself, then the image's own, each in the
  // order of the file; the edits of the image, or else those of [defaults], in their order.
  // A key of [defaults] that the image's target does not read is left out when the job is
  // planned.
  std::vector<ManifestOption> options;
};

struct Manifest {
  std::vector<ManifestImage> images;
  // "assets.toml:12: colors: expected 65536, 4096 or 256, got '100'"; every one found.
  std::vector<std::string> errors;
  bool unreadable = false;  // the file could not be read at all
};

// Reads a manifest: a table [defaults] and one table [[image]] per picture, whose keys are the
// long command-line options without "--" (true or false for a switch: compress = false is
// --no-compress), `file`, `output` and `edits`, a list of one-key tables run in order. Picture
// and settings paths resolve against the manifest's folder, outputs against outputFolder.
Manifest ReadManifest(const std::string& path, const std::string& outputFolder);

// The same for the text of a manifest read from `path`.
Manifest ParseManifest(std::string_view text, const std::string& path,
                       const std::string& outputFolder);

}  // namespace pixmora::cli
