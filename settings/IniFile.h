#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pixmora {

// An INI file read and written the way the desktop profile functions do it: section and key
// names match without regard to case, the first occurrence wins, values are read without their
// surrounding blanks and without one enclosing pair of quotation marks, and at most
// kMaxValueLength characters of a value are read. Lines the reader does not understand are kept
// as they are when the file is written back.
class IniFile {
 public:
  static constexpr std::size_t kMaxValueLength = 2047;

  IniFile() = default;
  static IniFile FromText(std::string_view text);

  // Replaces the content by the file's. Returns an empty text on success, else the system's
  // reason; the content is then empty, which reads as every default.
  std::string Load(const std::string& path);

  // The value as read, or nothing when the section or the key is missing.
  std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // Decimal, or hexadecimal after "$" or "0x"; anything else gives the default.
  int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
  // An integer, any value but 0 being true; an empty or unreadable value gives the default.
  bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;

  // Replaces the key's line or adds one at the end of its section; a missing section is added at
  // the end of the file.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  void WriteInteger(std::string_view section, std::string_view key, int value);
  void WriteBool(std::string_view section, std::string_view key, bool value);
  void DeleteKey(std::string_view section, std::string_view key);

  // Every line followed by CR LF.
  std::string Text() const;
  // Replaces the file atomically. Returns an empty text on success, else the system's reason.
  std::string Save(const std::string& path) const;

 private:
  struct Section {
    std::size_t header;  // line index of "[name]"
    std::size_t end;     // one past the section's last line
  };
  std::optional<Section> FindSection(std::string_view section) const;
  std::optional<std::size_t> FindKey(const Section& section, std::string_view key) const;

  std::vector<std::string> lines_;
};

// Parses an integer by the reading rules above.
std::optional<int> ParseProfileInteger(std::string_view text);

}  // namespace pixmora
