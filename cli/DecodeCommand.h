#pragma once

#include <cstdio>
#include <span>
#include <string>

namespace pixmora::cli {

// pixmora-cli decode [--settings FILE] [LAYOUT OPTIONS] [--size WxH] [--table-colors N] [--guess]
// ARRAY-FILE -o PICTURE.png: the arguments after "decode". Returns the exit status.
int RunDecodeCommand(std::span<const std::string> arguments, std::FILE* out, std::FILE* err);

}  // namespace pixmora::cli
