#include "image/Zoom.h"

#include <algorithm>
#include <cmath>

namespace pixmora {

float ZoomInStep(float zoom) {
  if (zoom >= 99.0f)
    return zoom;
  return static_cast<float>(static_cast<long double>(zoom) + 0.1L);
}

float ZoomOutStep(float zoom) {
  if (zoom < 0.1L)
    return zoom;
  return static_cast<float>(static_cast<long double>(zoom) - 0.1L);
}

float ZoomInByFactor(float zoom) {
  return zoom >= kMaximumFactorZoom ? zoom : std::min(kMaximumFactorZoom, zoom * kZoomFactorStep);
}

float ZoomOutByFactor(float zoom) {
  return zoom <= kMinimumFactorZoom ? zoom : std::max(kMinimumFactorZoom, zoom / kZoomFactorStep);
}

float FitZoom(int imageWidth, int imageHeight, int viewWidth, int viewHeight) {
  if (imageWidth <= 0 || imageHeight <= 0 || viewWidth <= 0 || viewHeight <= 0)
    return 1.0f;
  const double fit = std::min(static_cast<double>(viewWidth) / imageWidth,
                              static_cast<double>(viewHeight) / imageHeight);
  // Down to a thousandth, so the scaled image never passes the view's edge by a rounding.
  return std::clamp(static_cast<float>(std::floor(fit * 1000.0) / 1000.0), kMinimumViewScale,
                    kMaximumFactorZoom);
}

float OpeningZoom(int imageWidth, int imageHeight, int viewWidth, int viewHeight) {
  return std::min(1.0f, FitZoom(imageWidth, imageHeight, viewWidth, viewHeight));
}

double AnchoredOffset(double offset, double anchor, float from, float to) {
  if (from <= 0.0f)
    return offset;
  return (offset + anchor) * (static_cast<double>(to) / from) - anchor;
}

std::string ZoomText(float zoom) {
  const long double percent = std::nearbyint(static_cast<long double>(zoom) * 100.0L);
  return "Zoom: " + std::to_string(static_cast<long long>(percent)) + "%";
}

std::vector<double> PixelGridLines(float zoom, int imagePixels, double first, double last) {
  std::vector<double> lines;
  if (zoom <= 0.0f || imagePixels <= 0)
    return lines;
  double spacing = zoom;
  while (spacing < 8.0)
    spacing *= 2.0;
  const double extent = static_cast<double>(imagePixels) * zoom;
  last = std::min(last, extent);
  const double start = std::max(0.0, std::floor(first / spacing));
  for (double n = start; n * spacing <= last; ++n)
    lines.push_back(n * spacing);
  if (last >= extent && (lines.empty() || lines.back() < extent))
    lines.push_back(extent);
  return lines;
}

}  // namespace pixmora
