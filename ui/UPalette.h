#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

namespace pixmora {

// The "Color Table" window; so far only the colors of its 256 swatches.
class TFPalette : public QDialog {
  Q_OBJECT

 public:
  explicit TFPalette(QWidget* parent = nullptr);

  // Every load paints the swatches white before it reads the file's palette.
  void ResetSwatches() { swatches_.fill(0xFFFFFF); }
  const std::array<std::uint32_t, 256>& Swatches() const { return swatches_; }

 private:
  std::array<std::uint32_t, 256> swatches_{};
};

}  // namespace pixmora
