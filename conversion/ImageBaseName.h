#pragma once

#include <string>
#include <string_view>

namespace pixmora {

// The file name without its folder and without its last extension: "photo.small" for
// "/pictures/photo.small.png". Used as it is in array names and labels.
std::string ImageBaseName(std::string_view fileName);

// The file name without its folder: "photo.small.png" for "/pictures/photo.small.png".
std::string FileNameOf(std::string_view path);

}  // namespace pixmora
