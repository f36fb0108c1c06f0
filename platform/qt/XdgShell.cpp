#include "platform/qt/XdgShell.h"

#include <QDesktopServices>
#include <QUrl>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/AtomicFile.h"
#include "platform/qt/Cp1252.h"

namespace pixmora {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kVerbsKey = "*\\shell\\";
constexpr std::string_view kCommandSubkey = "\\command";
constexpr char kImageTypes[] =
    "image/bmp;image/gif;image/jpeg;image/png;image/vnd.microsoft.icon;image/x-icon;";

// True when path names something strictly inside the data folder, judged on the names alone.
bool InsideDataHome(const fs::path& path) {
  const auto home = XdgDataHome();
  if (!home || !path.is_absolute())
    return false;
  const fs::path relative = path.lexically_normal().lexically_relative(fs::path(*home));
  return !relative.empty() && *relative.begin() != ".." && relative != ".";
}

// Creates the missing folders of a file about to be written; true when they exist.
bool MakeFolderOf(const fs::path& file) {
  std::error_code error;
  fs::create_directories(file.parent_path(), error);
  return !error;
}

// A string value of a desktop entry: backslashes and line breaks escaped, so that a value
// cannot end its line.
std::string EscapedValue(std::string_view text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\r':
        escaped += "\\r";
        break;
      case '\t':
        escaped += "\\t";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// One argument of an Exec line, quoted; '%' is doubled so that it is not read as a field code.
std::string ExecArgument(std::string_view argument) {
  std::string quoted = "\"";
  for (const char c : argument) {
    if (std::string_view("\"`$\\").find(c) != std::string_view::npos)
      quoted += '\\';
    else if (c == '%')
      quoted += '%';
    quoted += c;
  }
  return quoted + "\"";
}

// Splits a command line at blanks outside double quotation marks; the marks are removed.
std::vector<std::string> SplitCommandLine(std::string_view line) {
  std::vector<std::string> tokens;
  std::string token;
  bool inToken = false;
  bool quoted = false;
  for (const char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inToken = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inToken)
        tokens.push_back(token);
      token.clear();
      inToken = false;
    } else {
      token += c;
      inToken = true;
    }
  }
  if (inToken)
    tokens.push_back(token);
  return tokens;
}

// The Exec value that runs program with the arguments; "%1" stands for the file.
std::string ExecValue(const std::string& program, const std::vector<std::string>& arguments) {
  std::string line = ExecArgument(program);
  for (const auto& argument : arguments) {
    line += ' ';
    line += argument == "%1" ? std::string("%f") : ExecArgument(argument);
  }
  return EscapedValue(line);
}

std::string Utf8(const std::string& cp1252) {
  return FromCp1252(cp1252).toStdString();
}

// The verb of a key "*\shell\<verb>", or nothing for any other key.
std::optional<std::string> VerbOf(std::string_view key) {
  if (!key.starts_with(kVerbsKey))
    return std::nullopt;
  const std::string_view verb = key.substr(kVerbsKey.size());
  if (verb.empty() || verb.find('\\') != std::string_view::npos)
    return std::nullopt;
  return std::string(verb);
}

// The desktop entry that stands for a verb, in the data folder's applications.
std::optional<fs::path> EntryOf(const std::string& verb) {
  const auto home = XdgDataHome();
  if (!home)
    return std::nullopt;
  std::string id = verb;
  for (char& c : id) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                       c == '_' || c == '-';
    if (!plain)
      c = '-';
  }
  return fs::path(*home) / "applications" / (id + ".desktop");
}

std::optional<fs::path> EntryOfKey(std::string_view key) {
  const auto verb = VerbOf(key);
  return verb ? EntryOf(*verb) : std::nullopt;
}

// Deletes a file or link by its name; a folder of that name stays.
void RemoveNamedFile(const fs::path& path) {
  std::error_code error;
  if (!fs::is_directory(fs::symlink_status(path, error)))
    fs::remove(path, error);
}

bool WriteEntry(const fs::path& file, const std::string& body) {
  return MakeFolderOf(file) &&
         WriteFileAtomically(file.string(), "[Desktop Entry]\nType=Application\n" + body).empty();
}

}  // namespace

std::optional<std::string> XdgDataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/')
    return fs::path(data).lexically_normal().string();
  const char* home = std::getenv("HOME");
  if (home && home[0] == '/')
    return (fs::path(home) / ".local" / "share").lexically_normal().string();
  return std::nullopt;
}

SendToFolder XdgShell::GetSendToFolder() {
  const auto home = XdgDataHome();
  if (!home)
    return {SendToFolder::Lookup::FailedWithoutItemList, ""};
  return {SendToFolder::Lookup::Found, (fs::path(*home) / "Pixmora_Convert" / "SendTo").string()};
}

bool XdgShell::CreateShellLink(const std::string& linkPath, const std::string& target,
                               const std::string& description, const std::string& workingFolder,
                               const std::string& arguments, const std::string& iconFile,
                               int iconIndex) {
  const fs::path link(linkPath);
  if (!InsideDataHome(link))
    return false;
  // The shell hands a sent file to the shortcut after its own arguments.
  std::vector<std::string> command = SplitCommandLine(arguments);
  command.push_back("%1");
  std::string body = "Name=" + EscapedValue(link.stem().string()) + "\n";
  body += "Comment=" + EscapedValue(Utf8(description)) + "\n";
  body += "Exec=" + ExecValue(target, command) + "\n";
  if (!workingFolder.empty())
    body += "Path=" + EscapedValue(workingFolder) + "\n";
  if (!iconFile.empty() && iconIndex >= 0)
    body += "Icon=" + EscapedValue(iconFile) + "\n";
  return WriteEntry(link, body);
}

void XdgShell::RemoveFile(const std::string& path) {
  if (InsideDataHome(path))
    RemoveNamedFile(path);
}

bool XdgShell::WriteKeyValue(const std::string& key, const std::string& value) {
  const std::string_view name(key);
  if (!name.ends_with(kCommandSubkey))
    return false;
  const auto verb = VerbOf(name.substr(0, name.size() - kCommandSubkey.size()));
  const auto entry = verb ? EntryOf(*verb) : std::nullopt;
  std::vector<std::string> command = SplitCommandLine(value);
  if (!entry || command.empty() || command.front().empty())
    return false;
  std::string program = command.front();
  if (program.ends_with(".exe"))
    program.resize(program.size() - 4);
  command.erase(command.begin());
  std::string body = "Name=" + EscapedValue(Utf8(*verb)) + "\n";
  body += "Exec=" + ExecValue(program, command) + "\n";
  body += std::string("MimeType=") + kImageTypes + "\nNoDisplay=true\n";
  return WriteEntry(*entry, body);
}

bool XdgShell::KeyExists(const std::string& key) {
  const auto entry = EntryOfKey(key);
  std::error_code error;
  return entry && fs::is_regular_file(*entry, error);
}

void XdgShell::DeleteKeyTree(const std::string& key) {
  if (const auto entry = EntryOfKey(key))
    RemoveNamedFile(*entry);
}

void XdgShell::OpenLink(const std::string& link) {
  // A bare "www." address, as users write them, counts as a web address.
  QDesktopServices::openUrl(QUrl::fromUserInput(FromCp1252(link)));
}

}  // namespace pixmora
