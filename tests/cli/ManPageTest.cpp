#include <gtest/gtest.h>

#include <cstdlib>
#include <regex>
#include <string>

#include "cli/HelpText.h"
#include "platform/AtomicFile.h"

namespace pixmora::cli {
namespace {

// The man page is written by hand: every option --help names has to be in it.
TEST(ManPageTest, DocumentsEveryOptionOfTheHelp) {
  std::string page;
  ASSERT_EQ(ReadWholeFile(
                std::string(std::getenv("PIXMORA_SOURCE_DIR")) + "/packaging/pixmora-cli.1", page),
            "");
  page = std::regex_replace(page, std::regex(R"(\\f[BIR])"), "");
  page = std::regex_replace(page, std::regex(R"(\\-)"), "-");
  const std::string help = HelpText();
  const std::regex option("--[a-z0-9][a-z0-9-]*");
  for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
       it != std::sregex_iterator(); ++it) {
    EXPECT_NE(page.find(it->str()), std::string::npos) << it->str();
  }
}

}  // namespace
}  // namespace pixmora::cli
