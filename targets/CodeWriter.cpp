#include "targets/CodeWriter.h"

#include <array>
#include <cstring>

#include "conversion/HexNumbers.h"
#include "platform/HugePages.h"

namespace pixmora {

namespace {

enum class Part { Header, Declarations, Definitions };

const char* TypeName(ElementType type) {
  switch (type) {
    case ElementType::Uint16:
      return "uint16_t";
    case ElementType::UnsignedChar:
      return "unsigned char";
    case ElementType::Uint32:
      return "uint32_t";
    case ElementType::Uint8:
      break;
  }
  return "uint8_t";
}

// Comment text cannot end the comment early or break its lines.
std::string CommentSafe(const std::string& text) {
  std::string safe;
  safe.reserve(text.size());
  for (char c : text) {
    if (c == '\n' || c == '\r' || c == '\t')
      c = ' ';
    if (c == '/' && !safe.empty() && safe.back() == '*')
      safe += ' ';
    safe += c;
  }
  return safe;
}

void AppendComment(std::string& out, const TargetData& data, const std::string& provenance) {
  out += "/*\n * " + CommentSafe(data.name) + ": " + std::to_string(data.width) + " x " +
         std::to_string(data.height) + " pixels, target " + data.target + "\n";
  for (const std::string& note : data.notes)
    out += " * " + CommentSafe(note) + "\n";
  out += " * Draw:\n";
  for (const std::string& call : data.drawCalls)
    out += " *   " + CommentSafe(call) + "\n";
  out += " * Made by " + CommentSafe(provenance) + "\n */\n";
}

bool UsesProgmem(const TargetData& data, const TargetSettings& settings) {
  if (!settings.progmem)
    return false;
  for (const TargetArray& array : data.arrays) {
    if (array.progmem)
      return true;
  }
  return false;
}

// stdint, and the PROGMEM fallback where the data goes to program memory; lvgl9 needs LVGL.
void AppendIncludes(std::string& out, const TargetData& data, const TargetSettings& settings) {
  out += "#include <stdint.h>\n";
  if (data.lvglFormat) {
    out += "#if defined(LV_LVGL_H_INCLUDE_SIMPLE)\n#include \"lvgl.h\"\n";
    out += "#else\n#include \"lvgl/lvgl.h\"\n#endif\n";
  }
  if (UsesProgmem(data, settings)) {
    out += "#if defined(__AVR__)\n#include <avr/pgmspace.h>\n#endif\n";
    out += "#ifndef PROGMEM\n#define PROGMEM\n#endif\n";
  }
}

// The attribute macro, which a user may define first, and the size macros.
void AppendMacros(std::string& out, const TargetData& data, const TargetSettings& settings) {
  const std::string attribute = data.macroName + "_ATTRIBUTE";
  out += "\n#ifndef " + attribute + "\n#define " + attribute;
  if (!settings.section.empty())
    out += " __attribute__((section(\"" + settings.section + "\")))";
  if (settings.align > 1)
    out += " __attribute__((aligned(" + std::to_string(settings.align) + ")))";
  out += "\n#endif\n";
  if (!data.macros.empty())
    out += "\n";
  for (const auto& [name, value] : data.macros)
    out += "#define " + name + " " + value + "\n";
}

bool IsWords(const TargetArray& array) {
  return array.type == ElementType::Uint16;
}

bool IsDwords(const TargetArray& array) {
  return array.type == ElementType::Uint32;
}

std::size_t ValueCount(const TargetArray& array) {
  return IsDwords(array)  ? array.dwords.size()
         : IsWords(array) ? array.words.size()
                          : array.bytes.size();
}

// 16 bytes, 12 16-bit or 8 32-bit values a line, each "0xAB, ", "0xABCD, " or "0x0001ABCD, ",
// indented by two blanks.
std::size_t PerLine(const TargetArray& array) {
  return IsDwords(array) ? 8 : IsWords(array) ? 12 : 16;
}
std::size_t CellSize(const TargetArray& array) {
  return IsDwords(array) ? 12 : IsWords(array) ? 8 : 6;
}

// The length of the lines AppendValues writes.
std::size_t ValuesSize(const TargetArray& array) {
  const std::size_t count = ValueCount(array);
  return 2 * ((count + PerLine(array) - 1) / PerLine(array)) + CellSize(array) * count;
}

// "0xAB, " of every byte value, padded to eight bytes, so that a value is one store.
constexpr std::array<std::array<char, 8>, 256> MakeByteCells() {
  std::array<std::array<char, 8>, 256> cells{};
  for (std::size_t v = 0; v < 256; ++v)
    cells[v] = {'0', 'x', kHexPairs[v][0], kHexPairs[v][1], ',', ' ', ' ', ' '};
  return cells;
}
constexpr auto kByteCells = MakeByteCells();

// The values as upper-case hex numbers, each followed by a comma: every value is one eight-byte
// store ("0xABCD, " or "0xAB, " and two bytes the next overwrites). The lines go through a
// buffer that stays in the cache and are appended from it, since resizing the long text first
// would fill it with zeros only to write it again.
void AppendValues(std::string& out, const TargetArray& array) {
  const bool words = IsWords(array);
  const std::size_t count = ValueCount(array);
  const std::size_t perLine = PerLine(array);
  out.reserve(out.size() + ValuesSize(array));
  constexpr std::size_t kBufferSize = 64 * 1024;
  constexpr std::size_t kLongestLine = 2 + 12 * 8 + 2;  // with the slack of the last store
  std::array<char, kBufferSize> buffer;
  char* p = buffer.data();
  for (std::size_t first = 0; first < count; first += perLine) {
    if (p + kLongestLine > buffer.data() + kBufferSize) {
      out.append(buffer.data(), p);
      p = buffer.data();
    }
    const std::size_t end = std::min(first + perLine, count);
    p[0] = ' ';
    p[1] = ' ';
    p += 2;
    if (IsDwords(array)) {
      for (std::size_t i = first; i < end; ++i) {
        const std::uint32_t v = array.dwords[i];
        char cell[12] = {'0', 'x', ',', ' '};
        for (int k = 0; k < 4; ++k) {
          const auto pair = kHexPairs[(v >> (24 - 8 * k)) & 0xFF];
          cell[2 + 2 * k] = pair[0];
          cell[3 + 2 * k] = pair[1];
        }
        cell[10] = ',';
        cell[11] = ' ';
        std::memcpy(p, cell, 12);
        p += 12;
      }
    } else if (words) {
      for (std::size_t i = first; i < end; ++i) {
        const std::uint16_t v = array.words[i];
        char cell[8] = {'0',
                        'x',
                        kHexPairs[v >> 8][0],
                        kHexPairs[v >> 8][1],
                        kHexPairs[v & 0xFF][0],
                        kHexPairs[v & 0xFF][1],
                        ',',
                        ' '};
        std::memcpy(p, cell, 8);
        p += 8;
      }
    } else {
      for (std::size_t i = first; i < end; ++i) {
        std::memcpy(p, kByteCells[array.bytes[i]].data(), 8);
        p += 6;
      }
    }
    p[-1] = '\n';
  }
  out.append(buffer.data(), p);
}

void AppendArray(std::string& out, const TargetData& data, const TargetArray& array,
                 const TargetSettings& settings, Part part) {
  const char* storage = part == Part::Header         ? "static const "
                        : part == Part::Declarations ? "extern const "
                                                     : "const ";
  // lvgl9's bytes are reached through the descriptor only.
  if (data.lvglFormat)
    storage = "static const ";
  out += std::string("\n") + storage + TypeName(array.type) + " " + array.name;
  out += part == Part::Declarations ? "[" + array.length + "]" : std::string("[]");
  if (array.progmem && settings.progmem)
    out += " PROGMEM";
  if (part == Part::Declarations) {
    out += ";\n";
    return;
  }
  out += " " + data.macroName + "_ATTRIBUTE = {\n";
  AppendValues(out, array);
  out += "};\n";
}

void AppendLvglDescriptor(std::string& out, const TargetData& data) {
  const LvglFormatInfo& format = InfoOf(*data.lvglFormat);
  const std::string& n = data.name;
  out += "\nconst lv_image_dsc_t " + n + " = {\n";
  out += "  .header.magic = LV_IMAGE_HEADER_MAGIC,\n";
  out += std::string("  .header.cf = LV_COLOR_FORMAT_") + format.name + ",\n";
  out += "  .header.flags = 0,\n";
  out += "  .header.w = " + std::to_string(data.width) + ",\n";
  out += "  .header.h = " + std::to_string(data.height) + ",\n";
  out += "  .header.stride = " + std::to_string(data.lvglStride) + ",\n";
  out += "  .data_size = sizeof(" + n + "_map),\n";
  out += "  .data = " + n + "_map,\n};\n";
}

void AppendExternC(std::string& out, const std::string& declarations) {
  out += "\n#ifdef __cplusplus\nextern \"C\" {\n#endif\n" + declarations;
  out += "\n#ifdef __cplusplus\n}\n#endif\n";
}

}  // namespace

bool WritesSourceFile(const TargetSettings& settings) {
  return settings.code == CodeStyle::C || settings.target == TargetKind::Lvgl9;
}

void WriteCode(const TargetData& data, const TargetSettings& settings,
               const std::string& provenance, const std::string& headerFileName, CodeFiles& files) {
  // Room for everything but the values up front, so the long text is never moved.
  std::size_t valuesSize = 0;
  for (const TargetArray& array : data.arrays)
    valuesSize += ValuesSize(array);
  const std::size_t kRoomForTheRest = 16384;
  std::string& h = files.header;
  std::string& c = files.source;
  h.clear();
  c.clear();
  const bool pair = WritesSourceFile(settings);
  std::string& values = pair ? c : h;
  values.reserve(valuesSize + kRoomForTheRest);
  PreferHugePages(values.data(), values.capacity());
  const std::string guard = data.macroName + "_H";
  AppendComment(h, data, provenance);
  h += "#ifndef " + guard + "\n#define " + guard + "\n\n";
  AppendIncludes(h, data, settings);
  AppendMacros(h, data, settings);
  if (data.lvglFormat) {
    AppendExternC(h, "\nLV_IMAGE_DECLARE(" + data.name + ");\n");
  } else if (pair) {
    std::string declarations;
    for (const TargetArray& array : data.arrays)
      AppendArray(declarations, data, array, settings, Part::Declarations);
    AppendExternC(h, declarations);
  } else {
    for (const TargetArray& array : data.arrays)
      AppendArray(h, data, array, settings, Part::Header);
  }
  h += "\n#endif\n";
  if (!pair)
    return;

  AppendComment(c, data, provenance);
  c += "#include \"" + headerFileName + "\"\n";
  for (const TargetArray& array : data.arrays)
    AppendArray(c, data, array, settings, Part::Definitions);
  if (data.lvglFormat)
    AppendLvglDescriptor(c, data);
}

}  // namespace pixmora
