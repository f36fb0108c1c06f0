#include "conversion/ConversionEngine.h"

#include <gtest/gtest.h>

#include "conversion/RecordingProgressSink.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {
namespace {

std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (auto line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

// The 3 x 2 picture of the worked example: red, green, blue / white, black, mid-grey.
TBitmap32 WorkedExampleImage() {
  TBitmap32 image(3, 2);
  const std::uint32_t pixels[] = {MakePixel(255, 0, 0), MakePixel(0, 255, 0),
                                  MakePixel(0, 0, 255), MakePixel(255, 255, 255),
                                  MakePixel(0, 0, 0),   MakePixel(0x80, 0x80, 0x80)};
  std::copy(std::begin(pixels), std::end(pixels), image.Pixels().begin());
  return image;
}

class WorkedExample : public ::testing::Test {
 protected:
  WorkedExample() {
    input.WorkingImage = &image;
    input.ImageWidth = 3;
    input.ImageHeight = 2;
    input.ImageMode = ImageMode::Color;
    input.Preferences.Set(Option::Color256, true);
    input.Preferences.Set(Option::IncludeInfo, true);
    input.Preferences.Set(Option::Compression, false);
    input.CurrentFileName = "/home/user/pictures/logo.bmp";
  }

  std::string Run() {
    EXPECT_TRUE(engine.Run(input, sink, messages));
    return engine.OutputText();
  }

  TBitmap32 image = WorkedExampleImage();
  ConversionInput input;
  ConversionEngine engine;
  RecordingProgressSink sink;
  RecordingMessageBox messages;
};

TEST_F(WorkedExample, CArrayByte) {
  input.Preferences.Set(Option::CArray, true);
  input.Preferences.Set(Option::Byte, true);
  const std::string text = Run();
  EXPECT_EQ(engine.ColorModeWord(), 0x0005);
  EXPECT_EQ(engine.OutputData(), (std::vector<std::int32_t>{0xE0, 0x1C, 0x03, 0xFF, 0x00, 0x92}));
  const std::string tail =
      Lines({"const unsigned char logo[12] PROGMEM = {", "/* Image dimensions: (W x H) */",
             "0x00, 0x03, 0x00, 0x02, ", "", "/* Color mode */", "0x00, 0x05,", "", "/* Data */",
             "0xE0, 0x1C, 0x03, 0xFF, 0x00, 0x92", "};"});
  ASSERT_GE(text.size(), tail.size());
  EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
  EXPECT_EQ(text.substr(0, engine.OutputBanner().size()), engine.OutputBanner());
}

}  // namespace
}  // namespace pixmora
