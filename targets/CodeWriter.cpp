#include "targets/CodeWriter.h"

#include <cstring>

#include "conversion/HexNumbers.h"

namespace pixmora {

namespace {

enum class Part { Header, Declarations, Definitions };

const char* TypeName(ElementType type) {
  switch (type) {
    case ElementType::Uint16:
      return "uint16_t";
    case ElementType::UnsignedChar:
      return "unsigned char";
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

// The values as upper-case hex numbers, 16 bytes or 12 16-bit values a line, each followed by
// a comma.
void AppendValues(std::string& out, const TargetArray& array) {
  const bool words = array.type == ElementType::Uint16;
  const std::size_t count = words ? array.words.size() : array.bytes.size();
  const std::size_t perLine = words ? 12 : 16;
  const std::size_t cell = words ? 8 : 6;
  const std::size_t lines = (count + perLine - 1) / perLine;
  const std::size_t start = out.size();
  out.resize(start + 2 * lines + cell * count);
  char* p = out.data() + start;
  for (std::size_t first = 0; first < count; first += perLine) {
    const std::size_t end = std::min(first + perLine, count);
    *p++ = ' ';
    *p++ = ' ';
    for (std::size_t i = first; i < end; ++i) {
      *p++ = '0';
      *p++ = 'x';
      if (words) {
        std::memcpy(p, kHexPairs[array.words[i] >> 8].data(), 2);
        std::memcpy(p + 2, kHexPairs[array.words[i] & 0xFF].data(), 2);
        p += 4;
      } else {
        std::memcpy(p, kHexPairs[array.bytes[i]].data(), 2);
        p += 2;
      }
      *p++ = ',';
      *p++ = i + 1 == end ? '\n' : ' ';
    }
  }
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

CodeFiles WriteCode(const TargetData& data, const TargetSettings& settings,
                    const std::string& provenance, const std::string& headerFileName) {
  CodeFiles files;
  std::string& h = files.header;
  const std::string guard = data.macroName + "_H";
  AppendComment(h, data, provenance);
  h += "#ifndef " + guard + "\n#define " + guard + "\n\n";
  AppendIncludes(h, data, settings);
  AppendMacros(h, data, settings);
  if (data.lvglFormat) {
    AppendExternC(h, "\nLV_IMAGE_DECLARE(" + data.name + ");\n");
  } else {
    if (WritesSourceFile(settings)) {
      std::string declarations;
      for (const TargetArray& array : data.arrays)
        AppendArray(declarations, data, array, settings, Part::Declarations);
      AppendExternC(h, declarations);
    } else {
      for (const TargetArray& array : data.arrays)
        AppendArray(h, data, array, settings, Part::Header);
    }
  }
  h += "\n#endif\n";
  if (!WritesSourceFile(settings))
    return files;

  std::string& c = files.source;
  AppendComment(c, data, provenance);
  c += "#include \"" + headerFileName + "\"\n";
  for (const TargetArray& array : data.arrays)
    AppendArray(c, data, array, settings, Part::Definitions);
  if (data.lvglFormat)
    AppendLvglDescriptor(c, data);
  return files;
}

}  // namespace pixmora
