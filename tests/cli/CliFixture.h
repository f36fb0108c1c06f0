#pragma once

// Runs the command-line tool in-process in a fresh folder of its own.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "platform/AtomicFile.h"
#include "tests/image/TestImages.h"

namespace pixmora::cli {

struct Outcome {
  int code = -1;
  std::string out;
  std::string err;
};

class CliFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-cli-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  void Save(const std::string& name, const pixmora::testing::Bytes& bytes) {
    ASSERT_EQ(WriteFileAtomically(Path(name), std::span<const unsigned char>(bytes)), "");
  }
  std::string Path(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(ReadWholeFile(path, bytes), "") << path;
    return bytes;
  }
  static pixmora::testing::Bytes BytesOf(const std::string& text) {
    return pixmora::testing::Bytes(text.begin(), text.end());
  }

  Outcome Run(std::vector<std::string> arguments) {
    Outcome outcome;
    char* outText = nullptr;
    char* errText = nullptr;
    std::size_t outSize = 0;
    std::size_t errSize = 0;
    std::FILE* out = open_memstream(&outText, &outSize);
    std::FILE* err = open_memstream(&errText, &errSize);
    outcome.code = RunCli(arguments, out, err, false);
    std::fclose(out);
    std::fclose(err);
    outcome.out.assign(outText, outSize);
    outcome.err.assign(errText, errSize);
    std::free(outText);
    std::free(errText);
    return outcome;
  }

  std::size_t FileCount() const {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder_),
                                                  std::filesystem::directory_iterator()));
  }

  std::filesystem::path folder_;
};

}  // namespace pixmora::cli
