#pragma once

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "cli/StreamedOutput.h"
#include "image/ReadImageFile.h"

namespace pixmora::cli {

// Whether a classic run converts its picture while it decodes: a PNG file that nothing but a
// streamed output reads (no edit, no --describe, no --frame).
bool DecodesAhead(const CliOptions& o);

// Reads and decodes a PNG file on a thread of its own, handing out the rows that are done, so
// that the conversion of the first rows runs on the other core while the later ones decode.
class DecodeAhead final : public RowSource, private DecodeObserver {
 public:
  explicit DecodeAhead(std::string fileName);
  // Waits for the decoding to end: the rows handed out live as long as this does.
  ~DecodeAhead() override;
  DecodeAhead(const DecodeAhead&) = delete;
  DecodeAhead& operator=(const DecodeAhead&) = delete;

  // Waits until the size and the palette are known. False when the file failed before that.
  bool WaitStart();
  // The palette fields of the file, once started.
  const ImageFileRead& Header() const { return header_; }
  // Waits for the decoding to end; false when the file could not be read.
  bool WaitFinished();
  // Why the file could not be read, once it failed.
  std::string Error();

  int Width() const override { return start_.width; }
  int Height() const override { return start_.height; }
  const std::uint32_t* WaitRows(int rows) override;

 private:
  void Started(const DecodeStart& start) override;
  void RowsDone(int rows) override;
  void Failed(std::vector<std::uint32_t> pixels) override;
  void Run();

  std::string fileName_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool started_ = false;
  bool finished_ = false;
  int rowsDone_ = 0;
  DecodeStart start_;
  ImageFileRead header_;
  ImageFileRead result_;
  std::vector<std::uint32_t> abandoned_;  // the rows of a failed decoding, still being read
  std::thread thread_;                    // last: it starts once everything it touches exists
};

}  // namespace pixmora::cli
