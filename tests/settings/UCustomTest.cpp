#include "settings/UCustom.h"

#include <gtest/gtest.h>

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include "settings/USettings.h"
#include "tests/ui/MainWindowFixture.h"

namespace pixmora {
namespace {

class CustomWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  }

  QLineEdit* Field(const char* name) { return window.findChild<QLineEdit*>(name); }
  QString Example() { return window.mmoExample->toPlainText(); }

  // Types into "Data per line" and moves the focus away, as a user leaving the field.
  void TypeLength(const QString& text) {
    window.spnLength->setFocus();
    window.spnLength->selectAll();
    QTest::keyClick(window.spnLength, Qt::Key_Backspace);
    QTest::keyClicks(window.spnLength, text);
    Field("edtCaption")->setFocus();
  }

  CustomFormat format;
  TFCustom window{format};
};

TEST_F(CustomWindowTest, ShowsTheFieldsInOrderAndTheDefaultExample) {
  EXPECT_EQ(window.windowTitle(), "Custom format");
  ASSERT_EQ(window.TextFields.size(), 9u);
  EXPECT_EQ(window.TextFields[0]->objectName(), "edtCaption");
  EXPECT_EQ(window.TextFields[8]->objectName(), "edtCommentEnd");
  EXPECT_EQ(Field("edtOpenBrace")->text(), "= (");
  EXPECT_EQ(window.spnLength->value(), 8);
  EXPECT_TRUE(window.mmoExample->isReadOnly());
  EXPECT_EQ(Example(), "//This is a comment\nCaption = (\nData &h0A%, &hFC%, (8 times)\n)");

  // Each field with its label, top to bottom.
  auto* fields = window.findChild<QFormLayout*>();
  ASSERT_NE(fields, nullptr);
  QStringList rows;
  for (int row = 0; row < fields->rowCount(); ++row) {
    auto* label = qobject_cast<QLabel*>(fields->itemAt(row, QFormLayout::LabelRole)->widget());
    rows << label->text() + " " +
                fields->itemAt(row, QFormLayout::FieldRole)->widget()->objectName();
  }
  EXPECT_EQ(rows, QStringList({"Caption edtCaption", "Row directive edtRowDirective",
                               "Open brace edtOpenBrace", "Close brace edtCloseBrace",
                               "Hex notation edtHexNotation", "End notation edtEndNotation",
                               "Comma symbol edtCommaSymbol", "Comment start edtCommentStart",
                               "Comment end edtCommentEnd", "Data per line spnLength"}));
  QStringList frames;
  for (auto* frame : window.findChildren<QGroupBox*>())
    frames << frame->title();
  EXPECT_EQ(frames, QStringList({" Settings ", " Output example "}));
}

TEST_F(CustomWindowTest, EveryEditReachesTheFormatAndTheExampleAtOnce) {
  QTest::keyClicks(Field("edtCommentEnd"), " */");
  EXPECT_EQ(format.CommentEnd, " */");
  EXPECT_TRUE(Example().startsWith("//This is a comment */\n"));

  window.spnLength->stepDown();
  EXPECT_EQ(format.BytesPerLine(), 7);
  window.spnLength->setValue(1);
  EXPECT_EQ(Example().split('\n')[2], "Data &h0A%");

  // Texts are kept as 8-bit code page bytes.
  Field("edtHexNotation")->setText(QString::fromUtf8("\xE2\x82\xAC"));  // the euro sign
  EXPECT_EQ(format.HexNotation, "\x80");
}

TEST_F(CustomWindowTest, DataPerLineTakesOnlyDigitsAndOnlyInRangeWhenLeft) {
  TypeLength("12");
  EXPECT_EQ(format.BytesPerLine(), 12);

  window.spnLength->setFocus();
  QTest::keyClicks(window.spnLength, "ab-+ ");
  EXPECT_EQ(window.spnLength->text(), "12");

  for (const char* rejected : {"300", "0", ""}) {
    TypeLength(rejected);
    EXPECT_EQ(format.BytesPerLine(), 12) << rejected;
    EXPECT_EQ(window.spnLength->text(), "12") << rejected;
  }

  // Enter is discarded: it neither takes the typed value nor closes the window.
  window.spnLength->setFocus();
  window.spnLength->selectAll();
  QTest::keyClick(window.spnLength, Qt::Key_Backspace);
  QTest::keyClicks(window.spnLength, "9");
  QTest::keyClick(window.spnLength, Qt::Key_Return);
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(format.BytesPerLine(), 12);
}

TEST_F(CustomWindowTest, StepKeysStopAtTheLimits) {
  window.spnLength->setValue(254);
  window.spnLength->setFocus();
  QTest::keyClick(window.spnLength, Qt::Key_Up);
  QTest::keyClick(window.spnLength, Qt::Key_Up);
  EXPECT_EQ(format.BytesPerLine(), 255);
  window.spnLength->setValue(2);
  QTest::keyClick(window.spnLength, Qt::Key_Down);
  QTest::keyClick(window.spnLength, Qt::Key_Down);
  EXPECT_EQ(format.BytesPerLine(), 1);
}

TEST_F(CustomWindowTest, CancelRestoresEveryFieldAndOkKeepsThem) {
  window.hide();
  format.Caption = "Table";  // as the settings file assigns it while the window is hidden
  auto edit = [&] {
    Field("edtCaption")->setText("Image");
    Field("edtCommaSymbol")->setText(";");
    window.spnLength->setValue(200);
  };
  QTimer::singleShot(0, [&] {
    edit();
    window.reject();
  });
  EXPECT_EQ(window.exec(), QDialog::Rejected);
  EXPECT_EQ(format.Caption, "Table");
  EXPECT_EQ(format.CommaSymbol, ",");
  EXPECT_EQ(format.BytesPerLine(), 8);
  EXPECT_EQ(Field("edtCaption")->text(), "Table");
  EXPECT_EQ(window.spnLength->value(), 8);
  EXPECT_EQ(Example().split('\n')[1], "Table = (");

  // The close box counts as Cancel.
  QTimer::singleShot(0, [&] {
    edit();
    window.close();
  });
  EXPECT_EQ(window.exec(), QDialog::Rejected);
  EXPECT_EQ(format.CommaSymbol, ",");

  QTimer::singleShot(0, [&] {
    edit();
    for (auto* button : window.findChildren<QPushButton*>()) {
      if (button->text() == "OK")
        button->click();
    }
  });
  EXPECT_EQ(window.exec(), QDialog::Accepted);
  EXPECT_EQ(format.Caption, "Image");
  EXPECT_EQ(format.CommaSymbol, ";");
  EXPECT_EQ(format.BytesPerLine(), 200);
}

TEST_F(MainWindowTest, SettingsButtonEditsTheLiveFormatAndPreferencesCancelKeepsIt) {
  TFMain& w = Start();
  w.Preferences.Set(Option::Custom, true);
  auto* settingsButton = w.frmSettings->findChild<QPushButton*>("btnSettings");
  bool preferencesOpenAfterCancel = false;
  WhenShown(w.frmSettings, [&] {
    QTimer::singleShot(0, [&] {
      w.frmCustom->findChild<QLineEdit*>("edtCaption")->setText("Cancelled");
      w.frmCustom->reject();
    });
    settingsButton->click();
    preferencesOpenAfterCancel = w.frmSettings->isVisible();
    QTimer::singleShot(0, [&] {
      w.frmCustom->findChild<QLineEdit*>("edtCaption")->setText("Kept");
      w.frmCustom->accept();
    });
    settingsButton->click();
    w.frmSettings->reject();
  });
  ChooseMenuItem("mnuSettings", {"mnuPreferences"});
  EXPECT_TRUE(preferencesOpenAfterCancel);
  EXPECT_EQ(w.CustomFormat.Caption, "Kept");
}

}  // namespace
}  // namespace pixmora
