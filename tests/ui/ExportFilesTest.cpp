#include "ui/ExportFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/AtomicFile.h"
#include "tests/ui/ConvertedImage.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;
using enum Option;
using Bytes = std::vector<unsigned char>;

constexpr std::uint32_t kRed = 0x0000FF;  // 0x00BBGGRR
constexpr std::uint32_t kBlue = 0xFF0000;

class ExportFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-export-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(path, bytes), "") << path;
    return bytes;
  }
  static Bytes BytesOf(const std::string& text) { return Bytes(text.begin(), text.end()); }

  // Exports the run with the record's preferences; the table file, when asked for, is "table".
  std::string Export(ConvertedImage& run, const std::string& mainName,
                     const Preferences* preferences = nullptr) {
    const ExportSource source{run.engine, run.input.ImageWidth, run.input.ImageHeight,
                              preferences ? *preferences : run.input.Preferences,
                              run.input.ImageMode == ImageMode::Palette};
    tableAsked_ = false;
    return WriteExportFiles(PathOf(mainName), source, [this]() -> std::optional<std::string> {
      tableAsked_ = true;
      return PathOf("table");
    });
  }

  fs::path folder_;
  bool tableAsked_ = false;
};

TEST_F(ExportFilesTest, ExtensionDecidesTheKind) {
  EXPECT_EQ(ExportKindOf("/out/logo.bin"), ExportKind::Binary);
  EXPECT_EQ(ExportKindOf("/out/logo.Bin"), ExportKind::Binary);
  EXPECT_EQ(ExportKindOf("C:\\out\\LOGO.BIN"), ExportKind::Binary);
  EXPECT_EQ(ExportKindOf("/out/logo.bin.h"), ExportKind::Text);
  EXPECT_EQ(ExportKindOf("/out/logo"), ExportKind::Text);
  EXPECT_EQ(ExportKindOf("/out.bin/logo"), ExportKind::Text);
  EXPECT_EQ(ExportKindOf("/out/logo.binary"), ExportKind::Text);
}

TEST_F(ExportFilesTest, BinaryBytesWithoutInformationAreTheDataAlone) {
  ConvertedImage run(2, 1);
  run.image.Pixels() = {MakePixel(255, 0, 0), MakePixel(0, 0, 255)};
  run.Set({IncludeInfo}, false);
  run.Run();
  ASSERT_EQ(Export(run, "logo.bin"), "");
  EXPECT_EQ(BytesOf(Read(PathOf("logo.bin"))), (Bytes{0xF8, 0x00, 0x00, 0x1F}));
  EXPECT_FALSE(tableAsked_);
}

TEST_F(ExportFilesTest, BinaryInformationHeaderHighByteFirst) {
  ConvertedImage run(300, 200);
  run.Run();
  ASSERT_EQ(Export(run, "big.BIN"), "");
  const Bytes file = BytesOf(Read(PathOf("big.BIN")));
  ASSERT_EQ(file.size(), 6u + 2u * 300 * 200);
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), (Bytes{0x01, 0x2C, 0x00, 0xC8, 0x00, 0x01}));
}

TEST_F(ExportFilesTest, WordWithLsbFirstPutsEveryLowByteFirst) {
  ConvertedImage run(300, 200, MakePixel(255, 0, 0));
  run.Set({Word, LSBFirst});
  run.Run();
  ASSERT_EQ(Export(run, "w.bin"), "");
  const Bytes file = BytesOf(Read(PathOf("w.bin")));
  ASSERT_EQ(file.size(), 6u + 2u * 300 * 200);
  // 300 x 200 low bytes first, then the mode word 0x0001 low byte first.
  EXPECT_EQ(Bytes(file.begin(), file.begin() + 6), (Bytes{0x2C, 0x01, 0xC8, 0x00, 0x01, 0x00}));
  EXPECT_EQ(file[6], 0x00);  // red 0xF800, low byte first
  EXPECT_EQ(file[7], 0xF8);

  // LSB first switched off after the run: the header goes back to high bytes first while the
  // data and the mode word stay as converted.
  Preferences later = run.input.Preferences;
  later.Set(LSBFirst, false);
  ASSERT_EQ(Export(run, "w.bin", &later), "");
  const Bytes again = BytesOf(Read(PathOf("w.bin")));
  EXPECT_EQ(Bytes(again.begin(), again.begin() + 8),
            (Bytes{0x01, 0x2C, 0x00, 0xC8, 0x01, 0x00, 0x00, 0xF8}));
}

TEST_F(ExportFilesTest, PaletteTableInTheBinaryMainFile) {
  ConvertedImage run(2, 1);
  run.UsePalette({kRed, kBlue});
  run.Run();
  ASSERT_EQ(Export(run, "p.bin"), "");
  // Word table of 5-6-5 colors, the information (mode 0x0707: 2 colors, 1 pixel per byte,
  // uncompressed), then one index per byte.
  EXPECT_EQ(BytesOf(Read(PathOf("p.bin"))),
            (Bytes{0xF8, 0x00, 0x00, 0x1F, 0x00, 0x02, 0x00, 0x01, 0x07, 0x07, 0x00, 0x01}));

  run.Set({PaletteTableByte});
  run.Set({IncludeInfo}, false);
  run.Run();
  ASSERT_EQ(Export(run, "p.bin"), "");
  EXPECT_EQ(BytesOf(Read(PathOf("p.bin"))), (Bytes{0xF8, 0x00, 0x00, 0x1F, 0x00, 0x01}));
  EXPECT_FALSE(tableAsked_);
}

TEST_F(ExportFilesTest, PaletteTableInItsOwnFileOfTheMainFilesKind) {
  ConvertedImage run(2, 1);
  run.UsePalette({kRed, kBlue});
  run.Set({PaletteSaveDiffFile});
  run.Set({IncludeInfo}, false);
  run.Run();
  ASSERT_EQ(Export(run, "p.bin"), "");
  EXPECT_TRUE(tableAsked_);
  EXPECT_EQ(BytesOf(Read(PathOf("p.bin"))), (Bytes{0x00, 0x01}));
  EXPECT_EQ(BytesOf(Read(PathOf("table"))), (Bytes{0xF8, 0x00, 0x00, 0x1F}));

  ASSERT_EQ(Export(run, "p.h"), "");
  const std::string banner = run.engine.OutputBanner();
  EXPECT_EQ(Read(PathOf("p.h")), banner + "\r\n\r\n" + run.engine.OutputLines().Text());
  EXPECT_EQ(Read(PathOf("table")), banner + run.engine.ColorTableLines().Text());
}

TEST_F(ExportFilesTest, PaletteWithoutSavingTheTable) {
  ConvertedImage run(2, 1);
  run.UsePalette({kRed, kBlue});
  run.Set({PaletteSaveNo});
  run.Run();
  ASSERT_EQ(Export(run, "p.h"), "");
  EXPECT_FALSE(tableAsked_);
  EXPECT_EQ(Read(PathOf("p.h")),
            run.engine.OutputBanner() + "\r\n\r\n" + run.engine.OutputLines().Text());
}

TEST_F(ExportFilesTest, TextMainFileHoldsTheOutputWindowsLines) {
  ConvertedImage palette(2, 1);
  palette.UsePalette({kRed, kBlue});
  palette.Run();
  ASSERT_EQ(Export(palette, "with-table.h"), "");
  EXPECT_EQ(Read(PathOf("with-table.h")), palette.engine.OutputText());

  // Outside Palette mode: two more empty lines after the banner than the output window.
  ConvertedImage color(3, 2);
  color.Run();
  ASSERT_EQ(Export(color, "color"), "");
  const std::string text = Read(PathOf("color"));
  EXPECT_EQ(text, color.engine.OutputBanner() + "\r\n\r\n" + color.engine.OutputLines().Text());
}

TEST_F(ExportFilesTest, EveryLineBreakBecomesTheChosenLineEnd) {
  ConvertedImage run(4, 1);
  run.Set({Custom});
  run.input.CustomFormat.CommentStart = "/*\n";  // a lone LF inside a line of the output
  run.input.CustomFormat.CloseBrace = "end\r";   // and a lone CR
  run.Run();
  ASSERT_EQ(Export(run, "c.inc"), "");
  const std::string crlf = Read(PathOf("c.inc"));
  for (std::size_t i = 0; i < crlf.size(); ++i) {
    if (crlf[i] == '\r') {
      ASSERT_EQ(crlf[i + 1], '\n') << i;
    }
    if (crlf[i] == '\n') {
      ASSERT_EQ(crlf[i - 1], '\r') << i;
    }
  }
  EXPECT_NE(crlf.find("/*\r\n"), std::string::npos);
  // "end" CR CR LF: a lone CR, then an empty last line.
  EXPECT_EQ(crlf.substr(crlf.size() - 9), "\r\nend\r\n\r\n");

  std::string lf;
  const ExportSource source{run.engine, 4, 1, run.input.Preferences, false};
  WriteMainFileContent(
      source, ExportKind::Text, [&lf](std::string_view bytes) { lf += bytes; }, "\n");
  EXPECT_EQ(lf.find('\r'), std::string::npos);
  std::string expected = crlf;
  for (std::size_t at; (at = expected.find("\r\n")) != std::string::npos;)
    expected.erase(at, 1);
  EXPECT_EQ(lf, expected);
}

TEST_F(ExportFilesTest, AFileThatCannotBeCreatedIsNamedWithTheReason) {
  ConvertedImage run(2, 1);
  run.UsePalette({kRed, kBlue});
  run.Set({PaletteSaveDiffFile});
  run.Run();
  const std::string missing = PathOf("gone/logo.h");
  EXPECT_EQ(Export(run, "gone/logo.h"),
            "Cannot create file \"" + missing + "\". No such file or directory");
  EXPECT_FALSE(tableAsked_);  // the command ends at the first failure

  // The main file stays written when the table file fails, and a cancelled table dialog writes
  // no table at all.
  const ExportSource source{run.engine, 2, 1, run.input.Preferences, true};
  EXPECT_EQ(WriteExportFiles(PathOf("main.h"), source,
                             [&] { return std::optional<std::string>(missing); }),
            "Cannot create file \"" + missing + "\". No such file or directory");
  EXPECT_TRUE(fs::exists(PathOf("main.h")));
  EXPECT_EQ(WriteExportFiles(PathOf("main2.h"), source, [] { return std::nullopt; }), "");
  EXPECT_TRUE(fs::exists(PathOf("main2.h")));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 2);
}

}  // namespace
}  // namespace pixmora
