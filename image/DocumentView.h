#pragma once

#include <optional>
#include <string>

namespace pixmora {

class ImageDocument;

// The window side of the image document. The document decides every step of a load, a frame
// step or a save; each call here is one step that a window (or the command line) shows or asks.
class DocumentView {
 public:
  virtual ~DocumentView() = default;

  // The save dialog ("Save image as..."): the chosen name, or nothing when cancelled.
  virtual std::optional<std::string> AskSaveImageName() = 0;
  // The open dialog: the chosen file, or nothing when cancelled.
  virtual std::optional<std::string> AskOpenImageName() = 0;
  // Enables the commands that need an image (EnableImageCommands); never disables any.
  virtual void EnableImageCommands() = 0;
  virtual void AddRecentFile(const std::string& fileName) = 0;
  // A file was opened anew: Save Image asks for a name again instead of writing over the file
  // the last document was saved to. A view without Save Image has nothing to do.
  virtual void ForgetSaveImageName() {}
  // Empties the output window and refreshes the output statistics.
  virtual void ClearOutput() = 0;
  // Moves the monochrome threshold scroll bar.
  virtual void SetThresholdPosition(int position) = 0;
  // Stops the file-change watch, points it at the file and starts it again, when
  // "Autodetect external changes" is on.
  virtual void WatchFile(const std::string& fileName) = 0;
  // Paints the 256 swatches of the color table viewer white.
  virtual void ResetColorSwatches() = 0;
  // Enables lblColors and lblAnimations and shows their texts.
  virtual void ShowFileInformation(const ImageDocument& document) = 0;
  // Enables or disables the Palette image mode item.
  virtual void EnablePaletteMode(bool enabled) = 0;
  // Enables or disables Next / Previous Animation and their toolbar buttons.
  virtual void EnableFrameCommands(bool enabled) = 0;
  // The working image was replaced: repaint the image view.
  virtual void ShowWorkingImage(const ImageDocument& document) = 0;
  // Enables lblConvertMode, checks the item of the document's image mode and shows the mode
  // texts (label and drop-down).
  virtual void ShowImageMode(const ImageDocument& document) = 0;
  // Resets the crop selection to the whole image, shown with the move cursor when
  // "Enable Image Crop" is checked, else hidden.
  virtual void ResetCropSelection(int width, int height) = 0;
  // Creates the pixel grid anew for an image of this size at the current zoom factor.
  virtual void RecreatePixelGrid(int width, int height) = 0;
  // Shows lblImageName and lblImageDimensions, enables lblName, lblSize and lblDimensions and
  // shows their texts.
  virtual void ShowImageTexts(const ImageDocument& document) = 0;
  // Disables the three output statistics labels and puts back their bare captions; the output
  // text stays. A view without those labels (the command line) has nothing to do.
  virtual void ResetOutputStatistics() {}
  // The application's general error report, for an error that ends the running command.
  virtual void ReportError(const std::string& message) = 0;
};

}  // namespace pixmora
