#include "cli/HelpText.h"

#include <cctype>
#include <string>

#include "cli/ManyPicturesHelp.h"
#include "targets/TargetSettings.h"

namespace pixmora::cli {

namespace {

constexpr std::size_t kHintColumn = 27;
constexpr std::size_t kWidth = 100;

// The option in the first column, the text after it wrapped at the hint column.
void AppendOption(std::string& help, const std::string& option, const std::string& text) {
  std::string line = "  " + option;
  if (line.size() + 1 > kHintColumn) {
    help += line + "\n";
    line.clear();
  }
  line.resize(kHintColumn, ' ');
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.size();
    if (kHintColumn + end - start > kWidth) {
      end = text.rfind(' ', start + kWidth - kHintColumn);
      if (end == std::string::npos || end <= start)
        end = text.size();
    }
    line += text.substr(start, end - start);
    help += line + "\n";
    line.assign(kHintColumn, ' ');
    start = end < text.size() ? end + 1 : end;
  }
}

std::string OptionText(const TargetSettingInfo& info) {
  if (info.kind == SettingKind::Flag)
    return std::string(info.option) + ", " + info.opposite;
  if (info.kind == SettingKind::Choice && info.choices.size() <= 3) {
    std::string text = std::string(info.option) + " ";
    for (std::size_t i = 0; i < info.choices.size(); ++i) {
      if (i > 0)
        text += '|';
      text += info.choices[i];
    }
    return text;
  }
  return std::string(info.option) + " " + info.valueName;
}

std::string DefaultText(const TargetSettingInfo& info) {
  const std::string value = info.write(TargetSettings{});
  if (info.kind == SettingKind::Flag)
    return (value == "1") == (std::string(info.option).rfind("--no-", 0) == 0) ? "off" : "on";
  return value;
}

// The hint as a help line: lower case first, and the default when there is one.
std::string HelpLine(const TargetSettingInfo& info) {
  std::string line = info.hint;
  line.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(line.front())));
  if (const std::string value = DefaultText(info); !value.empty()) {
    line += " (default ";
    line += value;
    line += ')';
  }
  return line;
}

// Generated from the tables of the targets and their settings.
std::string TargetsHelp() {
  std::string help =
      "Targets (output that a display library draws unchanged: text with LF line ends, a .bin\n"
      "file of the raw bytes, or with --code c and for lvgl9 FILE.c and FILE.h named by\n"
      "-o FILE.c, FILE.h or FILE; the Conversion and Custom format options and --eol are for\n"
      "--target classic only):\n";
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    AppendOption(help, OptionText(info), HelpLine(info));
    if (info.setting == TargetSetting::Target) {
      for (const TargetInfo& target : kTargets)
        AppendOption(help, std::string("  ") + target.name, target.summary);
    }
    if (info.setting == TargetSetting::ColorFormat) {
      std::string formats;
      for (const LvglFormatInfo& format : kLvglFormats) {
        if (!formats.empty())
          formats += ", ";
        formats += format.name;
      }
      AppendOption(help, "", formats);
    }
  }
  return help + "\n";
}

std::string Help() {
  const std::string before = R"HELP(Usage: pixmora-cli [OPTIONS] IMAGE
       pixmora-cli [OPTIONS] -o DIR IMAGE...
       pixmora-cli build MANIFEST [-o DIR]
       pixmora-cli decode [OPTIONS] ARRAY-FILE -o PICTURE.png

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
  --verify                 after writing, read the output file(s) back, decode them and compare
                           every pixel with what the conversion should show; exit status 5 with
                           the first differing pixel
  --preview FILE.png       write the picture that the written bytes show on a display (5-6-5
                           widened by bit replication) as a PNG file
  --preview-scale N        enlarge the preview N times, 1 to 16 (default 1)
  --compare                print, instead of converting, every encoding of the picture after the
                           edits (color modes, palettes of 256, 16, 4 and 2 colors, monochrome,
                           each without and with compression, and the targets), smallest first,
                           with its bytes, color table bytes and PSNR against the picture

Settings:
  --settings FILE          read the sections "Preferences", "Custom" and "Target" (and the resize
                           filter of "Resize") of a Pixmora_Convert.ini settings file
  --save-settings FILE     write the effective preferences, custom format and target settings
                           to FILE, in the same format (other sections of an existing file are
                           kept); the edits and the frame options belong to the run and are not
                           saved
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

)HELP";
  const std::string after = R"HELP(Image:
  --frame N                load frame N (from 0) of an animated GIF (default 0)

Frames (one table of all frames, for the classic output or the target):
  --frames all|A-B         every frame, or frames A to B (from 0): a GIF's frames composed as a
                           viewer shows them (a delay of 0 becomes 100 ms); the edits run on
                           each frame, --reduce on all of them together
  --frames-grid WxH        cut the picture into frames of W x H, left to right, top to bottom
  --frames-files           the IMAGE files, all of one size, are the frames in order
  --frame-delta            each frame after the first holds only the rectangle that changed
  --rotate right|left      rotate a quarter turn
  --flip horizontal|vertical
                           mirror the image
  --crop L,T,R,B           keep the pixels from (L, T) up to but not including (R, B)
  --resize WxH             resample to W x H pixels
  --filter box|linear      the resize filter (default linear, or the settings file's)
  --threshold N            black and white at N, 0 to 16777215 (monochrome mode without
                           --threshold uses 8388607)
  --reduce 256|128|64|32|16|8|4|2
                           reduce to that many colors (octree, dithered)

Decoding (pixmora-cli decode [OPTIONS] ARRAY-FILE -o PICTURE.png):
  Turns a C array, BASIC Data lines, a plain list of hexadecimal values or a .bin file back into
  a picture. The layout comes from --settings, the Conversion options (--mode, --colors, ...,
  --repr, --lsb-first, --info, --format custom with its tokens) or --target with its options;
  the image information, a target's size macros or an LVGL header give the size and win.
  --size WxH               the size of data that does not carry it
  --table-colors N         the colors of the color table ahead of a .bin file's palette data
  --guess                  try the layouts that fit the data and write one picture for each,
                           named PICTURE-LAYOUT.png (picture-rgb565-swap.png, ...)
  --preview-scale N        enlarge the picture N times

  -h, --help               show this text
  --version                show the version

Exit status:
  0  success
  1  the conversion refused the image (the message is printed as "TITLE: TEXT", or for a
     target as its reason, such as too many colors for an index target)
  2  usage error: unknown option, bad value, palette mode without a palette, frame out of range,
     an option the target does not read
  3  input error: missing, unreadable or malformed image, missing settings file
  4  output error: a file cannot be written (no output file is left behind)
  5  verification failed: the written output does not decode, or shows a pixel other than
     expected (--verify, --preview)
)HELP";
  return before + TargetsHelp() + after + ManyPicturesHelp();
}

}  // namespace

const char* HelpText() {
  static const std::string text = Help();
  return text.c_str();
}

const char* VersionText() {
  return "pixmora-cli " PIXMORA_VERSION "\n";
}

}  // namespace pixmora::cli
