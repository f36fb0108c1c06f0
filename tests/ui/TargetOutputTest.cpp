#include "ui/TargetOutput.h"

#include <gtest/gtest.h>

#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"
#include "tests/image/TempFolderTest.h"

namespace pixmora {
namespace {

class TargetOutputTest : public testing::TempFolderTest {
 protected:
  TargetOutputTest() {
    document.CurrentFileName = "/pictures/logo.png";
    document.WorkingImage = TBitmap32(17, 1);
    for (int x = 0; x < 17; ++x)
      document.WorkingImage.SetPixel(x, 0, MakePixel(static_cast<std::uint8_t>(x), 0, 0));
  }

  static TargetSettings For(TargetKind kind) {
    TargetSettings s;
    s.target = kind;
    return s;
  }

  RecordingDocumentView view;
  RecordingMessageBox messages;
  ImageDocument document{view, messages};
  TargetOutput output;
};

TEST_F(TargetOutputTest, ARefusalKeepsNothing) {
  ASSERT_EQ(output.Convert(document, For(TargetKind::Gray8)), "");
  EXPECT_EQ(output.Convert(document, For(TargetKind::Index4)),
            "index4 needs at most 16 colors; reduce colors first (--reduce 16)");
  EXPECT_TRUE(output.Empty());
  EXPECT_EQ(output.DataSize(), 0u);
}

TEST_F(TargetOutputTest, AnExportThatCannotBeWrittenSaysWhichFileAndWhy) {
  ASSERT_EQ(output.Convert(document, For(TargetKind::Lvgl9)), "");
  EXPECT_EQ(output.Export(PathOf("icon.txt")),
            "Cannot create file \"" + PathOf("icon.txt") +
                "\". lvgl9 --cf RGB565 writes a .c and a .h file: name them FILE.c, FILE.h or "
                "FILE.");
  EXPECT_EQ(output.Export(PathOf("gone/icon.c")),
            "Cannot create file \"" + PathOf("gone/icon.h") + "\". No such file or directory");
  EXPECT_TRUE(std::filesystem::is_empty(folder_));
}

}  // namespace
}  // namespace pixmora
