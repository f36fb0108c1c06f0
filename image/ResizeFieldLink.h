#pragma once

#include <optional>

namespace pixmora {

// How the two size fields of the resize window follow each other. Only the field being edited
// drives the other, so a field the program sets never writes back into the one the user types
// in; the ratio is the image's when the window opened.
class ResizeFieldLink {
 public:
  // Neither field drives the other while the window puts the image's size into both.
  void Pause();
  // Takes the ratio from the image's size and lets both fields drive again.
  void Open(int width, int height);

  void EnterWidth() { HeightChangeActive = false; }
  void LeaveWidth() { HeightChangeActive = true; }
  void EnterHeight() { WidthChangeActive = false; }
  void LeaveHeight() { WidthChangeActive = true; }

  // The value the other field takes after this one changed, clamped to what a field holds, or
  // nothing when it stays as it is.
  std::optional<int> HeightFor(int width, bool keepAspectRatio) const;
  std::optional<int> WidthFor(int height, bool keepAspectRatio) const;

 private:
  // An empty image has no ratio to keep.
  bool HasRatio() const;

  double AspectRatio = 1.0;
  bool WidthChangeActive = false;
  bool HeightChangeActive = false;
};

}  // namespace pixmora
