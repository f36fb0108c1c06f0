#pragma once

#include <string_view>

#include "image/ImageDocument.h"
#include "targets/TargetData.h"

namespace pixmora {

// Runs the target of `settings` on the document's working image, with the picture's palette
// when it has one; the arrays are named `requestedName` made an identifier. Both programs
// convert for a target through here.
TargetResult EncodeDocument(const ImageDocument& document, const TargetSettings& settings,
                            std::string_view requestedName);

}  // namespace pixmora
