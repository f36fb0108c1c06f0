#pragma once

#include <span>
#include <string>
#include <string_view>

namespace pixmora {

// Writes the bytes to a temporary file in the target's folder and renames it over the target,
// so a failed write leaves the previous file whole and no half-written file behind.
// Returns an empty text on success, else the system's reason.
std::string WriteFileAtomically(const std::string& path, std::string_view bytes);
std::string WriteFileAtomically(const std::string& path, std::span<const unsigned char> bytes);

// Reads a whole file. Returns an empty text on success, else the system's reason.
std::string ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace pixmora
