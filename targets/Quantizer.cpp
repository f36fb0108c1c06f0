#include "targets/Quantizer.h"

#include <algorithm>
#include <array>
#include <utility>

namespace pixmora {

namespace {

// M(2n) = [4 M(n), 4 M(n) + 2; 4 M(n) + 3, 4 M(n) + 1], from M(1) = 0.
constexpr std::array<std::array<std::uint8_t, 8>, 8> MakeBayer() {
  std::array<std::array<std::uint8_t, 8>, 8> m{};
  for (int size = 1; size < 8; size *= 2) {
    for (int y = 0; y < size; ++y) {
      for (int x = 0; x < size; ++x) {
        const int v = 4 * m[y][x];
        m[y][x] = static_cast<std::uint8_t>(v);
        m[y][x + size] = static_cast<std::uint8_t>(v + 2);
        m[y + size][x] = static_cast<std::uint8_t>(v + 3);
        m[y + size][x + size] = static_cast<std::uint8_t>(v + 1);
      }
    }
  }
  return m;
}

constexpr auto kBayer = MakeBayer();
static_assert(kBayer[0][1] == 32 && kBayer[1][0] == 48 && kBayer[7][7] == 21);

}  // namespace

int BayerValue(int x, int y) {
  return kBayer[y & 7][x & 7];
}

ChannelQuantizer::ChannelQuantizer(Dither dither, int bits, int width, int threshold)
    : dither_(dither), bits_(bits), top_((1 << bits) - 1), width_(width), threshold_(threshold) {
  if (dither_ == Dither::Ordered) {
    // level = floor(v * top / 255 + (2 B + 1) / 128); one bit moves v by the threshold.
    const int shift = bits_ == 1 ? 128 - threshold_ : 0;
    ordered_.resize(64 * 256);
    for (int b = 0; b < 64; ++b) {
      for (int v = 0; v < 256; ++v) {
        const int numerator = (v + shift) * top_ * 128 + (2 * b + 1) * 255;
        ordered_[static_cast<std::size_t>(b * 256 + v)] =
            static_cast<std::uint8_t>(numerator <= 0 ? 0 : std::min(numerator / 32640, top_));
      }
    }
  }
  if (dither_ == Dither::FloydSteinberg) {
    levels_.resize(kSpan);
    for (int i = 0; i < kSpan; ++i)
      levels_[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(Level(kLowest + i));
    shownValues_.resize(kSpan);
    for (int i = 0; i < kSpan; ++i) {
      const int level = levels_[static_cast<std::size_t>(i)];
      shownValues_[static_cast<std::size_t>(i)] = (level * 255 + top_ / 2) / top_;
    }
    current_.assign(static_cast<std::size_t>(width) + 2, 0);
    next_.assign(static_cast<std::size_t>(width) + 2, 0);
  }
}

void ChannelQuantizer::Row(int y, const std::uint8_t* in, std::uint8_t* out) {
  switch (dither_) {
    case Dither::None:
      for (int x = 0; x < width_; ++x) {
        out[x] = static_cast<std::uint8_t>(bits_ == 1 ? in[x] >= threshold_ : in[x] >> (8 - bits_));
      }
      break;
    case Dither::Ordered: {
      const std::uint8_t* tables[8];
      for (int k = 0; k < 8; ++k)
        tables[k] = ordered_.data() + 256 * BayerValue(k, y);
      for (int x = 0; x < width_; ++x)
        out[x] = tables[x & 7][in[x]];
      break;
    }
    case Dither::FloydSteinberg:
      Diffuse<1>(y, {this}, {in}, {out});
      break;
  }
}

int ChannelQuantizer::Level(int value) const {
  if (bits_ == 1)
    return value >= threshold_ ? 1 : 0;
  return std::clamp((value * top_ * 2 + 255) / 510, 0, top_);
}

void ChannelQuantizer::Rows(int y, const std::array<ChannelQuantizer*, 3>& quantizers,
                            const std::array<const std::uint8_t*, 3>& in,
                            const std::array<std::uint8_t*, 3>& out) {
  if (quantizers[0]->dither_ == Dither::FloydSteinberg) {
    Diffuse<3>(y, quantizers, in, out);
    return;
  }
  for (std::size_t k = 0; k < 3; ++k)
    quantizers[k]->Row(y, in[k], out[k]);
}

// The error carried to the right and the sums for the three cells below that the next steps
// still add to are kept in registers: each step then waits on arithmetic only, not on a store
// it made itself the step before. Every cell of the next row, margins included, is stored once.
template <std::size_t N>
void ChannelQuantizer::Diffuse(int y, const std::array<ChannelQuantizer*, N>& quantizers,
                               const std::array<const std::uint8_t*, N>& in,
                               const std::array<std::uint8_t*, N>& out) {
  const int width = quantizers[0]->width_;
  const bool rightward = y % 2 == 0;
  const int step = rightward ? 1 : -1;
  std::array<const int*, N> above;
  std::array<int*, N> below;
  for (std::size_t k = 0; k < N; ++k) {
    std::swap(quantizers[k]->current_, quantizers[k]->next_);
    above[k] = quantizers[k]->current_.data();
    below[k] = quantizers[k]->next_.data();
  }
  std::array<int, N> right{};      // 7/16 of the last error, for this cell
  std::array<int, N> belowLast{};  // the sum so far for the cell below the last one
  std::array<int, N> belowThis{};  // the sum so far for the cell below this one
  for (int i = 0; i < width; ++i) {
    const int x = rightward ? i : width - 1 - i;
    const int cell = x + 1;
    for (std::size_t k = 0; k < N; ++k) {
      const ChannelQuantizer& q = *quantizers[k];
      const int wanted = std::clamp(in[k][x] + ((above[k][cell] + right[k] + 8) >> 4), kLowest,
                                    kLowest + kSpan - 1);
      const auto index = static_cast<std::size_t>(wanted - kLowest);
      const int error = wanted - q.shownValues_[index];
      right[k] = 7 * error;
      below[k][cell - step] = belowLast[k] + 3 * error;
      belowLast[k] = belowThis[k] + 5 * error;
      belowThis[k] = error;
      out[k][x] = q.levels_[index];
    }
  }
  const int last = rightward ? width : 1;
  for (std::size_t k = 0; k < N; ++k) {
    below[k][last] = belowLast[k];
    below[k][last + step] = belowThis[k];
  }
}

}  // namespace pixmora
