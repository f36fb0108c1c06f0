#include "image/FloydSteinbergDitherer.h"

#include <algorithm>

namespace pixmora {

void TFloydSteinbergDitherer::Dither(const TBitmap32& image, TFastColorLookup& lookup,
                                     std::uint8_t* indices) {
  const int width = image.Width();
  TChannelError channels[3];
  for (TChannelError& ch : channels)
    ch.E.assign(static_cast<std::size_t>(width) + 2, 0);

  for (int y = 0; y < image.Height(); ++y) {
    const bool leftToRight = (y % 2) == 0;
    const int d = leftToRight ? 1 : -1;
    int p = leftToRight ? 0 : width + 1;
    for (TChannelError& ch : channels)
      ch.RowCarry = ch.BelowError = ch.BelowPrevError = 0;
    const std::uint32_t* in = image.Row(y);
    std::uint8_t* out = indices + static_cast<std::size_t>(y) * width;
    for (int n = 0; n < width; ++n) {
      const int x = leftToRight ? n : width - 1 - n;
      const int source[3] = {RedOf(in[x]), GreenOf(in[x]), BlueOf(in[x])};
      for (int c = 0; c < 3; ++c) {
        TChannelError& ch = channels[c];
        const int q = (ch.E[p] + ch.RowCarry + 8) / 16;
        ch.RowCarry = std::clamp(source[c] + q, 0, 255);
      }
      const int index = lookup.Lookup(static_cast<std::uint8_t>(channels[0].RowCarry),
                                      static_cast<std::uint8_t>(channels[1].RowCarry),
                                      static_cast<std::uint8_t>(channels[2].RowCarry));
      out[x] = static_cast<std::uint8_t>(index);
      const TPaletteColor& chosen = lookup.Color(index);
      const int target[3] = {chosen.R, chosen.G, chosen.B};
      for (int c = 0; c < 3; ++c) {
        TChannelError& ch = channels[c];
        const int err = ch.RowCarry - target[c];
        if (err != 0) {
          ch.E[p] = ch.BelowPrevError + 3 * err;
          ch.BelowPrevError = ch.BelowError + 5 * err;
          ch.BelowError = err;
          ch.RowCarry = 7 * err;
        } else {
          ch.RowCarry = 0;
        }
      }
      p += d;
    }
    for (TChannelError& ch : channels)
      ch.E[p] = ch.BelowPrevError;
  }
}

}  // namespace pixmora
