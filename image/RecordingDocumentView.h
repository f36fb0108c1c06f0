#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "image/DocumentView.h"
#include "image/ImageDocument.h"

namespace pixmora {

// Test double: records every step as one line ("EnableImageCommands", "AddRecentFile a.gif",
// ...) in call order, and answers the dialogs from prepared queues (cancelled when empty).
class RecordingDocumentView : public DocumentView {
 public:
  std::optional<std::string> AskSaveImageName() override {
    return Answer("AskSaveImageName", saveNames);
  }
  std::optional<std::string> AskOpenImageName() override {
    return Answer("AskOpenImageName", openNames);
  }
  void EnableImageCommands() override { steps.push_back("EnableImageCommands"); }
  void AddRecentFile(const std::string& fileName) override {
    steps.push_back("AddRecentFile " + fileName);
  }
  void ForgetSaveImageName() override { steps.push_back("ForgetSaveImageName"); }
  void ClearOutput() override { steps.push_back("ClearOutput"); }
  void SetThresholdPosition(int position) override {
    steps.push_back("SetThresholdPosition " + std::to_string(position));
  }
  void WatchFile(const std::string& fileName) override { steps.push_back("WatchFile " + fileName); }
  void ResetColorSwatches() override { steps.push_back("ResetColorSwatches"); }
  void ShowFileInformation(const ImageDocument& document) override {
    steps.push_back("ShowFileInformation " + document.Texts.lblColors + ", " +
                    document.Texts.lblAnimations);
  }
  void EnablePaletteMode(bool enabled) override {
    paletteModeEnabled = enabled;
    steps.push_back(std::string("EnablePaletteMode ") + (enabled ? "on" : "off"));
  }
  void EnableFrameCommands(bool enabled) override {
    frameCommandsEnabled = enabled;
    steps.push_back(std::string("EnableFrameCommands ") + (enabled ? "on" : "off"));
  }
  void ShowWorkingImage(const ImageDocument& document) override {
    steps.push_back("ShowWorkingImage " +
                    Size(document.WorkingImage.Width(), document.WorkingImage.Height()));
  }
  void ShowImageMode(const ImageDocument& document) override {
    steps.push_back("ShowImageMode " + document.Texts.mnuImageMode2);
  }
  void ResetCropSelection(int width, int height) override {
    steps.push_back("ResetCropSelection " + Size(width, height));
  }
  void RecreatePixelGrid(int width, int height) override {
    steps.push_back("RecreatePixelGrid " + Size(width, height));
  }
  void ShowImageTexts(const ImageDocument& document) override {
    steps.push_back("ShowImageTexts " + document.Texts.lblImageName);
  }
  void ResetOutputStatistics() override { steps.push_back("ResetOutputStatistics"); }
  void ReportError(const std::string& message) override {
    errors.push_back(message);
    steps.push_back("ReportError " + message);
  }

  std::vector<std::string> steps;
  std::vector<std::string> errors;
  std::deque<std::optional<std::string>> openNames;
  std::deque<std::optional<std::string>> saveNames;
  bool paletteModeEnabled = false;
  bool frameCommandsEnabled = false;

 private:
  std::optional<std::string> Answer(const char* step,
                                    std::deque<std::optional<std::string>>& answers) {
    steps.push_back(step);
    if (answers.empty())
      return std::nullopt;
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  static std::string Size(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
  }
};

}  // namespace pixmora
