#pragma once

// A document with a picture loaded from a BMP file in a folder of its own, for the tests of the
// editing commands.

#include "image/BmpWriter.h"
#include "image/ImageDocument.h"
#include "image/RecordingDocumentView.h"
#include "platform/RecordingMessageBox.h"
#include "tests/image/TempFolderTest.h"

namespace pixmora::testing {

// Many colors: red follows x, green y, blue a mix of both.
inline TBitmap32 ColorfulImage(int width, int height) {
  TBitmap32 image(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      image.SetPixel(x, y, MakePixel(x * 255 / width, y * 255 / height, (x * 7 + y * 3) & 0xFF));
    }
  }
  return image;
}

class LoadedDocumentTest : public TempFolderTest {
 protected:
  // Opens the picture as the open dialog would, then forgets the steps of the load.
  void Load(const TBitmap32& picture) {
    const std::string path = Write("picture.bmp", EncodeBmp32(picture));
    view_.openNames.push_back(path);
    document_.mnuOpenClick(LoadOrigin::Dialog);
    ASSERT_EQ(document_.WorkingImage, picture);
    view_.steps.clear();
  }

  RecordingDocumentView view_;
  RecordingMessageBox messages_;
  ImageDocument document_{view_, messages_};
};

}  // namespace pixmora::testing
