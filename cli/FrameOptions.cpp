#include "cli/FrameOptions.h"

#include <charconv>
#include <optional>

namespace pixmora::cli {

namespace {

std::optional<int> Whole(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
    return std::nullopt;
  return value;
}

std::optional<std::pair<int, int>> Pair(const std::string& value, char between, int low) {
  const auto at = value.find(between);
  if (at == std::string::npos)
    return std::nullopt;
  const auto a = Whole(std::string_view(value).substr(0, at), low, 65535);
  const auto b = Whole(std::string_view(value).substr(at + 1), low, 65535);
  if (!a || !b)
    return std::nullopt;
  return std::pair{*a, *b};
}

}  // namespace

std::string ReadFrameRange(CliOptions& o, const std::string& option, const std::string& value) {
  if (value == "all") {
    o.frames = FrameRange{};
    return {};
  }
  const auto range = Pair(value, '-', 0);
  if (!range || range->second < range->first)
    return option + ": expected all or A-B (frames from 0, A not above B), got '" + value + "'";
  o.frames = FrameRange{range->first, range->second};
  return {};
}

std::string ReadFrameGrid(CliOptions& o, const std::string& option, const std::string& value) {
  const auto size = Pair(value, 'x', 1);
  if (!size)
    return option + ": expected the size of a frame as WxH, got '" + value + "'";
  o.framesGrid = size;
  return {};
}

std::string CheckFrameOptions(CliOptions& o) {
  if (o.framesGrid && o.framesFiles)
    return "--frames-grid: cuts one picture; --frames-files takes the pictures as they are";
  if ((o.framesGrid || o.framesFiles) && !o.frames)
    o.frames = FrameRange{};
  if (!o.frames) {
    return o.frameDelta ? "--frame-delta: applies to a table of frames (--frames all|A-B)"
                        : std::string();
  }
  if (o.frame)
    return "--frame: picks one frame; --frames writes a table of several";
  for (const auto& [given, option] :
       {std::pair{o.verify, "--verify"}, std::pair{o.preview.has_value(), "--preview"},
        std::pair{o.compare, "--compare"}, std::pair{o.describe, "--describe"},
        std::pair{o.saveImage.has_value(), "--save-image"},
        std::pair{o.tableOutput.has_value(), "--table-output"}}) {
    if (given)
      return std::string(option) + ": not with a table of frames (--frames)";
  }
  return {};
}

bool WritesFrames(const CliOptions& o) {
  return o.frames.has_value();
}

}  // namespace pixmora::cli
