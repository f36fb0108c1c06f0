#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "image/ImageDocument.h"
#include "platform/FileDialog.h"
#include "targets/CodeWriter.h"
#include "targets/TargetData.h"

namespace pixmora {

// The last target conversion of the desktop program: the text that the output window shows and
// Copy takes, and the files that Export writes. They are what pixmora-cli writes for the same
// picture and settings, except that the comment names this program as the one that made them,
// with the pixmora-cli command line that makes the same: "Pixmora_Convert 4.0: pixmora-cli
// logo.png --target rgb565". A target that writes a .c and a .h file shows both, the .h
// first, each under a line naming it after the picture, as an export beside it would be named.
class TargetOutput {
 public:
  // Converts the document's working image for the target of `settings`, which is not Classic.
  // Returns why the target refuses the picture (and keeps nothing), or an empty text.
  std::string Convert(const ImageDocument& document, const TargetSettings& settings);

  bool Empty() const { return Text().empty(); }
  std::string_view Text() const { return pair_ ? pairText_ : code_.header; }
  // The bytes of the data, as a .bin file holds them.
  std::size_t DataSize() const;
  // What the last conversion made, and the settings it was made with.
  const TargetData& Data() const { return data_; }
  const TargetSettings& Settings() const { return settings_; }

  // Writes the export named fileName: the raw bytes, the header, or the .c and .h pair. Every
  // file is replaced whole, and a pair only when both could be written. Returns an empty text,
  // or the message that names the file that failed and why.
  std::string Export(const std::string& fileName) const;

  // Gives the memory of the conversion back.
  void Release();

 private:
  TargetSettings settings_;
  std::string image_;  // the picture's path
  TargetData data_;
  CodeFiles code_;
  bool pair_ = false;
  std::string pairText_;
};

// What the export dialog offers for a target's output: its kinds of file, the first of them
// the default, and binary files.
struct TargetExportTypes {
  std::vector<FileFilter> filters;
  std::string defaultExtension;
};
TargetExportTypes ExportTypesOf(const TargetSettings& settings);

}  // namespace pixmora
