#include "settings/IniFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace pixmora {
namespace {

TEST(IniFileTest, NamesMatchWithoutCaseAndFirstOccurrenceWins) {
  const auto file = IniFile::FromText(
      "[custom]\r\nhexnotation=0x\r\nHEXNOTATION=second\r\n[Other]\r\nHexNotation=other\r\n"
      "[CUSTOM]\r\nCaption=late\r\n");
  EXPECT_EQ(file.ReadValue("Custom", "HexNotation"), "0x");
  EXPECT_EQ(file.ReadValue("Other", "hexNOTATION"), "other");
  // The first section of the name is the one read; a repeated one is never looked at.
  EXPECT_EQ(file.ReadValue("Custom", "Caption"), std::nullopt);
  EXPECT_EQ(file.ReadValue("Missing", "Caption"), std::nullopt);
}

TEST(IniFileTest, ValuesLoseSurroundingBlanksAndOnePairOfQuotes) {
  const auto file = IniFile::FromText(
      "[S]\n  Key One  =  spaced value \t\nDouble=\"  kept  \"\nSingle='x'\nTwice=\"\"quoted\"\"\n"
      "Mixed=\"open'\nLone=\"\nEmpty=\nEquals== (\n");
  EXPECT_EQ(file.ReadValue("S", "Key One"), "spaced value");
  EXPECT_EQ(file.ReadValue("S", "Double"), "  kept  ");
  EXPECT_EQ(file.ReadValue("S", "Single"), "x");
  EXPECT_EQ(file.ReadValue("S", "Twice"), "\"quoted\"");
  EXPECT_EQ(file.ReadValue("S", "Mixed"), "\"open'");
  EXPECT_EQ(file.ReadValue("S", "Lone"), "\"");
  EXPECT_EQ(file.ReadValue("S", "Empty"), "");
  EXPECT_EQ(file.ReadValue("S", "Equals"), "= (");
}

TEST(IniFileTest, ValueIsReadUpTo2047Characters) {
  const std::string longValue(3000, 'v');
  const auto file = IniFile::FromText("[S]\r\nLong=" + longValue + "\r\n");
  EXPECT_EQ(file.ReadValue("S", "Long"), std::string(2047, 'v'));
}

TEST(IniFileTest, LineEndsOfEveryKindSplitLines) {
  const auto file = IniFile::FromText("[S]\rA=1\nB=2\r\nC=3");
  EXPECT_EQ(file.ReadInteger("S", "A", 0), 1);
  EXPECT_EQ(file.ReadInteger("S", "B", 0), 2);
  EXPECT_EQ(file.ReadInteger("S", "C", 0), 3);
}

TEST(IniFileTest, IntegersAreDecimalOrHexadecimalElseTheDefault) {
  EXPECT_EQ(ParseProfileInteger("42"), 42);
  EXPECT_EQ(ParseProfileInteger("-17"), -17);
  EXPECT_EQ(ParseProfileInteger("+5"), 5);
  EXPECT_EQ(ParseProfileInteger("$1F"), 31);
  EXPECT_EQ(ParseProfileInteger("0x1f"), 31);
  EXPECT_EQ(ParseProfileInteger("0XFF"), 255);
  EXPECT_EQ(ParseProfileInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseProfileInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseProfileInteger("-2147483648"), -2147483647 - 1);
  for (const char* bad :
       {"", "yes", "12a", "2147483648", "$", "0x", "$100000000", "1 2", "-", "0x1G", "1.5"}) {
    EXPECT_EQ(ParseProfileInteger(bad), std::nullopt) << bad;
  }
  const auto file = IniFile::FromText("[S]\nBad=yes\nBlank=\nQuoted=\"12\"\n");
  EXPECT_EQ(file.ReadInteger("S", "Bad", 8), 8);
  EXPECT_EQ(file.ReadInteger("S", "Blank", 8), 8);
  EXPECT_EQ(file.ReadInteger("S", "Quoted", 8), 12);
  EXPECT_EQ(file.ReadInteger("S", "Missing", 8), 8);
}

TEST(IniFileTest, BoolsAreIntegersAnyNonZeroTrue) {
  const auto file = IniFile::FromText("[S]\nTwo=2\nMinus=-1\nZero=0\nYes=yes\nEmpty=\nHex=$0\n");
  EXPECT_TRUE(file.ReadBool("S", "Two", false));
  EXPECT_TRUE(file.ReadBool("S", "Minus", false));
  EXPECT_FALSE(file.ReadBool("S", "Zero", true));
  EXPECT_FALSE(file.ReadBool("S", "Hex", true));
  EXPECT_FALSE(file.ReadBool("S", "Yes", false));
  EXPECT_TRUE(file.ReadBool("S", "Yes", true));
  EXPECT_TRUE(file.ReadBool("S", "Empty", true));
  EXPECT_TRUE(file.ReadBool("S", "Missing", true));
}

TEST(IniFileTest, WritingReplacesAddsAndDeletesLines) {
  auto file = IniFile::FromText("; kept comment\r\n[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
  file.WriteString("a", "X", "new");  // replaced in place
  file.WriteInteger("A", "z", -3);    // added after the last line of the section
  file.WriteBool("C", "flag", true);  // a new section at the end
  file.DeleteKey("B", "Y");
  file.DeleteKey("Missing", "y");
  EXPECT_EQ(file.Text(), "; kept comment\r\n[A]\r\nX=new\r\nz=-3\r\n\r\n[B]\r\n[C]\r\nflag=1\r\n");
}

TEST(IniFileTest, ValuesThatReadingWouldChangeAreQuotedAndReadBackUnchanged) {
  IniFile file;
  file.WriteString("Custom", "CommaSymbol", ", ");
  file.WriteString("Custom", "Quoted", "'x'");
  file.WriteString("Custom", "CommentEnd", "");
  file.WriteString("Custom", "Plain", "a b");
  file.WriteString("Custom", "Broken", "one\r\n[Preferences]\nCompression=1");
  EXPECT_EQ(file.Text(),
            "[Custom]\r\nCommaSymbol=\", \"\r\nQuoted=\"'x'\"\r\nCommentEnd=\r\nPlain=a b\r\n"
            "Broken=one[Preferences]Compression=1\r\n");
  const auto back = IniFile::FromText(file.Text());
  EXPECT_EQ(back.ReadValue("Custom", "CommaSymbol"), ", ");
  EXPECT_EQ(back.ReadValue("Custom", "Quoted"), "'x'");
  EXPECT_EQ(back.ReadValue("Custom", "CommentEnd"), "");
  EXPECT_EQ(back.ReadValue("Preferences", "Compression"), std::nullopt);
}

TEST(IniFileTest, LoadAndSaveUseTheFile) {
  char pattern[] = "/tmp/pixmora-ini-XXXXXX";
  const std::filesystem::path folder = mkdtemp(pattern);
  const std::string path = (folder / "Pixmora_Convert.ini").string();

  IniFile file;
  EXPECT_NE(file.Load(path), "");  // missing: the reason, and an empty file that reads defaults
  EXPECT_EQ(file.ReadInteger("S", "k", 7), 7);
  file.WriteInteger("S", "k", 9);
  ASSERT_EQ(file.Save(path), "");

  IniFile again;
  ASSERT_EQ(again.Load(path), "");
  EXPECT_EQ(again.ReadInteger("s", "K", 7), 9);
  EXPECT_NE(again.Save((folder / "missing" / "x.ini").string()), "");
  std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace pixmora
