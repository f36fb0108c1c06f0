#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "conversion/ConversionEngine.h"
#include "settings/Preferences.h"

namespace pixmora {

enum class ExportKind { Text, Binary };

// Binary exactly when the main file's extension, upper-cased, is ".BIN"; the color table file
// is always of the main file's kind.
ExportKind ExportKindOf(std::string_view mainFileName);

// What an export reads: the results of the last conversion, the image size, and the
// preferences as they stand at the moment of the export.
struct ExportSource {
  const ConversionEngine& engine;
  std::uint16_t ImageWidth = 0;
  std::uint16_t ImageHeight = 0;
  const Preferences& preferences;
  bool paletteMode = false;

  bool TableInMainFile() const;
  bool TableInOwnFile() const;
};

// Receives a file's bytes in order, in pieces.
using ByteSink = std::function<void(std::string_view)>;

inline constexpr std::string_view kCrLf = "\r\n";

// The main file: the banner, the color table lines when they belong there, two empty lines and
// the image data lines, every line ended by lineEnd; or the raw bytes of a binary export.
void WriteMainFileContent(const ExportSource& source, ExportKind kind, const ByteSink& sink,
                          std::string_view lineEnd = kCrLf);
// What a binary main file holds ahead of the image data: the color table values when the table
// belongs there, and the image information when the preferences include it.
struct BinaryLead {
  std::span<const std::int32_t> tableValues;
  bool tableInMainFile = false;
  std::uint16_t width = 0;
  std::uint16_t height = 0;
  std::uint16_t colorModeWord = 0;  // as the run holds it
  const Preferences& preferences;
};
void WriteBinaryLead(const BinaryLead& lead, const ByteSink& sink);
// The bytes of a binary color table file.
void WriteBinaryTable(std::span<const std::int32_t> tableValues, const Preferences& preferences,
                      const ByteSink& sink);

// The color table file: the banner and the color table lines, or the table's bytes.
void WriteTableFileContent(const ExportSource& source, ExportKind kind, const ByteSink& sink,
                           std::string_view lineEnd = kCrLf);

// "Cannot create file "NAME". REASON"
std::string CannotCreateFileMessage(const std::string& fileName, const std::string& reason);

// The export of the desktop program: replaces the main file, then, when the color table goes to
// a file of its own, asks tableFileName for that file's name (nothing: no table file) and
// replaces it. Every file is replaced whole or not at all. Returns an empty text on success,
// else the message naming the file that failed and why; files completed before it stay written.
std::string WriteExportFiles(const std::string& mainFileName, const ExportSource& source,
                             const std::function<std::optional<std::string>()>& tableFileName);

}  // namespace pixmora
