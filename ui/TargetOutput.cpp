#include "ui/TargetOutput.h"

#include "conversion/ImageBaseName.h"
#include "platform/AtomicFile.h"
#include "targets/DocumentTarget.h"
#include "targets/Provenance.h"
#include "targets/RawBytes.h"
#include "ui/ExportFiles.h"
#include "ui/TargetExport.h"

namespace pixmora {

namespace {

constexpr std::string_view kProgram = "Pixmora_Convert";

}  // namespace

std::string TargetOutput::Convert(const ImageDocument& document, const TargetSettings& settings) {
  Release();
  TargetResult result = EncodeDocument(document, settings, ImageBaseName(document.CurrentFileName));
  if (!result.error.empty())
    return result.error;
  settings_ = settings;
  image_ = document.CurrentFileName;
  data_ = std::move(result.data);
  pair_ = WritesSourceFile(settings);
  const std::string stem = ImageBaseName(image_);
  const std::string provenance =
      Provenance(kProgram, EquivalentArguments(image_, settings, pair_ ? stem + ".c" : ""));
  WriteCode(data_, settings, provenance, pair_ ? stem + ".h" : "", code_);
  if (pair_) {
    pairText_.reserve(code_.header.size() + code_.source.size() + 2 * stem.size() + 16);
    pairText_ = "// " + stem + ".h\n";
    pairText_ += code_.header;
    pairText_ += "\n// " + stem + ".c\n";
    pairText_ += code_.source;
    code_ = CodeFiles();
  }
  return {};
}

std::size_t TargetOutput::DataSize() const {
  return RawSize(data_);
}

std::string TargetOutput::Export(const std::string& fileName) const {
  const auto files = TargetFilesFor(fileName, settings_);
  if (!files) {
    return CannotCreateFileMessage(
        fileName, data_.target + " writes a .c and a .h file: name them FILE.c, FILE.h or FILE.");
  }
  const std::string provenance =
      Provenance(kProgram, EquivalentArguments(image_, settings_, fileName));
  const auto failure =
      WriteFilesAtomically(TargetFileContents(data_, settings_, provenance, *files));
  return failure ? CannotCreateFileMessage(failure->path, failure->reason) : std::string();
}

void TargetOutput::Release() {
  data_ = TargetData();
  code_ = CodeFiles();
  pairText_ = std::string();
  pair_ = false;
}

TargetExportTypes ExportTypesOf(const TargetSettings& settings) {
  const FileFilter header{"C Header Files (*.h)", "*.h"};
  const FileFilter binary{"Binary Files (*.bin)", "*.bin"};
  if (WritesSourceFile(settings))
    return {{{"C Source and Header Files (*.c)", "*.c"}, binary}, ".c"};
  if (settings.target == TargetKind::Xbm)
    return {{{"X Bitmap Files (*.xbm)", "*.xbm"}, header, binary}, ".xbm"};
  return {{header, binary}, ".h"};
}

}  // namespace pixmora
