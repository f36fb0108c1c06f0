#include "platform/FolderMemoryDialog.h"

#include <gtest/gtest.h>

#include "platform/RecordingFileDialog.h"

namespace pixmora {
namespace {

TEST(FolderMemoryDialogTest, DialogsStartWhereTheLastOneWasLeft) {
  RecordingFileDialog inner;
  FolderMemoryDialog dialogs(inner);
  FileDialogState open{{}, "", ""};
  FileDialogState save{{}, "", "logo.bmp"};

  // Nothing known yet: the dialog gets what it was given.
  inner.answers.push_back("/pictures/icons/logo.png");
  ASSERT_TRUE(dialogs.Execute(open));
  EXPECT_EQ(inner.shown.back().startName, "");
  EXPECT_EQ(dialogs.Folder(), "/pictures/icons/");

  // A proposed name without a folder goes into the last folder; a cancel keeps the folder.
  ASSERT_FALSE(dialogs.Execute(save));
  EXPECT_EQ(inner.shown.back().startName, "/pictures/icons/logo.bmp");
  EXPECT_EQ(dialogs.Folder(), "/pictures/icons/");

  // A name with its folder is left as it is; the chosen file's folder is the new last one.
  FileDialogState again{{}, "/work/old.h", ""};
  inner.answers.push_back("/out/logo.h");
  ASSERT_TRUE(dialogs.Execute(again));
  EXPECT_EQ(inner.shown.back().startName, "/work/old.h");
  EXPECT_EQ(dialogs.Folder(), "/out/");

  // As the settings file gives it back, with or without the closing slash.
  dialogs.SetFolder("/restored");
  FileDialogState first{{}, "", ""};
  ASSERT_FALSE(dialogs.Execute(first));
  EXPECT_EQ(inner.shown.back().startName, "/restored/");
}

TEST(FolderMemoryDialogTest, TheProposedNameIsThePicturesWithAnotherExtension) {
  EXPECT_EQ(RenamedExtension("/pictures/logo.png", ".h"), "logo.h");
  EXPECT_EQ(RenamedExtension("/pictures/v1.2/logo", ".bmp"), "logo.bmp");
  EXPECT_EQ(RenamedExtension("/pictures/.hidden", ".h"), ".hidden.h");
  EXPECT_EQ(RenamedExtension("", ".h"), "");
}

}  // namespace
}  // namespace pixmora
