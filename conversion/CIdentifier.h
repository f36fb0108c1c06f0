#pragma once

#include <string>
#include <string_view>

namespace pixmora {

// A name that a C compiler accepts: every byte that cannot stand in an identifier becomes "_",
// and a leading digit (or an empty name) gets a "_" in front. "photo-128x64" gives
// "photo_128x64", "8x8" gives "_8x8"; a name that already is an identifier stays as it is.
std::string CIdentifier(std::string_view name);

}  // namespace pixmora
