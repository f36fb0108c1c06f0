#include "cli/CliOptions.h"

#include "cli/FrameOptions.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <initializer_list>

namespace pixmora::cli {

namespace {

using enum Option;

template <class T>
struct Named {
  const char* word;
  T value;
};

// "a, b or c"
template <class T>
std::string Alternatives(std::initializer_list<Named<T>> choices) {
  std::string text;
  std::size_t i = 0;
  for (const auto& choice : choices) {
    if (i > 0)
      text += i + 1 == choices.size() ? " or " : ", ";
    text += choice.word;
    ++i;
  }
  return text;
}

std::string Got(const std::string& option, const std::string& accepts, const std::string& value) {
  return option + ": expected " + accepts + ", got '" + value + "'";
}

template <class T>
std::optional<T> Pick(const std::string& value, std::initializer_list<Named<T>> choices) {
  for (const auto& choice : choices) {
    if (value == choice.word)
      return choice.value;
  }
  return std::nullopt;
}

std::optional<int> Number(std::string_view text, int low, int high) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
    return std::nullopt;
  }
  if (value < low || value > high)
    return std::nullopt;
  return value;
}

// Numbers separated by `separator`, each within low..high.
bool NumberList(std::string_view text, char separator, int low, int high, int* out, int count) {
  for (int i = 0; i < count; ++i) {
    const auto end = i + 1 < count ? text.find(separator) : text.size();
    if (end == std::string_view::npos)
      return false;
    const auto value = Number(text.substr(0, end), low, high);
    if (!value)
      return false;
    out[i] = *value;
    text.remove_prefix(i + 1 < count ? end + 1 : end);
  }
  return true;
}

using Handler =
    std::function<std::string(CliOptions&, const std::string& option, const std::string& value)>;

struct OptionRule {
  const char* name;
  const char* shortName;  // nullptr when there is none
  bool takesValue;
  Handler handle;
};

// The options that only the classic output reads.
constexpr std::array<std::string_view, 26> kClassicOnly{"--table-output", "--eol",
                                                        "--mode",         "--colors",
                                                        "--orientation",  "--pixels-per-byte",
                                                        "--table",        "--table-placement",
                                                        "--format",       "--repr",
                                                        "--lsb-first",    "--no-lsb-first",
                                                        "--compress",     "--no-compress",
                                                        "--info",         "--no-info",
                                                        "--caption",      "--row-directive",
                                                        "--open-brace",   "--close-brace",
                                                        "--hex-notation", "--end-notation",
                                                        "--comma-symbol", "--comment-start",
                                                        "--comment-end",  "--per-line"};

// A target setting: its value is checked on a scratch record and kept as text.
Handler TargetValue(const TargetSettingInfo& info, std::optional<std::string> fixed) {
  return [&info, fixed](CliOptions& o, const std::string& option, const std::string& value) {
    const std::string text = fixed.value_or(value);
    TargetSettings scratch;
    if (std::string reason = info.read(scratch, text); !reason.empty())
      return option + ": " + reason;
    o.targetChoices.push_back({info.setting, option, text});
    return std::string();
  };
}

// Every setting of the target table; a flag's option sets the opposite of its default, and the
// opposite option the default.
void AddTargetRules(std::vector<OptionRule>& rules) {
  const TargetSettings defaults;
  for (const TargetSettingInfo& info : TargetSettingTable()) {
    if (info.kind != SettingKind::Flag) {
      rules.push_back({info.option, nullptr, true, TargetValue(info, std::nullopt)});
      continue;
    }
    const std::string byDefault = info.write(defaults);
    const std::string changed = byDefault == "1" ? "0" : "1";
    rules.push_back({info.option, nullptr, false, TargetValue(info, changed)});
    rules.push_back({info.opposite, nullptr, false, TargetValue(info, byDefault)});
  }
}

Handler Path(std::optional<std::string> CliOptions::*field) {
  return [field](CliOptions& o, const std::string&, const std::string& value) {
    o.*field = value;
    return std::string();
  };
}

Handler Flag(bool CliOptions::*field) {
  return [field](CliOptions& o, const std::string&, const std::string&) {
    o.*field = true;
    return std::string();
  };
}

// One option of a radio group: each word selects its member.
Handler Group(std::initializer_list<Named<Option>> members) {
  std::vector<Named<Option>> list(members);
  const std::string accepts = Alternatives(members);
  return [list, accepts](CliOptions& o, const std::string& option, const std::string& value) {
    for (const auto& member : list) {
      if (value == member.word) {
        o.choices.emplace_back(member.value, true);
        return std::string();
      }
    }
    return Got(option, accepts, value);
  };
}

Handler Switch(Option option, bool on) {
  return [option, on](CliOptions& o, const std::string&, const std::string&) {
    o.choices.emplace_back(option, on);
    return std::string();
  };
}

Handler Token(std::string CustomFormat::*member) {
  return [member](CliOptions& o, const std::string& option, const std::string& value) {
    if (value.find_first_of("\r\n") != std::string::npos) {
      return option + ": expected a text on one line";
    }
    o.tokens.emplace_back(member, value);
    return std::string();
  };
}

Handler Edit(EditKind kind) {
  return [kind](CliOptions& o, const std::string& option, const std::string& value) {
    EditStep step{kind, option};
    bool ok = true;
    std::string accepts;
    switch (kind) {
      case EditKind::Rotate: {
        const auto turn = Pick<int>(value, {{"right", 1}, {"left", -1}});
        ok = turn.has_value();
        step.values[0] = turn.value_or(0);
        accepts = "right or left";
        break;
      }
      case EditKind::Flip: {
        const auto axis = Pick<int>(value, {{"horizontal", 0}, {"vertical", 1}});
        ok = axis.has_value();
        step.values[0] = axis.value_or(0);
        accepts = "horizontal or vertical";
        break;
      }
      case EditKind::Crop:
        ok = NumberList(value, ',', 0, 65535, step.values, 4);
        accepts = "L,T,R,B (pixels, 0 to 65535)";
        break;
      case EditKind::Resize:
        ok = NumberList(value, 'x', 1, 65535, step.values, 2);
        accepts = "WxH (1 to 65535 each)";
        break;
      case EditKind::Threshold: {
        const auto n = Number(value, 0, 16777215);
        ok = n.has_value();
        step.values[0] = n.value_or(0);
        accepts = "a number from 0 to 16777215";
        break;
      }
      case EditKind::Reduce: {
        const auto n = Pick<int>(value, {{"256", 256},
                                         {"128", 128},
                                         {"64", 64},
                                         {"32", 32},
                                         {"16", 16},
                                         {"8", 8},
                                         {"4", 4},
                                         {"2", 2}});
        ok = n.has_value();
        step.values[0] = n.value_or(0);
        accepts = "256, 128, 64, 32, 16, 8, 4 or 2";
        break;
      }
    }
    if (!ok)
      return Got(option, accepts, value);
    o.edits.push_back(step);
    return std::string();
  };
}

const std::vector<OptionRule>& OptionRules() {
  static const std::vector<OptionRule> rules = [] {
    std::vector<OptionRule> list{
        {"--output", "-o", true, Path(&CliOptions::output)},
        {"--table-output", nullptr, true, Path(&CliOptions::tableOutput)},
        {"--save-image", nullptr, true, Path(&CliOptions::saveImage)},
        {"--settings", nullptr, true, Path(&CliOptions::settings)},
        {"--save-settings", nullptr, true, Path(&CliOptions::saveSettings)},
        {"--describe", nullptr, false, Flag(&CliOptions::describe)},
        {"--preview", nullptr, true, Path(&CliOptions::preview)},
        {"--preview-scale", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto n = Number(value, 1, 16);
           if (!n)
             return Got(option, "a number from 1 to 16", value);
           o.previewScale = *n;
           return std::string();
         }},
        {"--verify", nullptr, false, Flag(&CliOptions::verify)},
        {"--compare", nullptr, false, Flag(&CliOptions::compare)},
        {"--stats", nullptr, false, Flag(&CliOptions::stats)},
        {"--jobs", "-j", true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto n = Number(value, 1, 1024);
           if (!n)
             return Got(option, "a number from 1 to 1024", value);
           o.jobs = *n;
           return std::string();
         }},
        {"--fail-fast", nullptr, false, Flag(&CliOptions::failFast)},
        {"--depfile", nullptr, true, Path(&CliOptions::depfile)},
        {"--list-outputs", nullptr, false, Flag(&CliOptions::listOutputs)},
        {"--help", "-h", false, Flag(&CliOptions::help)},
        {"--version", nullptr, false, Flag(&CliOptions::version)},
        {"--eol", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto eol = Pick<LineEnd>(value, {{"crlf", LineEnd::CrLf}, {"lf", LineEnd::Lf}});
           if (!eol)
             return Got(option, "crlf or lf", value);
           o.eol = *eol;
           return std::string();
         }},
        {"--mode", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto mode = Pick<ImageMode>(value, {{"color", ImageMode::Color},
                                                     {"monochrome", ImageMode::Monochrome},
                                                     {"palette", ImageMode::Palette}});
           if (!mode)
             return Got(option, "color, monochrome or palette", value);
           o.mode = *mode;
           return std::string();
         }},
        {"--colors", nullptr, true,
         Group({{"65536", Color65536}, {"4096", Color4096}, {"256", Color256}})},
        {"--orientation", nullptr, true,
         Group({{"vertical", MonochromeVertical}, {"horizontal", MonochromeHorizontal}})},
        {"--pixels-per-byte", nullptr, true,
         Group({{"1", Palette1Pixel}, {"auto", Palette1To8Pixel}})},
        {"--table", nullptr, true, Group({{"byte", PaletteTableByte}, {"word", PaletteTableWord}})},
        {"--table-placement", nullptr, true,
         Group({{"header", PaletteSaveHeader},
                {"separate", PaletteSaveDiffFile},
                {"none", PaletteSaveNo}})},
        {"--format", nullptr, true,
         Group({{"c", CArray}, {"basic", BasicData}, {"custom", Custom}})},
        {"--repr", nullptr, true, Group({{"byte", Byte}, {"word", Word}})},
        {"--lsb-first", nullptr, false, Switch(LSBFirst, true)},
        {"--no-lsb-first", nullptr, false, Switch(LSBFirst, false)},
        {"--compress", nullptr, false, Switch(Compression, true)},
        {"--no-compress", nullptr, false, Switch(Compression, false)},
        {"--info", nullptr, false, Switch(IncludeInfo, true)},
        {"--no-info", nullptr, false, Switch(IncludeInfo, false)},
        {"--caption", nullptr, true, Token(&CustomFormat::Caption)},
        {"--row-directive", nullptr, true, Token(&CustomFormat::RowDirective)},
        {"--open-brace", nullptr, true, Token(&CustomFormat::OpenBrace)},
        {"--close-brace", nullptr, true, Token(&CustomFormat::CloseBrace)},
        {"--hex-notation", nullptr, true, Token(&CustomFormat::HexNotation)},
        {"--end-notation", nullptr, true, Token(&CustomFormat::EndNotation)},
        {"--comma-symbol", nullptr, true, Token(&CustomFormat::CommaSymbol)},
        {"--comment-start", nullptr, true, Token(&CustomFormat::CommentStart)},
        {"--comment-end", nullptr, true, Token(&CustomFormat::CommentEnd)},
        {"--per-line", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto n =
               Number(value, CustomFormat::kMinBytesPerLine, CustomFormat::kMaxBytesPerLine);
           if (!n)
             return Got(option, "a number from 1 to 255", value);
           o.perLine = *n;
           return std::string();
         }},
        {"--name", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           if (value.empty() || value.find_first_of("/\\") != std::string::npos) {
             return Got(option, "a name without '/' or '\\'", value);
           }
           o.name = value;
           return std::string();
         }},
        {"--frame", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto n = Number(value, 0, 1 << 30);
           if (!n)
             return Got(option, "a frame number from 0", value);
           o.frame = *n;
           return std::string();
         }},
        {"--frames", nullptr, true, ReadFrameRange},
        {"--frames-grid", nullptr, true, ReadFrameGrid},
        {"--frames-files", nullptr, false, Flag(&CliOptions::framesFiles)},
        {"--frame-delta", nullptr, false, Flag(&CliOptions::frameDelta)},
        {"--rotate", nullptr, true, Edit(EditKind::Rotate)},
        {"--flip", nullptr, true, Edit(EditKind::Flip)},
        {"--crop", nullptr, true, Edit(EditKind::Crop)},
        {"--resize", nullptr, true, Edit(EditKind::Resize)},
        {"--threshold", nullptr, true, Edit(EditKind::Threshold)},
        {"--reduce", nullptr, true, Edit(EditKind::Reduce)},
        {"--filter", nullptr, true,
         [](CliOptions& o, const std::string& option, const std::string& value) {
           const auto filter = Pick<ResampleFilter>(
               value, {{"box", ResampleFilter::Box}, {"linear", ResampleFilter::Linear}});
           if (!filter)
             return Got(option, "box or linear", value);
           o.filter = *filter;
           return std::string();
         }},
    };
    AddTargetRules(list);
    return list;
  }();
  return rules;
}

const OptionRule* Find(std::string_view name) {
  for (const auto& rule : OptionRules()) {
    if (name == rule.name || (rule.shortName && name == rule.shortName))
      return &rule;
  }
  return nullptr;
}

}  // namespace

ParseResult ParseCommandLine(std::span<const std::string> arguments) {
  ParseResult result;
  CliOptions& o = result.options;
  std::vector<std::string> images;
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      images.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    std::string name = argument;
    std::optional<std::string> inlineValue;
    if (const auto equals = argument.find('=');
        argument.rfind("--", 0) == 0 && equals != std::string::npos) {
      name = argument.substr(0, equals);
      inlineValue = argument.substr(equals + 1);
    }
    const OptionRule* rule = Find(name);
    if (!rule) {
      result.error = "unknown option '" + name + "' (see --help)";
      return result;
    }
    std::string value;
    if (rule->takesValue) {
      if (inlineValue) {
        value = *inlineValue;
      } else if (i + 1 < arguments.size()) {
        value = arguments[++i];
      } else {
        result.error = std::string(rule->name) + ": expects a value (see --help)";
        return result;
      }
    } else if (inlineValue) {
      result.error = std::string(rule->name) + ": takes no value";
      return result;
    }
    result.error = rule->handle(o, rule->name, value);
    if (!result.error.empty())
      return result;
    if (std::find(kClassicOnly.begin(), kClassicOnly.end(), rule->name) != kClassicOnly.end())
      o.classicOptions.push_back(rule->name);
  }
  if (o.help || o.version)
    return result;
  if (images.empty()) {
    result.error = "expected an IMAGE file (see --help)";
    return result;
  }
  if (std::string error = CheckFrameOptions(o); !error.empty()) {
    result.error = error;
    return result;
  }
  if (images.size() > 1 && !o.output && !o.framesFiles) {
    result.error =
        "expected one IMAGE file, got '" + images[1] + "' as well (several pictures need -o DIR)";
    return result;
  }
  o.image = images.front();
  o.images = std::move(images);
  return result;
}

std::optional<OptionShape> FindOption(std::string_view typed) {
  const OptionRule* rule = Find(typed);
  if (!rule)
    return std::nullopt;
  return OptionShape{rule->name, rule->takesValue};
}

}  // namespace pixmora::cli
