// Any settings file reads without harm, and what was read writes back to the same values.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/IniFile.h"
#include "settings/SettingsFile.h"

namespace {

struct Read {
  pixmora::Preferences preferences;
  pixmora::CustomFormat custom;
  pixmora::ResizeOptions resize;
};

Read ReadAll(const pixmora::IniFile& file) {
  Read read;
  pixmora::ReadPreferences(file, read.preferences);
  pixmora::ReadCustomFormat(file, read.custom);
  read.resize = pixmora::ReadResizeOptions(file);
  return read;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  auto file =
      pixmora::IniFile::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
  const Read first = ReadAll(file);
  pixmora::WritePreferences(file, first.preferences);
  pixmora::WriteCustomFormat(file, first.custom);
  const Read again = ReadAll(pixmora::IniFile::FromText(file.Text()));
  if (!(again.preferences == first.preferences) || !(again.custom == first.custom))
    std::abort();
  return 0;
}
