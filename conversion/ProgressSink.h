#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace pixmora {

// Where a conversion run shows its progress and learns of a cancel: the progress window on the
// desktop, nothing in the command-line tool, a recording fake in the tests.
//
// The run has a unit of work for every pixel, value or table comparison, up to tens of millions
// of them. It does not call the sink per unit: the inline countdown of `Progress` below calls
// PumpMessages once every UnitsPerPump() units. At the default of 4096 units (each a few
// nanoseconds) that is a call every few tens of microseconds, so the bar still moves smoothly and
// a Cancel takes effect at once for a human, while the virtual call and whatever clock check the
// sink makes cost well under one percent of the run. A window sink then repaints and dispatches
// events only when its clock says enough time has passed (about every 15 ms).
class ProgressSink {
 public:
  static constexpr std::int64_t kDefaultUnitsPerPump = 4096;

  virtual ~ProgressSink() = default;

  // The label of the current phase.
  virtual void SetCaption(std::string_view caption) = 0;
  // The bar's maximum for the phase that starts; also puts the bar to 0.
  virtual void SetMaximum(std::int64_t maximum) = 0;
  // Moves the bar outside the pumping rhythm (a phase ending puts it back to 0).
  virtual void SetPosition(std::int64_t position) = 0;
  // Called every UnitsPerPump() units with the bar's position: repaint and dispatch pending
  // events when due. A Cancel button handled here calls SetConvertCancelled(true).
  virtual void PumpMessages(std::int64_t position) = 0;
  // How many units of work lie between two calls of PumpMessages; at least 1.
  virtual std::int64_t UnitsPerPump() const { return kDefaultUnitsPerPump; }

  // Pumps messages, then tells whether the run is to stop.
  bool Pump(std::int64_t position) {
    PumpMessages(position);
    return convertCancelled_;
  }

  bool ConvertCancelled() const { return convertCancelled_; }
  // Set by the Cancel button, cleared by the run when it starts.
  void SetConvertCancelled(bool value) { convertCancelled_ = value; }

 private:
  bool convertCancelled_ = false;
};

// The sink of a run nobody watches.
class NullProgressSink : public ProgressSink {
 public:
  void SetCaption(std::string_view) override {}
  void SetMaximum(std::int64_t) override {}
  void SetPosition(std::int64_t) override {}
  void PumpMessages(std::int64_t) override {}
};

// The run's side of a sink: a non-virtual countdown per unit of work, the sink only when due.
class Progress {
 public:
  explicit Progress(ProgressSink& sink)
      : sink_(sink),
        interval_(sink.UnitsPerPump() > 0 ? sink.UnitsPerPump() : 1),
        countdown_(interval_) {}

  ProgressSink& Sink() { return sink_; }

  // A phase with a caption of its own; the bar starts at 0 of `maximum`.
  void StartPhase(std::string_view caption, std::int64_t maximum) {
    sink_.SetCaption(caption);
    sink_.SetMaximum(maximum);
  }
  void SetCaption(std::string_view caption) { sink_.SetCaption(caption); }
  // A further pass under the same caption.
  void RestartBar(std::int64_t maximum) { sink_.SetMaximum(maximum); }
  void ResetBar() { sink_.SetPosition(0); }

  // One unit of work done at bar position `position`; true when the run is to stop.
  bool Unit(std::int64_t position) {
    if (--countdown_ > 0)
      return false;
    countdown_ = interval_;
    return sink_.Pump(position);
  }

  // `units` units of work at one bar position (the comparisons of a table search).
  bool Units(std::int64_t units, std::int64_t position) {
    if (units < countdown_) {
      countdown_ -= units;
      return false;
    }
    return PumpWithin(units, position);
  }

  // Takes `units` units at once when no pump falls due among them, so that a hot loop can do
  // them without a check per unit; false when the caller has to step them one by one.
  bool Skip(std::int64_t units) {
    if (units >= countdown_)
      return false;
    countdown_ -= units;
    return true;
  }

  // Sizes `data` to `size` zeroed values a slice at a time and pumps at bar position 0 between
  // the slices: fresh memory costs a page fault every 4 KB, about a second for the buffers of an
  // 8K picture, and meanwhile the progress window still has to repaint and take Cancel. A buffer
  // of one slice is sized at once. False when the run is to stop.
  template <class Vector>
  bool SizeBuffer(Vector& data, std::size_t size) {
    constexpr std::size_t kSlice = (std::size_t{4} << 20) / sizeof(typename Vector::value_type);
    data.clear();
    data.reserve(size);
    while (data.size() < size) {
      data.resize(std::min(size, data.size() + kSlice));
      if (data.size() < size && sink_.Pump(0))
        return false;
    }
    return true;
  }

  // Runs body(u) for every unit u from 0 to count - 1, pumping after each at bar position
  // positionOf(u); the units between two pumps run as a plain loop. False when the run is to
  // stop.
  template <class Body, class PositionOf>
  bool ForEachUnit(std::int64_t count, Body&& body, PositionOf&& positionOf) {
    std::int64_t u = 0;
    while (u < count) {
      const std::int64_t end = u + std::min(count - u, countdown_ - 1);
      countdown_ -= end - u;
      for (; u < end; ++u)
        body(u);
      if (u == count)
        break;
      body(u);
      if (Unit(positionOf(u)))
        return false;
      ++u;
    }
    return true;
  }

 private:
  bool PumpWithin(std::int64_t units, std::int64_t position) {
    while (units >= countdown_) {
      units -= countdown_;
      countdown_ = interval_;
      if (sink_.Pump(position))
        return true;
    }
    countdown_ -= units;
    return false;
  }

  ProgressSink& sink_;
  std::int64_t interval_;
  std::int64_t countdown_;
};

}  // namespace pixmora
