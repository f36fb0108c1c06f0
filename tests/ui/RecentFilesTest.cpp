#include "ui/RecentFiles.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

using Names = std::vector<std::string>;

std::string Numbered(const char* prefix, int n) {
  std::string name(prefix);
  name += std::to_string(n);
  return name;
}

TEST(RecentFilesTest, AddPutsOnTopAndMovesASameNamedEntryWithTheNewCase) {
  RecentFiles list;
  list.Add("/img/a.png");
  list.Add("/img/b.png");
  list.Add("/img/c.png");
  list.Add("/IMG/B.PNG");
  EXPECT_EQ(list.Entries(), (Names{"/IMG/B.PNG", "/img/c.png", "/img/a.png"}));
  list.Add("/img/c.png");
  EXPECT_EQ(list.Entries(), (Names{"/img/c.png", "/IMG/B.PNG", "/img/a.png"}));
}

TEST(RecentFilesTest, NeverMoreThanSixteenEntries) {
  RecentFiles list;
  for (int i = 1; i <= 20; ++i)
    list.Add(Numbered("f", i) + ".bmp");
  ASSERT_EQ(list.Entries().size(), 16u);
  EXPECT_EQ(list.Entries().front(), "f20.bmp");
  EXPECT_EQ(list.Entries().back(), "f5.bmp");

  Names many;
  for (int i = 0; i < 20; ++i)
    many.push_back(i == 3 ? "" : Numbered("g", i));
  list.Assign(many);
  ASSERT_EQ(list.Entries().size(), 16u);
  EXPECT_EQ(list.Entries()[3], "g4");
}

TEST(RecentFilesTest, MoveToTopKeepsTheOthersInOrder) {
  RecentFiles list;
  list.Assign({"1", "2", "3", "4", "5"});
  list.MoveToTop(3);
  EXPECT_EQ(list.Entries(), (Names{"4", "1", "2", "3", "5"}));
  list.MoveToTop(9);  // no such entry
  EXPECT_EQ(list.Entries().size(), 5u);
  list.Clear();
  EXPECT_TRUE(list.Empty());
}

TEST(RecentFilesTest, CaptionsCarryAcceleratorsAndDoubledAmpersands) {
  RecentFiles list;
  Names names;
  for (int i = 1; i <= 16; ++i)
    names.push_back(Numbered("n", i));
  names[0] = "C:\\Tom & Jerry\\a&&b.png";
  list.Assign(names);
  const auto captions = list.MenuCaptions();
  ASSERT_EQ(captions.size(), 16u);
  EXPECT_EQ(captions[0], "&1 C:\\Tom && Jerry\\a&&&&b.png");
  EXPECT_EQ(captions[8], "&9 n9");
  EXPECT_EQ(captions[9], "&A n10");
  EXPECT_EQ(captions[15], "&G n16");
}

TEST(RecentFilesTest, SameFileNameIgnoresOnlyLetterCase) {
  EXPECT_TRUE(SameFileName("C:\\Pics\\Logo.PNG", "c:\\pics\\logo.png"));
  EXPECT_FALSE(SameFileName("logo.png", "logo.png "));
  EXPECT_FALSE(SameFileName("logo1.png", "logo2.png"));
}

}  // namespace
}  // namespace pixmora
