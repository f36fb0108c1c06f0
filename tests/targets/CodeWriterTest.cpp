#include "targets/CodeWriter.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace pixmora {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;

CodeFiles Write(TargetSettings s, const std::string& provenance = "pixmora-cli 4.0: test") {
  TBitmap32 image(13, 2);
  std::fill(image.Pixels().begin(), image.Pixels().end(), 0xFF000000u);
  const TargetResult result = EncodeTarget({image, {}, s, "logo"});
  EXPECT_EQ(result.error, "");
  CodeFiles code;
  WriteCode(result.data, s, provenance, "logo.h", code);
  return code;
}

TargetSettings For(TargetKind kind) {
  TargetSettings s;
  s.target = kind;
  return s;
}

TEST(WriteCode, AHeaderFollowsTheTextRules) {
  const CodeFiles code = Write(For(TargetKind::GfxBitmap));
  const std::string& h = code.header;
  EXPECT_EQ(code.source, "");
  EXPECT_EQ(h.find('\r'), std::string::npos);
  EXPECT_EQ(h.rfind("/*\n * logo: 13 x 2 pixels, target gfx-bitmap\n", 0), 0u) << h;
  EXPECT_THAT(h, HasSubstr(" * A set bit is a dark pixel (luma below 128)\n"));
  EXPECT_THAT(h, HasSubstr("display.drawBitmap(x, y, logo, LOGO_WIDTH, LOGO_HEIGHT, color);"));
  EXPECT_THAT(h,
              HasSubstr(" * Made by pixmora-cli 4.0: test\n */\n#ifndef LOGO_H\n#define LOGO_H\n"));
  EXPECT_THAT(h, HasSubstr("#include <stdint.h>\n#if defined(__AVR__)\n#include <avr/pgmspace.h>\n"
                           "#endif\n#ifndef PROGMEM\n#define PROGMEM\n#endif\n"));
  EXPECT_THAT(h, HasSubstr("#ifndef LOGO_ATTRIBUTE\n#define LOGO_ATTRIBUTE\n#endif\n"));
  EXPECT_THAT(h, HasSubstr("#define LOGO_WIDTH 13\n#define LOGO_HEIGHT 2\n"));
  EXPECT_THAT(h, HasSubstr("static const uint8_t logo[] PROGMEM LOGO_ATTRIBUTE = {\n"
                           "  0xFF, 0xF8, 0xFF, 0xF8,\n};\n\n#endif\n"));
  EXPECT_EQ(Write(For(TargetKind::GfxBitmap)).header, h);  // no time stamp: the same bytes
}

TEST(WriteCode, ProgramMemoryOnlyWhereTheLibraryReadsIt) {
  EXPECT_THAT(Write(For(TargetKind::Pages)).header, Not(HasSubstr("PROGMEM")));
  TargetSettings ram = For(TargetKind::GfxBitmap);
  ram.progmem = false;
  const std::string h = Write(ram).header;
  EXPECT_THAT(h, Not(HasSubstr("PROGMEM")));
  EXPECT_THAT(h, HasSubstr("u8g2.drawBitmap(x, y, (LOGO_WIDTH + 7) / 8, LOGO_HEIGHT, logo);"));
  // A color map is read with a plain load: the data goes to program memory, the map does not.
  const std::string indexed = Write(For(TargetKind::Index4)).header;
  EXPECT_THAT(indexed, HasSubstr("static const uint8_t logo[] PROGMEM LOGO_ATTRIBUTE"));
  EXPECT_THAT(indexed,
              HasSubstr("static const uint16_t logo_cmap[] LOGO_ATTRIBUTE = {\n  0x0000, "));
  EXPECT_THAT(indexed, HasSubstr("(uint16_t *)logo_cmap);"));
}

TEST(WriteCode, SectionAndAlignmentGoThroughOneMacro) {
  TargetSettings s = For(TargetKind::Rgb565);
  s.section = ".ext_ram";
  s.align = 4;
  EXPECT_THAT(Write(s).header,
              HasSubstr("#ifndef LOGO_ATTRIBUTE\n#define LOGO_ATTRIBUTE __attribute__((section("
                        "\".ext_ram\"))) __attribute__((aligned(4)))\n#endif\n"));
}

TEST(WriteCode, CodeCDeclaresInTheHeaderAndDefinesInTheSource) {
  TargetSettings s = For(TargetKind::Rgb565);
  s.code = CodeStyle::C;
  s.mask = true;
  const CodeFiles code = Write(s);
  EXPECT_THAT(code.header,
              HasSubstr("#ifdef __cplusplus\nextern \"C\" {\n#endif\n\n"
                        "extern const uint16_t logo[LOGO_WIDTH * LOGO_HEIGHT] PROGMEM;\n\n"
                        "extern const uint8_t logo_mask[(LOGO_WIDTH + 7) / 8 * LOGO_HEIGHT] "
                        "PROGMEM;\n\n#ifdef __cplusplus\n}\n#endif\n"));
  EXPECT_THAT(code.header, Not(HasSubstr("0x")));
  EXPECT_THAT(code.source, HasSubstr("*/\n#include \"logo.h\"\n\nconst uint16_t logo[] PROGMEM "
                                     "LOGO_ATTRIBUTE = {\n  0x0000, 0x0000,"));
  EXPECT_THAT(code.source, HasSubstr("const uint8_t logo_mask[] PROGMEM LOGO_ATTRIBUTE = {\n"));
}

TEST(WriteCode, LvglWritesADescriptorWithNamedFields) {
  TargetSettings s = For(TargetKind::Lvgl9);
  s.colorFormat = LvglFormat::RGB565_SWAPPED;
  const CodeFiles code = Write(s);
  EXPECT_THAT(code.header, HasSubstr("#if defined(LV_LVGL_H_INCLUDE_SIMPLE)\n#include \"lvgl.h\"\n"
                                     "#else\n#include \"lvgl/lvgl.h\"\n#endif\n"));
  EXPECT_THAT(code.header, HasSubstr("LV_IMAGE_DECLARE(logo);\n"));
  EXPECT_THAT(code.header, Not(HasSubstr("PROGMEM")));
  EXPECT_THAT(code.source, HasSubstr("static const uint8_t logo_map[] LOGO_ATTRIBUTE = {\n"));
  EXPECT_THAT(code.source,
              HasSubstr("const lv_image_dsc_t logo = {\n  .header.magic = LV_IMAGE_HEADER_MAGIC,\n"
                        "  .header.cf = LV_COLOR_FORMAT_RGB565_SWAPPED,\n  .header.flags = 0,\n"
                        "  .header.w = 13,\n  .header.h = 2,\n  .header.stride = 26,\n"
                        "  .data_size = sizeof(logo_map),\n  .data = logo_map,\n};\n"));
  EXPECT_THAT(code.source, HasSubstr("needs LVGL 9.3 or later"));
}

TEST(WriteCode, TheCommentCannotBeEndedByTheCommandLine) {
  const std::string h =
      Write(For(TargetKind::Xbm), "pixmora-cli 4.0: pixmora-cli -o 'a*/b\nc' x").header;
  EXPECT_THAT(h, HasSubstr("pixmora-cli -o 'a* /b c' x\n */\n"));
  EXPECT_THAT(h, HasSubstr("#define logo_width 13\n#define logo_height 2\n"));
  EXPECT_THAT(h, HasSubstr("static const unsigned char logo_bits[] PROGMEM LOGO_ATTRIBUTE = {"));
}

}  // namespace
}  // namespace pixmora
