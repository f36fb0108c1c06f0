#include "cli/ConsoleProgress.h"

namespace pixmora::cli {

namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

}  // namespace

ConsoleProgress::~ConsoleProgress() {
  if (drawn_)
    std::fputs("\r\033[K", terminal_);
}

void ConsoleProgress::SetCaption(std::string_view caption) {
  caption_ = caption;
}

void ConsoleProgress::SetMaximum(std::int64_t maximum) {
  maximum_ = maximum;
  PumpMessages(0);
}

void ConsoleProgress::SetPosition(std::int64_t position) {
  PumpMessages(position);
}

void ConsoleProgress::PumpMessages(std::int64_t position) {
  const auto now = std::chrono::steady_clock::now();
  if (now < due_)
    return;
  due_ = now + kRedrawInterval;
  Draw(position);
}

void ConsoleProgress::Draw(std::int64_t position) {
  const std::int64_t percent =
      maximum_ > 0 ? std::clamp<std::int64_t>(position * 100 / maximum_, 0, 100) : 0;
  const int filled = static_cast<int>(percent * kBarWidth / 100);
  std::string bar(static_cast<std::size_t>(filled), '#');
  bar.append(static_cast<std::size_t>(kBarWidth - filled), '.');
  std::fprintf(terminal_, "\r\033[K%s [%s] %3d%%", caption_.c_str(), bar.c_str(),
               static_cast<int>(percent));
  std::fflush(terminal_);
  drawn_ = true;
}

}  // namespace pixmora::cli
