// Qt's own texts in German: after the layer's start-up the standard buttons,
// the file dialog, the overwrite question and a text field's context menu
// speak German, whatever the environment says, while the program's own
// captions stay exactly as given. Qt's German translation is one of the
// packages the program needs (deps.sh installs qt6-translations-l10n), so a
// machine without it fails here; the program itself then runs in English.

#include "framework/Application.h"
#include "framework/ui/QtDialogs.h"
#include "framework/ui/RunState.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include <memory>
#include <ostream>

using namespace Qt::StringLiterals;

// Readable texts in failure messages.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// The layer's start-up as main runs it; the QApplication is already there.
void StartUp() {
  static int argc = 1;
  static char name[] = "klangbuch";
  static char* argv[] = {name, nullptr};
  fw::RuntimeInit(argc, argv);
}

QString Plain(QString text) { return text.remove(u'&'); }

const QString kFile = QLibraryInfo::path(QLibraryInfo::TranslationsPath) + u"/qtbase_de.qm"_s;

TEST(PlatformTexts, StandardButtonsReadGerman) {
  StartUp();
  ASSERT_TRUE(QFile::exists(kFile))
      << kFile.toStdString() << " is missing: install qt6-translations-l10n (deps.sh)";
  QDialogButtonBox box(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Save |
                       QDialogButtonBox::Open | QDialogButtonBox::Yes | QDialogButtonBox::No);
  EXPECT_EQ(box.button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
  EXPECT_EQ(Plain(box.button(QDialogButtonBox::Save)->text()), u"Speichern"_s);
  EXPECT_EQ(Plain(box.button(QDialogButtonBox::Open)->text()), u"Öffnen"_s);
  EXPECT_EQ(Plain(box.button(QDialogButtonBox::Yes)->text()), u"Ja"_s);
  EXPECT_EQ(Plain(box.button(QDialogButtonBox::No)->text()), u"Nein"_s);
  QMessageBox question(QMessageBox::Question, QString(), u"?"_s,
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(question.button(QMessageBox::Cancel)->text(), u"Abbrechen"_s);
  EXPECT_EQ(Plain(question.button(QMessageBox::Yes)->text()), u"Ja"_s);
  QLineEdit field;
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  ASSERT_FALSE(menu->actions().isEmpty());
  EXPECT_EQ(Plain(menu->actions().first()->text()).section(u'\t', 0, 0), u"Rückgängig"_s);
  // The print dialog's own title.
  EXPECT_EQ(QCoreApplication::translate("QPrintDialog", "Print"), u"Drucken"_s);
}

TEST(PlatformTexts, TheFileDialogAndItsOverwriteQuestionReadGerman) {
  StartUp();
  const auto dialog = fw::BuildSaveDialog(u"Exportieren nach"_s, u"text (*.txt *.TXT)"_s,
                                          u"Aufnahmen.txt"_s, nullptr);
  EXPECT_EQ(dialog->windowTitle(), u"Exportieren nach"_s) << "the program's prompt as it is";
  const auto* name = dialog->findChild<QLabel*>(u"fileNameLabel"_s);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(Plain(name->text()), u"Dateiname:"_s);
  const auto* types = dialog->findChild<QLabel*>(u"fileTypeLabel"_s);
  ASSERT_NE(types, nullptr);
  EXPECT_EQ(Plain(types->text()), u"Dateien des Typs:"_s);
  const auto* buttons = dialog->findChild<QDialogButtonBox*>(u"buttonBox"_s);
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), u"Abbrechen"_s);
  EXPECT_EQ(Plain(buttons->button(QDialogButtonBox::Save)->text()), u"Speichern"_s);
  // The question QFileDialog asks before it replaces a file.
  EXPECT_EQ(
      QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
          .arg(u"Aufnahmen.txt"_s),
      u"Die Datei Aufnahmen.txt existiert bereits.\nSoll sie überschrieben werden?"_s);
}

TEST(PlatformTexts, TheProgramsOwnCaptionsStayAsGiven) {
  StartUp();
  const auto box =
      fw::BuildMessageBox(u"Löschen?"_s, u"Wirklich?"_s, {u"OK"_s, u"Cancel"_s, u"Update"_s});
  QStringList captions;
  for (QAbstractButton* b : box->buttons()) captions << b->text();
  captions.sort();
  EXPECT_EQ(captions, (QStringList{u"Cancel"_s, u"OK"_s, u"Update"_s}));
  EXPECT_EQ(box->text(), u"Löschen?"_s);
}

TEST(PlatformTexts, WithoutTheFileQtsTextsAreNoError) {
  StartUp();
  QTemporaryDir empty;
  ASSERT_TRUE(empty.isValid());
  EXPECT_FALSE(fw::ui::InstallPlatformTexts(empty.path()));
  // What was installed stays.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), u"Abbrechen"_s);
}

}  // namespace
