#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace pixmora {

// The windows speak QString; the core speaks Windows-1252 bytes.
QString FromCp1252(std::string_view bytes);
// Characters outside the code page become '?'.
std::string ToCp1252(const QString& text);

// Native file paths are bytes in the locale's encoding.
QString FromNativePath(const std::string& path);
std::string ToNativePath(const QString& path);

}  // namespace pixmora
