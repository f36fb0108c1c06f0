#include "cli/ManyPicturesHelp.h"

namespace pixmora::cli {

const char* ManyPicturesHelp() {
  return R"HELP(
Many pictures (pixmora-cli [OPTIONS] -o DIR IMAGE...):
  -o DIR                   with several pictures, or naming a folder (ending in / or one that
                           exists): one output per picture in DIR, named after the picture, with
                           .h (.c and .h for a pair, .bas or .inc for classic BASIC or custom)
  -j, --jobs N             convert on N threads (default: the number of processors)
  --fail-fast              start no further picture once one failed
  --depfile FILE           write a Make dependency file: the outputs depend on the pictures,
                           the settings file and the manifest (also with one picture and -o FILE)
  --list-outputs           print the files the run writes, one per line, and convert nothing
  --stats                  end with a table of every picture, its bytes and its files, and the
                           total
  A picture that fails is named with its reason; the others still run. The exit status is the
  highest of the pictures'. An output whose bytes did not change keeps its time stamp (with one
  picture too). A target's comment quotes the options that shape the bytes, a settings file by
  its name, and the picture's file name: never DIR, -j or a folder of the machine. --frames
  makes a table of each picture's frames; with --frames-files the pictures are the frames of
  one table in DIR, named after the first picture or by --name.

Manifests (pixmora-cli build MANIFEST [-o DIR] [-j N] [--fail-fast] [--stats] [--depfile FILE]
[--list-outputs]):
  A TOML file with a table [defaults] and one table [[image]] per picture. Its keys are the long
  options without "--": colors = 4096, target = "rgb565", swap-bytes = true, compress = false
  (the opposite option, --no-compress), name = "logo", settings = "Pixmora_Convert.ini"; and
    file = "icons/wifi.png"  the picture, against the manifest's folder (required)
    output = "wifi.h"        the output, against -o DIR or else the manifest's folder (default:
                             the name, else the picture's, with the extension above)
    edits = [{ rotate = "right" }, { resize = "64x64" }]
                             the edits, run in this order
    frames = "all", frames-grid = "16x16", frame-delta = true
                             a table of the picture's frames (frames-files is no key: an
                             [[image]] names one file)
  An image's own key replaces that of [defaults]; a key of [defaults] that the image's target
  does not read, or that its other keys leave no use for (frame-delta without frames), is left
  out for it. A fault names the manifest, the line and the key, and nothing is converted.
)HELP";
}

}  // namespace pixmora::cli
