// firmware/pixmora_decode.h, compiled as C99 and as C++17, decodes the arrays the engine writes
// into the pixels a display must show.
#include <gtest/gtest.h>

#include "FirmwareDriver.h"
#include "decode/ClassicCase.h"

namespace pixmora {
namespace {

struct Driver {
  const char* language;
  decltype(&firmware_decode_c99) decode;
};

const Driver kDrivers[] = {{"C99", firmware_decode_c99}, {"C++17", firmware_decode_cxx17}};

// The arrays of a binary export, declared as a firmware declares the text's arrays.
struct DeviceArrays {
  DeviceArrays(const std::string& main, const std::string& table, const ClassicCase& c) {
    Fill(main, c.word, bytes, words);
    Fill(table, c.tableWord, tableBytes, tableWords);
    device = {.bytes = c.word ? nullptr : bytes.data(),
              .words = c.word ? words.data() : nullptr,
              .count = c.word ? words.size() : bytes.size(),
              .table_bytes = table.empty() || c.tableWord ? nullptr : tableBytes.data(),
              .table_words = table.empty() || !c.tableWord ? nullptr : tableWords.data(),
              .table_count = c.tableWord ? tableWords.size() : tableBytes.size(),
              .lsb_first = c.lsbFirst,
              .has_info = c.includeInfo,
              .width = static_cast<std::uint16_t>(c.width),
              .height = static_cast<std::uint16_t>(c.height),
              .mode = ExpectedModeWord(c)};
  }

  // A binary file writes each word high byte first.
  static void Fill(const std::string& file, bool asWords, std::vector<unsigned char>& bytes,
                   std::vector<unsigned int>& words) {
    bytes.assign(file.begin(), file.end());
    if (asWords) {
      for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        words.push_back(bytes[i] << 8 | bytes[i + 1]);
    }
  }

  std::vector<unsigned char> bytes, tableBytes;
  std::vector<unsigned int> words, tableWords;
  firmware_case device{};
};

std::vector<std::uint16_t> As565(const TBitmap32& picture) {
  std::vector<std::uint16_t> values;
  for (const std::uint32_t p : picture.Pixels())
    values.push_back(
        static_cast<std::uint16_t>((p >> 8 & 0xF800) | (p >> 5 & 0x07E0) | (p >> 3 & 0x001F)));
  return values;
}

void CheckCase(const ClassicCase& c) {
  SCOPED_TRACE(c.Describe());
  const ClassicRun run(c, Option::CArray);
  ASSERT_TRUE(run.completed);
  const std::string table =
      c.family == Family::Palette ? run.TableFile(ExportKind::Binary) : std::string();
  const DeviceArrays arrays(run.MainFile(ExportKind::Binary), table, c);

  // The encoder's own bytes: the same picture in Byte, without compression or information.
  ClassicCase plain = c;
  plain.word = plain.compression = plain.includeInfo = false;
  const ClassicRun plainRun(plain, Option::CArray);
  const std::vector<std::int32_t>& encoded = plainRun.engine.OutputData();

  const std::size_t count = run.expected.PixelCount();
  for (const Driver& driver : kDrivers) {
    SCOPED_TRACE(driver.language);
    const std::size_t capacity = std::max(count, encoded.size());
    std::vector<std::uint32_t> pixels(capacity);
    std::vector<std::uint16_t> frame(capacity);
    std::vector<std::uint8_t> bytes(capacity);
    firmware_output out{pixels.data(), frame.data(), bytes.data(), capacity};
    ASSERT_EQ(driver.decode(&arrays.device, &out), 0);
    EXPECT_EQ(out.width, c.width);
    EXPECT_EQ(out.height, c.height);
    pixels.resize(count);
    frame.resize(count);
    EXPECT_EQ(pixels, run.expected.Pixels());
    EXPECT_EQ(frame, As565(run.expected));
    EXPECT_TRUE(std::equal(encoded.begin(), encoded.end(), bytes.begin()));
  }
}

// Every mode, compressed and not, in bytes and in words, with and without the information.
TEST(PixmoraDecode, DecodesEveryModeAsTheEngineWritesIt) {
  struct Mode {
    Family family;
    int colors;
  };
  const Mode modes[] = {{Family::Color565, 0},
                        {Family::Color444, 0},
                        {Family::Color332, 0},
                        {Family::MonochromeVertical, 0},
                        {Family::MonochromeHorizontal, 0},
                        {Family::Palette, 2},
                        {Family::Palette, 4},
                        {Family::Palette, 5},
                        {Family::Palette, 16},
                        {Family::Palette, 256}};
  std::uint32_t seed = 70000;
  for (const Mode& mode : modes) {
    for (int flags = 0; flags < 32; ++flags) {
      ClassicCase c;
      c.seed = seed++;
      CaseRandom random(c.seed);
      c.family = mode.family;
      c.paletteColors = mode.colors;
      c.packed = true;
      c.tableInMainFile = false;
      c.word = flags & 1;
      c.lsbFirst = flags & 2;
      c.compression = flags & 4;
      c.includeInfo = flags & 8;
      c.tableWord = flags & 16;
      c.width = 1 + random.Below(21);
      c.height = 1 + random.Below(21);
      CheckCase(c);
      if (::testing::Test::HasFailure())
        return;
    }
  }
}

TEST(PixmoraDecode, ReportsFaults) {
  // 256 colors, 2 x 1 pixels, with the information.
  const unsigned char good[] = {0, 2, 0, 1, 0, 5, 0xE0, 0x1C, 0x03};
  const unsigned char reserved[] = {0, 2, 0, 1, 0, 0x13, 0xE0, 0x1C};
  const unsigned char empty[] = {0, 0, 0, 1, 0, 5};
  const unsigned char palette[] = {0, 2, 0, 1, 0, 7, 0, 1};
  const unsigned char openRun[] = {0, 2, 0, 1, 0, 4, 0xE0, 0xE0};
  const unsigned char longRun[] = {0, 2, 0, 1, 0, 4, 0xE0, 0xE0, 1};
  const unsigned char oneColor[] = {0xF8, 0x00};
  struct Case {
    const unsigned char* bytes;
    std::size_t count;
    const unsigned char* table;
    int result;
  };
  const Case cases[] = {
      {good, 8, nullptr, 0},     {good, 7, nullptr, -1},     {good, 9, nullptr, -2},
      {good, 3, nullptr, -1},    {reserved, 8, nullptr, -3}, {empty, 6, nullptr, -4},
      {palette, 8, nullptr, -5}, {palette, 8, oneColor, -5}, {openRun, 8, nullptr, -1},
      {longRun, 9, nullptr, -2},
  };
  for (const Driver& driver : kDrivers) {
    for (const Case& c : cases) {
      const firmware_case device{.bytes = c.bytes,
                                 .count = c.count,
                                 .table_bytes = c.table,
                                 .table_count = 2,
                                 .has_info = 1};
      std::uint32_t pixels[2];
      firmware_output out{.pixels = pixels, .capacity = 2};
      EXPECT_EQ(driver.decode(&device, &out), c.result) << driver.language << " " << c.count;
    }
    const firmware_case device{.bytes = good, .count = 8, .has_info = 1};
    std::uint32_t pixels[1];
    std::uint16_t frame[1];
    firmware_output out{.pixels = pixels, .frame = frame, .capacity = 1};
    EXPECT_EQ(driver.decode(&device, &out), -6);
  }
}

}  // namespace
}  // namespace pixmora
