#include "framework/Dialogs.h"
#include "framework/FileType.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/ui/QtDialogs.h"
#include "framework/ui/UiTestSupport.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

namespace fw {
namespace {

using Buttons = std::vector<String>;

TEST(ScriptedDialogsTest, RecordsEverythingInOrder) {
  ScriptedDialogs dialogs;
  MsgBox("Eins");
  Beep();
  ShowURL("https://example.org/");
  MsgBox("Zwei");
  ASSERT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(dialogs.shown[0].kind, ShownDialog::kMsgBox);
  EXPECT_EQ(dialogs.shown[1].kind, ShownDialog::kBeep);
  EXPECT_EQ(dialogs.shown[2].kind, ShownDialog::kShowURL);
  EXPECT_EQ(dialogs.shown[2].text, "https://example.org/");
  EXPECT_EQ(dialogs.MsgBoxTexts(), Buttons({"Eins", "Zwei"}));
  EXPECT_EQ(dialogs.BeepCount(), 1);
  dialogs.Clear();
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST(ScriptedDialogsTest, InstallsAndRestoresTheSeam) {
  DialogSeam* const before = &Dialogs();
  {
    ScriptedDialogs outer;
    EXPECT_EQ(&Dialogs(), &outer);
    {
      ScriptedDialogs inner;
      MsgBox("innen");
      EXPECT_EQ(inner.MsgBoxTexts(), Buttons({"innen"}));
    }
    EXPECT_EQ(&Dialogs(), &outer);
    EXPECT_TRUE(outer.shown.empty());
  }
  EXPECT_EQ(&Dialogs(), before);
}

TEST(ScriptedDialogsTest, FileDialogsAnswerFromQueueThenCancel) {
  ScriptedDialogs dialogs;
  FileType text;
  text.Name = "text";
  text.Extensions = ".txt";
  const FolderItem picked("/tmp/Aufnahmen.txt");
  dialogs.AnswerNextFileDialogWith(picked);
  dialogs.AnswerNextFileDialogWith(std::nullopt);
  dialogs.AnswerNextFileDialogWith(picked);
  EXPECT_EQ(GetOpenFolderItem("text")->NativePath(), picked.NativePath());
  EXPECT_FALSE(Dialogs().SaveFile("Exportieren nach", "", "Aufnahmen.txt", nullptr).has_value());
  EXPECT_EQ(Dialogs().SaveFile("", "", "x.txt", nullptr)->NativePath(), picked.NativePath());
  EXPECT_FALSE(GetOpenFolderItem("text").has_value());  // queue empty: cancelled
  ASSERT_EQ(dialogs.shown.size(), 4u);
  EXPECT_EQ(dialogs.shown[0].kind, ShownDialog::kOpenFile);
  EXPECT_EQ(dialogs.shown[0].text, "text (*.txt *.TXT)");
  EXPECT_EQ(dialogs.shown[1].kind, ShownDialog::kSaveFile);
  EXPECT_EQ(dialogs.shown[1].prompt, "Exportieren nach");
  EXPECT_EQ(dialogs.shown[1].explanation, "Aufnahmen.txt");
}

TEST(FileTypeTest, FilterNamesTheLivingTypesWithBothCases) {
  FileType text, sound;
  text.Name = "text";
  text.Extensions = ".txt";
  sound.Name = "ton";
  sound.Extensions = ".WAV;.aif";
  EXPECT_EQ(FileTypeFilter("text"), "text (*.txt *.TXT)");
  EXPECT_EQ(FileTypeFilter("ton;text"), "ton (*.wav *.WAV *.aif *.AIF);;text (*.txt *.TXT)");
  EXPECT_EQ(FileTypeFilter("bild;text"), "text (*.txt *.TXT)");
  EXPECT_EQ(FileTypeFilter("Text"), "");  // names are exact
  EXPECT_EQ(FileTypeFilter(""), "");
  {
    FileType gone;
    gone.Name = "weg";
    gone.Extensions = ".x";
  }
  EXPECT_EQ(FileTypeFilter("weg"), "");
}

TEST(MessageDialogTest, DefaultsAndRecordedCaptions) {
  ScriptedDialogs dialogs;
  MessageDialog d;
  EXPECT_EQ(d.ActionButton.Caption, "OK");
  EXPECT_TRUE(d.ActionButton.Visible);
  EXPECT_EQ(d.CancelButton.Caption, "Abbrechen");
  EXPECT_FALSE(d.CancelButton.Visible);
  EXPECT_FALSE(d.AlternateActionButton.Visible);
  d.Message = "Unvollständige Eingabe";
  d.Explanation = "Bittte füllen Sie mind. die folgenden Felder aus: ";
  EXPECT_EQ(&d.ShowModal(), &d.ActionButton);  // unscripted: the action button
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].kind, ShownDialog::kMessageDialog);
  EXPECT_EQ(dialogs.shown[0].text, d.Message);
  EXPECT_EQ(dialogs.shown[0].explanation, d.Explanation);
  EXPECT_EQ(dialogs.shown[0].buttons, Buttons({"OK"}));
}

TEST(MessageDialogTest, ReturnsTheButtonOfTheAnsweredRole) {
  using Answer = ScriptedDialogs::Answer;
  struct Case {
    const char* name;
    std::optional<Answer> answer;  // none: unscripted
    bool cancelVisible, alternateVisible;
    Buttons shown;
    int want;  // 0 action, 1 cancel, 2 alternate
  } cases[] = {
      {"unscripted", std::nullopt, true, false, {"Löschen", "Abbrechen"}, 0},
      {"default", Answer::Default(), true, false, {"Löschen", "Abbrechen"}, 0},
      {"cancel", Answer::Cancel(), true, false, {"Löschen", "Abbrechen"}, 1},
      {"third button", Answer::Button(2), true, true, {"Löschen", "Abbrechen", "Später"}, 2},
      {"closed: cancel", Answer::Close(), true, false, {"Löschen", "Abbrechen"}, 1},
      {"closed, no cancel: action", Answer::Close(), false, false, {"Löschen"}, 0},
      // A hidden button is never pressed: the dialog counts as closed.
      {"cancel not shown", Answer::Cancel(), false, false, {"Löschen"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ScriptedDialogs dialogs;
    if (c.answer) dialogs.AnswerNextDialogWith(*c.answer);
    MessageDialog d;
    d.ActionButton.Caption = "Löschen";
    d.CancelButton.Visible = c.cancelVisible;
    d.AlternateActionButton.Caption = "Später";
    d.AlternateActionButton.Visible = c.alternateVisible;
    const MessageDialogButton* buttons[] = {&d.ActionButton, &d.CancelButton,
                                            &d.AlternateActionButton};
    EXPECT_EQ(&d.ShowModal(), buttons[c.want]);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, c.shown);
  }
}

TEST(MessageDialogTest, AnswersAreUsedInOrder) {
  ScriptedDialogs dialogs;
  dialogs.AnswerNextDialogWith(ScriptedDialogs::Answer::Cancel());
  MessageDialog d;
  d.CancelButton.Visible = true;
  EXPECT_EQ(d.ShowModal().Caption, "Abbrechen");
  EXPECT_EQ(d.ShowModal().Caption, "OK");
}

TEST(QtDialogsTest, MessageBoxIsPlainTextWithDefaultAndEscape) {
  const auto box = BuildMessageBox("<b>Titel</b>", "<i>Erklärung</i>", {"Löschen", "Abbrechen"});
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
  const auto* info = box->findChild<QLabel*>("qt_msgbox_informativelabel");
  ASSERT_NE(info, nullptr);
  EXPECT_EQ(info->textFormat(), Qt::PlainText);
  EXPECT_EQ(info->text(), "<i>Erklärung</i>");
  ASSERT_NE(box->defaultButton(), nullptr);
  EXPECT_EQ(box->defaultButton()->property(kButtonIndexProperty).toInt(), 0);
  ASSERT_NE(box->escapeButton(), nullptr);
  EXPECT_EQ(box->escapeButton()->property(kButtonIndexProperty).toInt(), 1);
  EXPECT_EQ(box->buttons().size(), 2);

  const auto single = BuildMessageBox("Hinweis", "", {"OK"});
  ASSERT_NE(single->escapeButton(), nullptr);
  EXPECT_EQ(single->escapeButton(), single->defaultButton());
}

}  // namespace
}  // namespace fw

namespace ui_test {
namespace {

using QtSaveDialogTest = UiTest;

TEST_F(QtSaveDialogTest, PromptDefaultNameAndModalWithinTheParent) {
  fw::Window& w = fw::Window::SharedInstance<WindowA>();
  const auto dialog =
      fw::BuildSaveDialog("Exportieren nach", "text (*.txt *.TXT)", "Aufnahmen.txt", &w);
  EXPECT_EQ(dialog->windowTitle(), "Exportieren nach");
  EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(dialog->parentWidget(), w.widget());
  EXPECT_EQ(dialog->windowModality(), Qt::WindowModal);
  EXPECT_EQ(dialog->nameFilters(), QStringList{"text (*.txt *.TXT)"});
  ASSERT_EQ(dialog->selectedFiles().size(), 1);
  EXPECT_EQ(QFileInfo(dialog->selectedFiles().front()).fileName(), "Aufnahmen.txt");
}

}  // namespace
}  // namespace ui_test
