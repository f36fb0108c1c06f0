#include "conversion/CIdentifier.h"

#include <gtest/gtest.h>

namespace pixmora {
namespace {

TEST(CIdentifier, KeepsANameThatIsAlreadyAnIdentifier) {
  EXPECT_EQ(CIdentifier("logo_2"), "logo_2");
  EXPECT_EQ(CIdentifier("_Big"), "_Big");
}

TEST(CIdentifier, ReplacesEveryOtherByteAndGuardsALeadingDigit) {
  EXPECT_EQ(CIdentifier("photo-128x64"), "photo_128x64");
  EXPECT_EQ(CIdentifier("my photo.small"), "my_photo_small");
  EXPECT_EQ(CIdentifier("8x8"), "_8x8");
  // A UTF-8 "é" is two bytes and gives two underscores.
  EXPECT_EQ(CIdentifier("caf\xC3\xA9"), "caf__");
  EXPECT_EQ(CIdentifier(""), "_");
}

}  // namespace
}  // namespace pixmora
