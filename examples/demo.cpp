// Converts a small built-in picture with the default preferences and prints the C array.
#include <cstdio>

#include "conversion/ConversionEngine.h"

namespace {

// Does nothing, answers OK: the demo's picture needs no question.
class SilentMessageBox : public pixmora::MessageBoxService {
 public:
  pixmora::MessageResult Show(const std::string&, const std::string&, pixmora::MessageIcon,
                              pixmora::MessageButtons) override {
    return pixmora::MessageResult::OK;
  }
};

// 16 x 8: red rises to the right, blue downwards, green along the diagonal.
pixmora::TBitmap32 GradientPicture() {
  pixmora::TBitmap32 picture(16, 8);
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 16; ++x) {
      picture.SetPixel(x, y, pixmora::MakePixel(x * 17, (x + y) * 11, y * 36));
    }
  }
  return picture;
}

}  // namespace

int main() {
  const pixmora::TBitmap32 picture = GradientPicture();
  pixmora::ConversionInput input;
  input.WorkingImage = &picture;
  input.ImageWidth = 16;
  input.ImageHeight = 8;
  input.CurrentFileName = "gradient.bmp";

  pixmora::ConversionEngine engine;
  pixmora::NullProgressSink progress;
  SilentMessageBox messages;
  if (!engine.Run(input, progress, messages)) {
    std::fputs("pixmora-demo: the conversion did not complete\n", stderr);
    return 1;
  }
  const std::string text = engine.OutputText();
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
