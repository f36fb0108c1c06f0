#include "conversion/ImageBaseName.h"

namespace pixmora {

std::string ImageBaseName(std::string_view fileName) {
  // A name from a settings file written on Windows may still use backslashes.
  const std::size_t slash = fileName.find_last_of("/\\");
  if (slash != std::string_view::npos)
    fileName.remove_prefix(slash + 1);
  const std::size_t dot = fileName.rfind('.');
  if (dot != std::string_view::npos)
    fileName = fileName.substr(0, dot);
  return std::string(fileName);
}

std::string FileNameOf(std::string_view path) {
  const std::size_t slash = path.find_last_of('/');
  return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

}  // namespace pixmora
