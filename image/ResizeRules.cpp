#include "image/ResizeRules.h"

#include <cmath>

namespace pixmora {
namespace {

// Rounding to nearest with ties to even (the default floating-point rounding mode).
long long RoundEven(double value) {
  return std::llrint(value);
}

// Either the side in 1..65535, or a message naming the side and the text given for it.
std::optional<int> CheckSide(const char* side, const std::string& text, std::string& message) {
  const std::optional<long long> value = ParseSizeText(text);
  if (value && *value >= 1 && *value <= kMaxImageSide)
    return static_cast<int>(*value);
  if (message.empty()) {
    message = std::string("The new ") + side + " \"" + text +
              "\" is not a whole number from 1 to " + std::to_string(kMaxImageSide) + ".";
  }
  return std::nullopt;
}

}  // namespace

double AspectRatio(int width, int height) {
  return static_cast<double>(width) / static_cast<double>(height);
}

long long HeightForWidth(long long width, double aspectRatio) {
  return RoundEven(static_cast<double>(width) / aspectRatio);
}

long long WidthForHeight(long long height, double aspectRatio) {
  return RoundEven(static_cast<double>(height) * aspectRatio);
}

std::optional<long long> ParseSizeText(const std::string& text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+'))
    i = 1;
  if (i == text.size())
    return std::nullopt;
  long long value = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9')
      return std::nullopt;
    // Anything this long is out of every range the callers accept; stop before it overflows.
    if (value > 1'000'000'000'000LL)
      return std::nullopt;
    value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

int SizeFieldValue(const std::string& text, int previousValue) {
  const std::optional<long long> value = ParseSizeText(text);
  if (!value || *value < 0 || *value > kMaxImageSide)
    return previousValue;
  return static_cast<int>(*value);
}

TNewSize CheckNewSize(const std::string& widthText, const std::string& heightText) {
  TNewSize size;
  const std::optional<int> width = CheckSide("width", widthText, size.Message);
  const std::optional<int> height = CheckSide("height", heightText, size.Message);
  if (width && height) {
    size.Width = *width;
    size.Height = *height;
  }
  return size;
}

}  // namespace pixmora
