#include "cli/Manifest.h"

#include <toml++/toml.h>
#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>

#include "cli/CliOptions.h"
#include "cli/OutputNames.h"
#include "platform/AtomicFile.h"

namespace pixmora::cli {

namespace {

namespace fs = std::filesystem;

constexpr std::array<std::string_view, 6> kEdits{"rotate", "flip",      "crop",
                                                 "resize", "threshold", "reduce"};
// Options of a whole run, or of one picture's run that a manifest has keys of its own for.
constexpr std::array<std::string_view, 10> kNotKeys{
    "help",          "version",      "describe", "stats",     "save-image",
    "save-settings", "list-outputs", "jobs",     "fail-fast", "depfile"};

bool IsEdit(std::string_view key) {
  return std::find(kEdits.begin(), kEdits.end(), key) != kEdits.end();
}

int LineOf(const toml::source_region& source) {
  return static_cast<int>(source.begin.line);
}

// The keys of a table in the order they were written.
std::vector<std::pair<const toml::key*, const toml::node*>> InFileOrder(const toml::table& table) {
  std::vector<std::pair<const toml::key*, const toml::node*>> keys;
  for (const auto& [key, node] : table)
    keys.emplace_back(&key, &node);
  std::sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) {
    const auto& x = a.first->source().begin;
    const auto& y = b.first->source().begin;
    return x.line != y.line ? x.line < y.line : x.column < y.column;
  });
  return keys;
}

std::optional<std::string> TextOf(const toml::node& node) {
  if (const auto* text = node.as_string())
    return text->get();
  if (const auto* number = node.as_integer())
    return std::to_string(number->get());
  return std::nullopt;
}

// The keys of [defaults] or of one [[image]].
struct TableKeys {
  bool hasFile = false;
  std::optional<std::string> file;
  std::optional<std::string> output;
  int outputLine = 0;
  std::vector<ManifestOption> options;
  std::optional<std::vector<ManifestOption>> edits;
};

class Reader {
 public:
  Reader(const std::string& path, const std::string& outputFolder, Manifest& manifest)
      : path_(path),
        folder_(fs::path(path).parent_path().string()),
        outputFolder_(outputFolder),
        manifest_(manifest) {}

  void Read(const toml::table& root) {
    TableKeys defaults;
    std::vector<std::pair<int, TableKeys>> images;
    for (const auto& [key, node] : InFileOrder(root)) {
      const int line = LineOf(key->source());
      if (key->str() == "defaults" && node->is_table()) {
        defaults = ReadTable(*node->as_table(), true);
      } else if (key->str() == "image" && node->is_array_of_tables()) {
        for (const toml::node& image : *node->as_array())
          images.emplace_back(LineOf(image.source()), ReadTable(*image.as_table(), false));
      } else if (key->str() == "defaults" || key->str() == "image") {
        Error(line, key->str(),
              key->str() == "image" ? "expected [[image]] tables" : "expected a [defaults] table");
      } else {
        Error(line, key->str(), "unknown key (a manifest holds [defaults] and [[image]] tables)");
      }
    }
    if (images.empty() && manifest_.errors.empty())
      manifest_.errors.push_back(path_ + ": no [[image]] table");
    for (auto& [line, keys] : images)
      Add(line, defaults, std::move(keys));
  }

 private:
  void Error(int line, std::string_view key, const std::string& reason) {
    manifest_.errors.push_back(path_ + ":" + std::to_string(line) + ": " + std::string(key) + ": " +
                               reason);
  }

  static std::string Resolve(const std::string& folder, const std::string& path) {
    return fs::path(path).is_absolute() ? path : JoinPath(folder, path);
  }

  // A path key: a text naming a file.
  std::optional<std::string> PathOf(const std::string& key, const toml::node& node, int line) {
    const auto* text = node.as_string();
    if (text && !text->get().empty())
      return text->get();
    Error(line, key, "expected a file name in quotes");
    return std::nullopt;
  }

  // An option key as command-line arguments, its value checked by the option's own rule.
  std::optional<ManifestOption> OptionOf(const std::string& key, const toml::node& node, int line) {
    const auto option = FindOption("--" + key);
    if (!option) {
      Error(line, key, "unknown key");
      return std::nullopt;
    }
    if (std::find(kNotKeys.begin(), kNotKeys.end(), key) != kNotKeys.end()) {
      Error(line, key, "an option of the command line, not of a manifest");
      return std::nullopt;
    }
    ManifestOption result{key, line, {option->name}};
    if (option->takesValue) {
      const auto text = TextOf(node);
      if (!text) {
        Error(line, key, "expected a text in quotes or a whole number");
        return std::nullopt;
      }
      if (key == "settings") {
        result.arguments.push_back(Resolve(folder_, *text));
      } else {
        result.arguments.push_back(key == "table-output" ? Resolve(outputFolder_, *text) : *text);
      }
    } else {
      const auto* on = node.as_boolean();
      if (!on) {
        Error(line, key, "expected true or false");
        return std::nullopt;
      }
      if (!on->get()) {
        const std::string opposite =
            key.rfind("no-", 0) == 0 ? "--" + key.substr(3) : "--no-" + key;
        if (!FindOption(opposite)) {
          Error(line, key, "expected true (there is no opposite)");
          return std::nullopt;
        }
        result.arguments = {opposite};
      }
    }
    std::vector<std::string> check = result.arguments;
    // Only a table of frames has deltas; the key asking for one may come later or from
    // [defaults].
    if (key == "frame-delta")
      check.insert(check.begin(), {"--frames", "all"});
    check.push_back("picture");
    if (std::string error = ParseCommandLine(check).error; !error.empty()) {
      Error(line, key, error.substr(std::min(error.size(), option->name.size() + 2)));
      return std::nullopt;
    }
    return result;
  }

  std::vector<ManifestOption> EditsOf(const toml::node& node, int line) {
    std::vector<ManifestOption> edits;
    const auto* list = node.as_array();
    if (!list) {
      Error(line, "edits",
            "expected a list such as [{ rotate = \"right\" }, { resize = \"64x64\" }]");
      return edits;
    }
    for (const toml::node& element : *list) {
      const auto* table = element.as_table();
      const int at = LineOf(element.source());
      if (!table || table->size() != 1) {
        Error(at, "edits", "expected one edit per table, such as { resize = \"64x64\" }");
        continue;
      }
      const auto edit = table->begin();  // holds what key and value refer to
      const toml::key& key = edit->first;
      const toml::node& value = edit->second;
      if (!IsEdit(key.str())) {
        Error(at, std::string(key.str()),
              "not an edit (rotate, flip, crop, resize, threshold or reduce)");
        continue;
      }
      if (auto option = OptionOf(std::string(key.str()), value, at))
        edits.push_back(std::move(*option));
    }
    return edits;
  }

  TableKeys ReadTable(const toml::table& table, bool defaults) {
    TableKeys keys;
    for (const auto& [name, node] : InFileOrder(table)) {
      const std::string key(name->str());
      const int line = LineOf(name->source());
      const bool perPicture = key == "file" || key == "output" || key == "name";
      if (defaults && perPicture) {
        Error(line, key, "belongs to one [[image]], not to [defaults]");
      } else if (key == "file") {
        keys.hasFile = true;
        keys.file = PathOf(key, *node, line);
      } else if (key == "output") {
        keys.output = PathOf(key, *node, line);
        keys.outputLine = line;
      } else if (key == "frames-files") {
        Error(line, key,
              "takes the pictures of a command line as frames; an [[image]] names one file (cut "
              "a sheet with frames-grid)");
      } else if (key == "edits") {
        keys.edits = EditsOf(*node, line);
      } else if (IsEdit(key)) {
        Error(line, key, "an edit: put it in edits = [...], where the order is kept");
      } else if (auto option = OptionOf(key, *node, line)) {
        keys.options.push_back(std::move(*option));
      }
    }
    return keys;
  }

  void Add(int line, const TableKeys& defaults, TableKeys keys) {
    if (!keys.file) {
      if (!keys.hasFile)
        Error(line, "file", "missing: every [[image]] names its picture");
      return;
    }
    ManifestImage image{line, Resolve(folder_, *keys.file)};
    if (keys.output) {
      image.output = Resolve(outputFolder_, *keys.output);
      image.outputLine = keys.outputLine;
    }
    for (const ManifestOption& option : defaults.options) {
      const bool overridden =
          std::any_of(keys.options.begin(), keys.options.end(),
                      [&](const ManifestOption& own) { return own.key == option.key; });
      if (!overridden) {
        image.options.push_back(option);
        image.options.back().fromDefaults = true;
      }
    }
    image.options.insert(image.options.end(), keys.options.begin(), keys.options.end());
    const auto& edits =
        keys.edits ? *keys.edits : defaults.edits.value_or(std::vector<ManifestOption>{});
    image.options.insert(image.options.end(), edits.begin(), edits.end());
    manifest_.images.push_back(std::move(image));
  }

  std::string path_;
  std::string folder_;
  std::string outputFolder_;
  Manifest& manifest_;
};

}  // namespace

Manifest ReadManifest(const std::string& path, const std::string& outputFolder) {
  std::string text;
  if (std::string reason = ReadWholeFile(path, text); !reason.empty()) {
    Manifest manifest;
    manifest.errors.push_back(path + ": " + reason);
    manifest.unreadable = true;
    return manifest;
  }
  return ParseManifest(text, path, outputFolder);
}

Manifest ParseManifest(std::string_view text, const std::string& path,
                       const std::string& outputFolder) {
  Manifest manifest;
  try {
    const toml::table root = toml::parse(text, path);
    Reader(path, outputFolder, manifest).Read(root);
  } catch (const toml::parse_error& error) {
    const auto& at = error.source().begin;
    manifest.errors.push_back(path + ":" + std::to_string(at.line) + ":" +
                              std::to_string(at.column) + ": " + std::string(error.description()));
  }
  return manifest;
}

}  // namespace pixmora::cli
