#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "conversion/ProgressSink.h"

namespace pixmora {

// Test double: pumps at every unit and remembers every phase, its bar maximum and the position
// of every pump; presses Cancel at a chosen unit of a chosen phase.
class RecordingProgressSink : public ProgressSink {
 public:
  struct Phase {
    std::string caption;
    std::int64_t maximum = 0;
    std::vector<std::int64_t> positions;  // one per pump
  };

  void SetCaption(std::string_view caption) override { caption_ = caption; }
  void SetMaximum(std::int64_t maximum) override {
    phases.push_back({caption_, maximum, {}});
    position = 0;
  }
  void SetPosition(std::int64_t value) override { position = value; }
  void PumpMessages(std::int64_t value) override {
    position = value;
    ++pumps;
    if (phases.empty())
      phases.push_back({caption_, 0, {}});
    phases.back().positions.push_back(value);
    if (cancelCaption && *cancelCaption == caption_ && unitsInCaption_++ == cancelAtUnit) {
      SetConvertCancelled(true);
    }
  }
  std::int64_t UnitsPerPump() const override { return 1; }

  // Presses Cancel during the pump of unit `unit` (0 for the first) counted over all phases
  // shown under `caption`.
  void CancelAt(std::string caption, std::size_t unit) {
    cancelCaption = std::move(caption);
    cancelAtUnit = unit;
    unitsInCaption_ = 0;
  }

  // The phases in the order they started, with their captions.
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const auto& phase : phases)
      captions.push_back(phase.caption);
    return captions;
  }

  std::vector<Phase> phases;
  std::int64_t position = 0;
  std::size_t pumps = 0;
  std::optional<std::string> cancelCaption;
  std::size_t cancelAtUnit = 0;

 private:
  std::string caption_;
  std::size_t unitsInCaption_ = 0;
};

}  // namespace pixmora
