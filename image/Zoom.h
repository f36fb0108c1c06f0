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

// Ctrl+wheel and Ctrl+plus / Ctrl+minus multiply or divide by this, within the range of the
// steps above.
inline constexpr float kZoomFactorStep = 1.25f;
inline constexpr float kMaximumFactorZoom = 99.0f;
inline constexpr float kMinimumFactorZoom = 0.01f;
float ZoomInByFactor(float zoom);
float ZoomOutByFactor(float zoom);

// The zoom that shows the whole image in a view of the given size; 1 when either is empty.
float FitZoom(int imageWidth, int imageHeight, int viewWidth, int viewHeight);
// A picture opened anew: 100 %, or fitted when it is larger than the view.
float OpeningZoom(int imageWidth, int imageHeight, int viewWidth, int viewHeight);

// The scroll offset along one axis that keeps the image point under anchor (in view pixels)
// where it is when the zoom changes from `from` to `to`.
double AnchoredOffset(double offset, double anchor, float from, float to);

// "Zoom: " + round(zoom x 100) + "%", ties to even.
std::string ZoomText(float zoom);

// The pixel grid at this zoom, in screen pixels from the image's left (or top) edge: one line
// per image pixel boundary, the spacing doubled until it is at least 8, and a closing line at
// the far edge when the last step does not land on it. first/last bound the range wanted.
std::vector<double> PixelGridLines(float zoom, int imagePixels, double first, double last);

}  // namespace pixmora
