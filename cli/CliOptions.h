#pragma once

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "image/EditSteps.h"
#include "image/ImageMode.h"
#include "image/KernelResampler.h"
#include "settings/CustomFormat.h"
#include "settings/Preferences.h"
#include "targets/TargetSettings.h"

namespace pixmora::cli {

enum class LineEnd { CrLf, Lf };

// A target setting as the command line gave it, its value already checked.
struct TargetChoice {
  TargetSetting setting;
  std::string option;  // as typed, for messages
  std::string value;   // as the settings file writes it
};

// --frames: frames first to last, from 0; last -1 is the last frame.
struct FrameRange {
  int first = 0;
  int last = -1;
};

struct CliOptions {
  std::string image;                // the first of images
  std::vector<std::string> images;  // several need -o DIR
  std::optional<std::string> output;
  std::optional<std::string> tableOutput;
  std::optional<std::string> saveImage;
  std::optional<std::string> settings;
  std::optional<std::string> saveSettings;
  bool describe = false;
  bool stats = false;
  bool help = false;
  bool version = false;
  LineEnd eol = LineEnd::CrLf;
  std::optional<int> jobs;
  bool failFast = false;
  std::optional<std::string> depfile;
  bool listOutputs = false;

  std::optional<pixmora::ImageMode> mode;
  // Preference choices in command-line order, applied over the settings file's.
  std::vector<std::pair<Option, bool>> choices;
  std::vector<std::pair<std::string CustomFormat::*, std::string>> tokens;
  std::optional<int> perLine;
  std::optional<std::string> name;
  std::optional<int> frame;
  std::vector<EditStep> edits;
  std::optional<ResampleFilter> filter;
  std::vector<TargetChoice> targetChoices;
  // The options given that only the classic output reads.
  std::vector<std::string> classicOptions;
  // Reading the written output back (cli/Verify.h) and the table of encodings (cli/Compare.h).
  std::optional<std::string> preview;
  int previewScale = 1;
  bool verify = false;
  bool compare = false;
  // Every frame into one table (cli/FrameRun.h).
  std::optional<FrameRange> frames;
  std::optional<std::pair<int, int>> framesGrid;  // width, height of a frame
  bool framesFiles = false;                       // the images are the frames
  bool frameDelta = false;
};

struct ParseResult {
  CliOptions options;
  std::string error;  // a usage error: names the option and what it accepts
};

ParseResult ParseCommandLine(std::span<const std::string> arguments);

struct OptionShape {
  std::string name;  // the long name
  bool takesValue = false;
};
// The option a typed word names ("-o" names "--output"), or nothing.
std::optional<OptionShape> FindOption(std::string_view typed);

}  // namespace pixmora::cli
