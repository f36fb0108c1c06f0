#pragma once

#include <string>

namespace pixmora {

// The file's size in bytes in decimal, or "-1" when the file cannot be found.
std::string GetFileSizeText(const std::string& fileName);

}  // namespace pixmora
