#pragma once

#include <optional>
#include <string>

#include "image/ImageLimits.h"

namespace pixmora {

// The number rules of the resize window, free of any control.

// Width / height of the image when the window opened.
double AspectRatio(int width, int height);

// The other side that keeps the ratio, rounded to nearest with ties to even.
long long HeightForWidth(long long width, double aspectRatio);
long long WidthForHeight(long long height, double aspectRatio);

// A field's text as a decimal integer (optional sign, digits only), or nothing when it is not one.
std::optional<long long> ParseSizeText(const std::string& text);

// The value a size field holds after its text changed: the parsed number when it lies in
// 0..65535, else the previous value (the text itself stays as typed).
int SizeFieldValue(const std::string& text, int previousValue);

struct TNewSize {
  int Width = 0;
  int Height = 0;
  std::string Message;  // empty when the size is usable

  bool Ok() const { return Message.empty(); }
};

// Checks the two texts of a requested size: each must be a whole number from 1 to 65535.
TNewSize CheckNewSize(const std::string& widthText, const std::string& heightText);

}  // namespace pixmora
