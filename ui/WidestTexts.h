#pragma once

#include <string_view>

namespace pixmora {

// The widest text a label of the statistics panel or the status bar shows, by the label's name,
// which its width is made to fit; nullptr for a label whose caption is its widest text or
// whose text is shortened to fit (the file names).
const char* WidestLabelText(std::string_view name);

}  // namespace pixmora
