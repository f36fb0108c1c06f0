#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "decode/ArrayText.h"
#include "decode/OutputDecoder.h"

namespace pixmora {

// The pixels an output file shows. On failure the error names the file, the place (line of
// the text, byte of a binary file) and the fault: Cannot decode "logo.h": line 57: ...
DecodeOutcome DecodeOutputText(std::string_view fileName, std::string_view text,
                               const TextSyntax& syntax, const OutputDecoder& decoder);
DecodeOutcome DecodeOutputBinary(std::string_view fileName, std::span<const std::uint8_t> bytes,
                                 const OutputDecoder& decoder);

}  // namespace pixmora
