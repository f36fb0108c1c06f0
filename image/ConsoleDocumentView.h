#pragma once

#include <string>

#include "image/DocumentView.h"
#include "platform/MessageBox.h"

namespace pixmora {

// The image document without a window: nothing to show, no dialog to ask, and the error that
// ended a load kept for the exit status.
class ConsoleDocumentView : public DocumentView {
 public:
  std::optional<std::string> AskSaveImageName() override { return std::nullopt; }
  std::optional<std::string> AskOpenImageName() override { return std::nullopt; }
  void EnableImageCommands() override {}
  void AddRecentFile(const std::string&) override {}
  void ClearOutput() override {}
  void SetThresholdPosition(int) override {}
  void WatchFile(const std::string&) override {}
  void ResetColorSwatches() override {}
  void ShowFileInformation(const ImageDocument&) override {}
  void EnablePaletteMode(bool) override {}
  void EnableFrameCommands(bool) override {}
  void ShowWorkingImage(const ImageDocument&) override {}
  void ShowImageMode(const ImageDocument&) override {}
  void ResetCropSelection(int, int) override {}
  void RecreatePixelGrid(int, int) override {}
  void ShowImageTexts(const ImageDocument&) override {}
  void ReportError(const std::string& message) override {
    if (error.empty())
      error = message;
  }

  std::string error;
};

// Message boxes without a window: the first message is kept as "TITLE: TEXT" and every question
// gets the answer that changes nothing (Cancel, or No where there is no Cancel).
class ConsoleMessages : public MessageBoxService {
 public:
  MessageResult Show(const std::string& text, const std::string& title, MessageIcon,
                     MessageButtons buttons) override {
    if (first.empty())
      first = title.empty() ? text : title + ": " + text;
    switch (buttons) {
      case MessageButtons::OK:
        return MessageResult::OK;
      case MessageButtons::YesNo:
        return MessageResult::No;
      default:
        return MessageResult::Cancel;
    }
  }

  std::string first;
};

}  // namespace pixmora
