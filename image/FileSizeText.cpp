#include "image/FileSizeText.h"

#include <sys/stat.h>

namespace pixmora {

std::string GetFileSizeText(const std::string& fileName) {
  struct stat info {};
  if (stat(fileName.c_str(), &info) != 0)
    return "-1";
  return std::to_string(static_cast<long long>(info.st_size));
}

}  // namespace pixmora
