#pragma once

#include <span>
#include <string>
#include <vector>

namespace pixmora::cli {

// What the comment of a target's output quotes for one picture of a batch or a manifest: the
// options that shape its bytes in the order given, a settings file by its name only, then the
// picture's file name. Output paths, -j and the other options of the run are left out, so the
// bytes are the same on any machine, in any output folder and with any number of threads.
std::vector<std::string> PictureCommandLine(std::span<const std::string> arguments,
                                            const std::string& picture);

}  // namespace pixmora::cli
