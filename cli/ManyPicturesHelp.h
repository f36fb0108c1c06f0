#pragma once

namespace pixmora::cli {

// The part of --help about runs of many pictures and manifests.
const char* ManyPicturesHelp();

}  // namespace pixmora::cli
