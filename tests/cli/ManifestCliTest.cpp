#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "tests/cli/CliFixture.h"

namespace pixmora::cli {
namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

class ManifestCliTest : public CliFixture {
 protected:
  void SetUp() override {
    CliFixture::SetUp();
    fs::create_directories(Path("assets/icons"));
    Save("assets/icons/a.png",
         pixmora::testing::MakeRgbPng(3, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0, 0xFFFFFF, 0x808080},
                                      false));
    Save("assets/icons/b.png",
         pixmora::testing::MakeRgbPng(2, 2, {0, 0xFFFFFF, 0xFFFFFF, 0}, false));
  }
  Outcome Build(const std::string& manifest, std::vector<std::string> options = {}) {
    Save("assets/assets.toml", BytesOf(manifest));
    options.insert(options.begin(), {"build", Path("assets/assets.toml")});
    return Run(options);
  }
};

TEST_F(ManifestCliTest, FaultsNameTheManifestTheLineAndTheKeyAndConvertNothing) {
  const std::string at = Path("assets/assets.toml") + ":";
  const std::string image = "[[image]]\nfile = \"icons/a.png\"\n";
  const std::vector<std::pair<std::string, std::string>> cases{
      {image + "colors = 100\n", "3: colors: expected 65536, 4096 or 256, got '100'"},
      {image + "colour = 256\n", "3: colour: unknown key"},
      {image + "compress = \"yes\"\n", "3: compress: expected true or false"},
      {image + "align = 3.5\n", "3: align: expected a text in quotes or a whole number"},
      {image + "stats = true\n", "3: stats: an option of the command line, not of a manifest"},
      {image + "\nresize = \"8x8\"\n",
       "4: resize: an edit: put it in edits = [...], where the order is kept"},
      {image + "edits = [\n  { rotate = \"right\" },\n  { resize = \"0x8\" },\n]\n",
       "5: resize: expected WxH (1 to 65535 each), got '0x8'"},
      {image + "edits = [{ colors = 256 }]\n",
       "3: colors: not an edit (rotate, flip, crop, resize, threshold or reduce)"},
      {"[defaults]\ntarget = \"gfx-bitmap\"\n\n" + image + "mask = true\n",
       "6: mask: applies to --target rgb565 and gray8"},
      {"[defaults]\nname = \"x\"\n" + image,
       "2: name: belongs to one [[image]], not to [defaults]"},
      {"\n[[image]]\nname = \"x\"\n", "2: file: missing: every [[image]] names its picture"},
      {image + "target = \"lvgl9\"\noutput = \"x.txt\"\n",
       "4: output: --target lvgl9: -o names the .c and .h pair as FILE.c, FILE.h or FILE"},
      {"title = \"icons\"\n" + image, "1: title: unknown key"},
      {image + "colors = \n", "3:10: Error while parsing key-value pair"},
  };
  for (const auto& [manifest, message] : cases) {
    const Outcome outcome = Build(manifest);
    EXPECT_EQ(outcome.code, kUsageError) << manifest;
    EXPECT_EQ(outcome.err.rfind(at + message, 0), 0u) << outcome.err;
    EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
  }
  // Every fault of a manifest at once.
  const Outcome two = Build(image + "colors = 1\ndither = \"yes\"\n");
  EXPECT_THAT(two.err, HasSubstr(at + "3: colors: "));
  EXPECT_THAT(two.err, HasSubstr(at + "4: dither: "));

  const Outcome settings = Build(image + "settings = \"none.ini\"\n");
  EXPECT_EQ(settings.code, kInputError);
  EXPECT_EQ(settings.err,
            at + "3: settings: " + Path("assets/none.ini") + ": No such file or directory\n");
  EXPECT_EQ(FileCount(), 1u);  // assets/ alone: nothing was written
  EXPECT_EQ(Run({"build", Path("none.toml")}).code, kInputError);
  EXPECT_EQ(Run({"build", Path("a.toml"), "--colors", "256"}).err,
            "build: --colors: goes into the manifest, in [defaults] or an [[image]]\n");
}

TEST_F(ManifestCliTest, ImagesTakeTheDefaultsTheirOwnKeysAndTheirEditsInOrder) {
  const Outcome outcome = Build(R"(
[defaults]
colors = 4096
edits = [{ flip = "horizontal" }]

[[image]]
file = "icons/a.png"
repr = "word"
compress = false
edits = [{ rotate = "right" }, { crop = "0,0,2,2" }]

[[image]]
file = "icons/b.png"
name = "logo"
target = "xbm"
output = "gen/logo-bits.h"
)");
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  // The classic output of a manifest image is that of the same options on the command line.
  const Outcome alone = Run({"--colors", "4096", "--repr", "word", "--no-compress", "--rotate",
                             "right", "--crop", "0,0,2,2", Path("assets/icons/a.png")});
  EXPECT_EQ(Read(Path("assets/a.h")), alone.out);
  const std::string xbm = Read(Path("assets/gen/logo-bits.h"));
  EXPECT_THAT(xbm, HasSubstr("logo_bits[]"));
  // --colors of [defaults] is for the classic output: xbm leaves it out.
  EXPECT_THAT(xbm, HasSubstr("Made by pixmora-cli 4.0: pixmora-cli --name logo --target xbm "
                             "--flip horizontal b.png\n"));
}

TEST_F(ManifestCliTest, OutputsGoBesideTheManifestOrIntoTheFolderOfO) {
  const std::string manifest =
      "[[image]]\nfile = \"icons/a.png\"\n"
      "[[image]]\nfile = \"icons/b.png\"\nname = \"dots\"\n"
      "target = \"lvgl9\"\n";
  EXPECT_EQ(
      Build(manifest, {"--list-outputs"}).out,
      Path("assets/a.h") + "\n" + Path("assets/dots.c") + "\n" + Path("assets/dots.h") + "\n");
  const Outcome outcome = Build(manifest, {"-o", Path("build/gen"), "-j", "2", "--stats"});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  EXPECT_TRUE(fs::exists(Path("build/gen/dots.c")));
  EXPECT_THAT(outcome.err, HasSubstr(Path("assets/icons/b.png") + " -> " +
                                     Path("build/gen/dots.c") + ", " + Path("build/gen/dots.h")));
  EXPECT_THAT(outcome.err, HasSubstr("total of 2 pictures: 3 files written, 0 unchanged\n"));

  const Outcome again = Build(manifest, {"-o", Path("build/gen"), "--stats"});
  EXPECT_THAT(again.err, HasSubstr("total of 2 pictures: 0 files written, 3 unchanged\n"));
}

TEST_F(ManifestCliTest, TheDepfileListsTheManifestThePicturesAndTheSettings) {
  Save("assets/target.ini", BytesOf("[Target]\r\nTarget=gray4\r\n"));
  const Outcome outcome = Build(
      "[[image]]\nfile = \"icons/a.png\"\nsettings = \"target.ini\"\n"
      "[[image]]\nfile = \"icons/b.png\"\nsettings = \"target.ini\"\n",
      {"--depfile", Path("assets.d")});
  ASSERT_EQ(outcome.code, kSuccess) << outcome.err;
  EXPECT_EQ(Read(Path("assets.d")),
            Path("assets/a.h") + " \\\n " + Path("assets/b.h") + ": \\\n " +
                Path("assets/assets.toml") + " \\\n " + Path("assets/icons/a.png") + " \\\n " +
                Path("assets/target.ini") + " \\\n " + Path("assets/icons/b.png") + "\n");
}

TEST_F(ManifestCliTest, APictureThatFailsIsNamedWithItsPlaceInTheManifest) {
  const Outcome outcome = Build(
      "[[image]]\nfile = \"icons/a.png\"\n\n[[image]]\nfile = \"icons/b.png\"\n"
      "edits = [{ crop = \"0,0,3,3\" }]\n\n[[image]]\nfile = \"icons/none.png\"\n");
  EXPECT_EQ(outcome.code, kInputError);
  EXPECT_TRUE(fs::exists(Path("assets/a.h")));
  const std::string at = Path("assets/assets.toml") + ":";
  EXPECT_THAT(outcome.err, HasSubstr(at + "6: crop: The crop selection reaches outside"));
  EXPECT_THAT(outcome.err,
              HasSubstr(at + "8: Cannot read \"" + Path("assets/icons/none.png") + "\""));
}

}  // namespace
}  // namespace pixmora::cli
