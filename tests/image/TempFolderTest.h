#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/AtomicFile.h"

namespace pixmora::testing {

// A fixture with a fresh folder for the files a test writes, removed afterwards.
class TempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/pixmora-test-XXXXXX";
    folder_ = mkdtemp(pattern);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::string path = PathOf(name);
    EXPECT_EQ(WriteFileAtomically(path, std::span<const unsigned char>(bytes)), "");
    return path;
  }

  std::filesystem::path folder_;
};

}  // namespace pixmora::testing
