#include "settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "platform/AtomicFile.h"

namespace pixmora {
namespace {

namespace fs = std::filesystem;
using enum Option;

class FakeWindows : public SettingsWindows {
 public:
  bool CropEnabled() const override { return crop; }
  void SetCropEnabled(bool checked) override { crop = checked; }
  ResizeOptions Resize() const override { return resize; }
  void SetResize(const ResizeOptions& options) override { resize = options; }
  StatisticsPanelState StatisticsPanel() const override { return panel; }
  void SetStatisticsPanel(const StatisticsPanelState& state) override { panel = state; }
  MainWindowLayout Layout() const override { return layout; }
  WindowPlacement Placement() const override { return placement; }
  void ApplyPlacement(const WindowPlacement& applied) override { placement = applied; }

  bool crop = true;
  ResizeOptions resize{false, false};
  StatisticsPanelState panel;
  MainWindowLayout layout{{100, 50, 800, 600}, 120, 20, 1920, 1080};
  WindowPlacement placement;
};

class SettingsFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-settings-XXXXXX";
    folder_ = mkdtemp(pattern);
    path_ = (folder_ / kSettingsFileName).string();
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all);
    fs::remove_all(folder_);
  }

  void WriteFile(const std::string& text) {
    ASSERT_EQ(WriteFileAtomically(path_, std::string_view(text)), "");
  }
  std::string FileText() const {
    std::string text;
    ReadWholeFile(path_, text);
    return text;
  }
  LiveSettings Live() { return {recent_, preferences_, custom_, windows_, target_}; }

  fs::path folder_;
  std::string path_;
  std::vector<std::string> recent_{"stale.png"};
  Preferences preferences_;
  CustomFormat custom_;
  FakeWindows windows_;
  TargetSettings target_;
};

TEST_F(SettingsFileTest, NoFileGivesEveryDefaultAndSavingCreatesAllSections) {
  preferences_.Set(Compression, true);
  custom_.Caption = "changed";
  LoadSettings(path_, Live());

  EXPECT_TRUE(recent_.empty());
  EXPECT_FALSE(windows_.crop);
  EXPECT_EQ(preferences_, Preferences());
  EXPECT_EQ(custom_, CustomFormat());
  EXPECT_TRUE(windows_.resize.keepAspectRatio);
  EXPECT_TRUE(windows_.resize.optimizeImage);
  EXPECT_TRUE(windows_.panel.visible);
  EXPECT_FALSE(windows_.panel.floating);
  EXPECT_FALSE(windows_.panel.dockedLeft);
  // 100 + 800 - 210 - 30 and 50 + 600 - 360 - 120 - 20 - 35
  EXPECT_EQ(windows_.panel.floatX, 660);
  EXPECT_EQ(windows_.panel.floatY, 115);

  ASSERT_EQ(SaveSettings(path_, Live()), "");
  const std::string text = FileText();
  EXPECT_EQ(text.rfind("[EditSettings]\r\nCropEnabled=0\r\n[Preferences]\r\nColor256=0\r\n"
                       "Color4096=0\r\nColor65536=1\r\n",
                       0),
            0u)
      << text;
  EXPECT_NE(text.find("[Custom]\r\nBytesPerLine=8\r\nHexNotation=&h\r\nEndNotation=%\r\n"
                      "RowDirective=Data\r\nCommaSymbol=,\r\nCaption=Caption\r\nOpenBrace== (\r\n"
                      "CloseBrace=)\r\nCommentStart=//\r\nCommentEnd=\r\n[Resize]\r\n"
                      "KeepAspectRatio=1\r\nOptimizeImage=1\r\n[Statistics]\r\nVisible=1\r\n"
                      "Float=0\r\nDockSite=1\r\nFloatPosX=660\r\nFloatPosY=115\r\n"),
            std::string::npos)
      << text;
  EXPECT_EQ(text.find("[Recent]"), std::string::npos);
  EXPECT_EQ(text.find("[Form]"), std::string::npos);
}

TEST_F(SettingsFileTest, TheTargetSectionComesLastAndItsAbsenceMeansClassic) {
  target_.target = TargetKind::Pages;
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_LT(FileText().find("[Statistics]"), FileText().find("[Target]\r\nTarget=pages\r\n"));
  // Reading never fails: a refused value is the default, a missing section every default.
  WriteFile("[Target]\r\nTarget=xbm\r\nLumaThreshold=999\r\n");
  LoadSettings(path_, Live());
  EXPECT_EQ(target_.target, TargetKind::Xbm);
  EXPECT_EQ(target_.lumaThreshold, 128);
  WriteFile("[Preferences]\r\nCompression=1\r\n");
  LoadSettings(path_, Live());
  EXPECT_EQ(target_, TargetSettings());
}

TEST_F(SettingsFileTest, PreferencesAreWrittenInTableOrder) {
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  const std::string text = FileText();
  std::size_t at = text.find("[Preferences]");
  for (const auto& info : Options()) {
    const std::size_t next = text.find(std::string("\r\n") + info.key + "=", at);
    ASSERT_NE(next, std::string::npos) << info.key;
    at = next + 1;
  }
  EXPECT_LT(at, text.find("[Custom]"));
}

TEST_F(SettingsFileTest, RecentGapClosesOnLoadAndSaveDeletesTheRest) {
  WriteFile("[Recent]\r\nMRU1=a.png\r\nMRU3=c.gif\r\nMRU17=never.bmp\r\n");
  LoadSettings(path_, Live());
  EXPECT_EQ(recent_, (std::vector<std::string>{"a.png", "c.gif"}));

  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_EQ(FileText().rfind("[Recent]\r\nMRU1=a.png\r\nMRU17=never.bmp\r\nMRU2=c.gif\r\n"
                             "[EditSettings]",
                             0),
            0u)
      << FileText();
}

TEST_F(SettingsFileTest, ColorKeysFollowTheRadioRule) {
  WriteFile("[Preferences]\r\nColor256=1\r\nColor65536=1\r\nByte=0\r\nWord=0\r\n");
  LoadSettings(path_, Live());
  EXPECT_EQ(preferences_.SetMember(OptionGroup::ColorMode), Color65536);
  EXPECT_FALSE(preferences_.Is(Color256));
  EXPECT_FALSE(preferences_.SetMember(OptionGroup::DataRepresentation).has_value());

  WriteFile("[Preferences]\r\nColor256=0\r\nColor4096=0\r\nColor65536=0\r\n");
  LoadSettings(path_, Live());
  EXPECT_FALSE(preferences_.SetMember(OptionGroup::ColorMode).has_value());
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_NE(FileText().find("Color256=0\r\nColor4096=0\r\nColor65536=0\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, OutOfRangeBytesPerLineKeepsThePreviousValue) {
  for (const char* value : {"0", "300", "many"}) {
    custom_ = CustomFormat();
    WriteFile(std::string("[Custom]\r\nBytesPerLine=") + value + "\r\n");
    LoadSettings(path_, Live());
    EXPECT_EQ(custom_.BytesPerLine(), 8) << value;
    ASSERT_EQ(SaveSettings(path_, Live()), "");
    EXPECT_NE(FileText().find("BytesPerLine=8\r\n"), std::string::npos) << value;
  }
  WriteFile("[Custom]\r\nBytesPerLine=$FF\r\n");
  LoadSettings(path_, Live());
  EXPECT_EQ(custom_.BytesPerLine(), 255);
}

TEST_F(SettingsFileTest, CompressionTwoIsTrueAndYesIsTheDefault) {
  WriteFile("[Preferences]\r\nCompression=2\r\n");
  LoadSettings(path_, Live());
  EXPECT_TRUE(preferences_.Is(Compression));
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_NE(FileText().find("Compression=1\r\n"), std::string::npos);

  WriteFile("[Preferences]\r\nCompression=yes\r\n");
  LoadSettings(path_, Live());
  EXPECT_FALSE(preferences_.Is(Compression));
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_NE(FileText().find("Compression=0\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, CustomTextsRoundTripWithBlanksAndEmptyValues) {
  custom_.CommaSymbol = ", ";
  custom_.CommentEnd = "";
  custom_.OpenBrace = " {";
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_NE(FileText().find("CommaSymbol=\", \"\r\n"), std::string::npos);
  EXPECT_NE(FileText().find("CommentEnd=\r\n"), std::string::npos);

  custom_ = CustomFormat();
  LoadSettings(path_, Live());
  EXPECT_EQ(custom_.CommaSymbol, ", ");
  EXPECT_EQ(custom_.CommentEnd, "");
  EXPECT_EQ(custom_.OpenBrace, " {");

  // A file written by hand without the quotes loses the blank, as the reading rules say.
  WriteFile("[Custom]\r\nCommaSymbol=, \r\n");
  LoadSettings(path_, Live());
  EXPECT_EQ(custom_.CommaSymbol, ",");
}

TEST_F(SettingsFileTest, StatisticsPanelAndWindowSections) {
  WriteFile(
      "[Statistics]\r\nVisible=0\r\nFloat=0\r\nDockSite=0\r\nFloatPosX=5\r\nFloatPosY=$10\r\n"
      "[Form]\r\nWidth=640\r\nHeight=480\r\nLeft=-2000\r\nTop=7\r\nState=2\r\n");
  LoadSettings(path_, Live());
  EXPECT_FALSE(windows_.panel.visible);
  EXPECT_TRUE(windows_.panel.dockedLeft);
  EXPECT_EQ(windows_.panel.floatX, 5);
  EXPECT_EQ(windows_.panel.floatY, 16);
  EXPECT_EQ(windows_.placement.bounds.width, 0);  // "Form" is not LoadSettings' business

  RestoreWindowPlacement(path_, windows_);
  EXPECT_EQ(windows_.placement.bounds.left, -2000);  // no screen known: applied as read
  EXPECT_EQ(windows_.placement.bounds.top, 7);
  EXPECT_EQ(windows_.placement.bounds.width, 640);
  EXPECT_EQ(windows_.placement.bounds.height, 480);
  EXPECT_EQ(windows_.placement.state, WindowShowState::Maximized);

  // A floating panel keeps the dock side the file holds.
  windows_.panel.floating = true;
  windows_.panel.dockedLeft = false;
  ASSERT_EQ(SaveSettings(path_, Live()), "");
  EXPECT_NE(FileText().find("[Statistics]\r\nVisible=0\r\nFloat=1\r\nDockSite=0\r\n"),
            std::string::npos)
      << FileText();
}

TEST_F(SettingsFileTest, PlacementDefaultsCentreWithHalvesToEven) {
  windows_.layout.bounds = {0, 0, 801, 599};
  windows_.layout.screenWidth = 1920;
  windows_.layout.screenHeight = 1080;
  RestoreWindowPlacement(path_, windows_);
  EXPECT_EQ(windows_.placement.bounds.left, 560);  // 559.5 goes to the even 560
  EXPECT_EQ(windows_.placement.bounds.top, 240);   // 240.5 goes to the even 240
  EXPECT_EQ(windows_.placement.bounds.width, 801);
  EXPECT_EQ(windows_.placement.bounds.height, 599);
  EXPECT_EQ(windows_.placement.state, WindowShowState::Normal);

  windows_.layout.bounds = {0, 0, 1925, 1083};  // a window larger than the screen
  RestoreWindowPlacement(path_, windows_);
  EXPECT_EQ(windows_.placement.bounds.left, -2);  // -2.5
  EXPECT_EQ(windows_.placement.bounds.top, -2);   // -1.5
}

TEST_F(SettingsFileTest, WindowPlacementRoundTripsAndKeepsOtherSections) {
  WriteFile("[Preferences]\r\nCompression=1\r\n");
  windows_.placement = {{10, 20, 300, 400}, WindowShowState::Minimized};
  ASSERT_EQ(SaveWindowPlacement(path_, windows_), "");
  EXPECT_EQ(FileText(),
            "[Preferences]\r\nCompression=1\r\n[Form]\r\nWidth=300\r\nHeight=400\r\nLeft=10\r\n"
            "Top=20\r\nState=1\r\n");
  windows_.placement = {};
  RestoreWindowPlacement(path_, windows_);
  EXPECT_EQ(windows_.placement.bounds.left, 10);
  EXPECT_EQ(windows_.placement.state, WindowShowState::Minimized);
}

TEST_F(SettingsFileTest, FailedWritesLeaveTheFileWholeAndSayWhy) {
  WriteFile("[Preferences]\r\nCompression=1\r\n");
  const std::string before = FileText();
  fs::remove(path_);
  fs::create_directory(path_);  // a folder where the file should be: no user can replace it
  EXPECT_NE(SaveSettings(path_, Live()), "");
  EXPECT_EQ(SaveWindowPlacement(path_, windows_), "Unable to write to " + path_);
  fs::remove(path_);
  WriteFile(before);

  const std::string missingFolder = (folder_ / "gone" / kSettingsFileName).string();
  EXPECT_NE(SaveSettings(missingFolder, Live()), "");
  EXPECT_EQ(FileText(), before);
}

}  // namespace
}  // namespace pixmora
