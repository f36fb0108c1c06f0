#include "cli/HelpText.h"

namespace pixmora::cli {

const char* HelpText() {
  return R"HELP(Usage: pixmora-cli [OPTIONS] IMAGE

Converts a BMP, JPEG, GIF, ICO or PNG picture into a data table for the graphic display of a
microcontroller: a C array, BASIC Data lines, a custom token format or raw binary. IMAGE is read
as the desktop program reads it; the edits run in command-line order; then the image is
converted and written as the desktop export writes it.

Output:
  -o, --output FILE        write the export to FILE: binary when its extension is .bin (any
                           case), else text; without -o the text goes to standard output
                           (unless --describe or --save-image is given)
  --table-output FILE      the color table file, needed in palette mode with
                           --table-placement separate
  --save-image FILE        write the image after the edits as a 32-bit BMP file
  --describe               print the file information (name, size, dimensions, animations,
                           colors, convert mode) to standard output
  --stats                  print the output data size, color table size and compression ratio
                           to standard error after the conversion
  --eol crlf|lf            line ends of the text export (default crlf)

Settings:
  --settings FILE          read the sections "Preferences" and "Custom" (and the resize filter
                           of "Resize") of a Pixmora_Convert.ini settings file
  --save-settings FILE     write the effective preferences and custom format to FILE, in the
                           same format (other sections of an existing file are kept)
  Built-in defaults, overridden by --settings, overridden by the options below.

Conversion:
  --mode color|monochrome|palette
                           image mode (default: palette when the file has a palette, else
                           color; --reduce selects palette and --threshold monochrome)
  --colors 65536|4096|256  color mode: 5-6-5, 4-4-4 or 3-3-2 (default 65536)
  --orientation vertical|horizontal
                           monochrome pages of 8 rows, or rows of 8 pixels (default vertical)
  --pixels-per-byte 1|auto palette indices per byte: always 1, or 1 to 8 by the color count
                           (default 1)
  --table byte|word        color table representation (default word)
  --table-placement header|separate|none
                           the color table in the export file, in a file of its own
                           (--table-output), or not at all (default header)
  --format c|basic|custom  C array, BASIC Data lines or the custom format (default c)
  --repr byte|word         output values as bytes or 16-bit words (default byte)
  --lsb-first, --no-lsb-first
                           words with the low byte first (default off)
  --compress, --no-compress
                           run-length compression (default off)
  --info, --no-info        image dimensions and color mode word ahead of the data (default on)
  --name NAME              base name of the arrays and labels (default: IMAGE's file name
                           without folder and extension)

Custom format (used with --format custom):
  --caption T              (default "Caption")
  --row-directive T        (default "Data")
  --open-brace T           (default "= (")
  --close-brace T          (default ")")
  --hex-notation T         (default "&h")
  --end-notation T         (default "%")
  --comma-symbol T         (default ",")
  --comment-start T        (default "//")
  --comment-end T          (default empty)
  --per-line N             data values per line, 1 to 255 (default 8)

Image:
  --frame N                load frame N (from 0) of an animated GIF (default 0)
  --rotate right|left      rotate a quarter turn
  --flip horizontal|vertical
                           mirror the image
  --crop L,T,R,B           keep the pixels from (L, T) up to but not including (R, B)
  --resize WxH             resample to W x H pixels
  --filter box|linear      the resize filter (default linear, or the settings file's)
  --threshold N            black and white at N, 0 to 16777215 (monochrome mode without
                           --threshold uses 8388607)
  --reduce 256|128|64|32|16|8
                           reduce to that many colors (octree, dithered)

  -h, --help               show this text
  --version                show the version

Exit status:
  0  success
  1  the conversion refused the image (the message is printed as "TITLE: TEXT")
  2  usage error: unknown option, bad value, palette mode without a palette, frame out of range
  3  input error: missing, unreadable or malformed image, missing settings file
  4  output error: a file cannot be written (no output file is left behind)
)HELP";
}

const char* VersionText() {
  return "pixmora-cli " PIXMORA_VERSION "\n";
}

}  // namespace pixmora::cli
