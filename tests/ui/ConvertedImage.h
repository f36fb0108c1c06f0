#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "conversion/ConversionEngine.h"
#include "image/TBitmap32.h"
#include "platform/RecordingMessageBox.h"

namespace pixmora {

// A conversion run on a small picture, for the readers of its results.
struct ConvertedImage {
  ConvertedImage(int width, int height, std::uint32_t fill = MakePixel(0, 0, 0)) {
    image.SetSize(width, height);
    std::fill(image.Pixels().begin(), image.Pixels().end(), fill);
    input.WorkingImage = &image;
    input.ImageWidth = static_cast<std::uint16_t>(width);
    input.ImageHeight = static_cast<std::uint16_t>(height);
    input.CurrentFileName = "/pictures/logo.png";
  }

  // Palette mode over the given colors (0x00BBGGRR); pixel i takes color i modulo their count.
  void UsePalette(std::vector<std::uint32_t> colors) {
    palette = std::move(colors);
    for (std::size_t i = 0; i < image.Pixels().size(); ++i) {
      const std::uint32_t c = palette[i % palette.size()];
      image.Pixels()[i] = MakePixel(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
    }
    input.ImageMode = ImageMode::Palette;
    input.ColorTable = palette;
    input.PaletteColorCount = static_cast<int>(palette.size());
  }

  void Set(std::initializer_list<Option> options, bool value = true) {
    for (Option option : options)
      input.Preferences.Set(option, value);
  }

  void Run() {
    NullProgressSink progress;
    RecordingMessageBox messages;
    ASSERT_TRUE(engine.Run(input, progress, messages));
  }

  TBitmap32 image;
  std::vector<std::uint32_t> palette;
  ConversionInput input;
  ConversionEngine engine;
};

}  // namespace pixmora
