#pragma once

#include <string>
#include <vector>

namespace pixmora {

// The view's magnification, 1.0 = 100 %. Steps of 0.1 are added in extended precision and
// stored in single precision, which is where the familiar 0.09999993 at the bottom comes from.
inline constexpr float kMinimumViewScale = 0.001f;
inline constexpr float kPixelGridThreshold = 5.0f;

float ZoomInStep(float zoom);   // + 0.1 while below 99
float ZoomOutStep(float zoom);  // - 0.1 while at least 0.1

// "Zoom: " + round(zoom x 100) + "%", ties to even.
std::string ZoomText(float zoom);

// The pixel grid at this zoom, in screen pixels from the image's left (or top) edge: one line
// per image pixel boundary, the spacing doubled until it is at least 8, and a closing line at
// the far edge when the last step does not land on it. first/last bound the range wanted.
std::vector<double> PixelGridLines(float zoom, int imagePixels, double first, double last);

}  // namespace pixmora
