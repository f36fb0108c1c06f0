#include "cli/DecodeAhead.h"

#include <utility>

namespace pixmora::cli {

bool DecodesAhead(const CliOptions& o) {
  return StreamsClassicOutput(o) && o.edits.empty() && !o.describe && !o.frame &&
         UpperExtension(o.image) == ".PNG";
}

DecodeAhead::DecodeAhead(std::string fileName)
    : fileName_(std::move(fileName)), thread_([this] { Run(); }) {}

DecodeAhead::~DecodeAhead() {
  thread_.join();
}

void DecodeAhead::Run() {
  ImageFileRead read = ReadImageFile(fileName_, 0, this);
  const std::lock_guard lock(mutex_);
  result_ = std::move(read);
  finished_ = true;
  changed_.notify_all();
}

void DecodeAhead::Started(const DecodeStart& start) {
  ImageFileRead header;
  header.TakePalette(start.hasPalette, start.palette);
  const std::lock_guard lock(mutex_);
  start_ = start;
  start_.palette = {};  // the decoder's own, gone with it; the header holds a copy
  header_ = std::move(header);
  started_ = true;
  changed_.notify_all();
}

void DecodeAhead::RowsDone(int rows) {
  const std::lock_guard lock(mutex_);
  rowsDone_ = rows;
  changed_.notify_all();
}

void DecodeAhead::Failed(std::vector<std::uint32_t> pixels) {
  const std::lock_guard lock(mutex_);
  abandoned_ = std::move(pixels);
}

bool DecodeAhead::WaitStart() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return started_ || finished_; });
  return started_;
}

bool DecodeAhead::WaitFinished() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return finished_; });
  return result_.ok;
}

std::string DecodeAhead::Error() {
  const std::lock_guard lock(mutex_);
  return result_.error;
}

const std::uint32_t* DecodeAhead::WaitRows(int rows) {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this, rows] { return rowsDone_ >= rows || finished_; });
  return rowsDone_ >= rows ? start_.pixels : nullptr;
}

}  // namespace pixmora::cli
