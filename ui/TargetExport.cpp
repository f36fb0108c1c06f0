#include "ui/TargetExport.h"

#include "conversion/ImageBaseName.h"
#include "image/ReadImageFile.h"
#include "targets/CodeWriter.h"
#include "targets/RawBytes.h"
#include "ui/ExportFiles.h"

namespace pixmora {

std::optional<TargetFiles> TargetFilesFor(const std::string& fileName,
                                          const TargetSettings& settings) {
  TargetFiles files{fileName, {}, ExportKindOf(fileName) == ExportKind::Binary};
  if (files.binary || !WritesSourceFile(settings))
    return files;
  const std::string extension = UpperExtension(fileName);
  if (!extension.empty() && extension != ".C" && extension != ".H")
    return std::nullopt;
  const std::string stem = fileName.substr(0, fileName.size() - extension.size());
  files.mainFile = stem + ".c";
  files.headerFile = stem + ".h";
  return files;
}

std::vector<std::pair<std::string, std::string>> TargetFileContents(const TargetData& data,
                                                                    const TargetSettings& settings,
                                                                    const std::string& provenance,
                                                                    const TargetFiles& files) {
  std::vector<std::pair<std::string, std::string>> contents;
  if (files.binary) {
    contents.emplace_back(files.mainFile, RawBytes(data));
    return contents;
  }
  CodeFiles code;
  WriteCode(data, settings, provenance, FileNameOf(files.headerFile), code);
  if (files.headerFile.empty()) {
    contents.emplace_back(files.mainFile, std::move(code.header));
  } else {
    contents.emplace_back(files.headerFile, std::move(code.header));
    contents.emplace_back(files.mainFile, std::move(code.source));
  }
  return contents;
}

}  // namespace pixmora
