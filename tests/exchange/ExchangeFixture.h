#pragma once
// What the import and export tests start from: the program fixture with the
// text file type registered and the main window open, and the files and
// rows they compare byte for byte.

#include "support/KlangbuchFixture.h"

#include "exchange/TextFileType.h"

#include <QFile>

namespace klangbuch_test {

class ExchangeFixture : public KlangbuchFixture {
 protected:
  void SetUp() override {
    KlangbuchFixture::SetUp();
    InitFileTypes();
  }

  fw::FolderItem File(const QString& name) const {
    return fw::FolderItem(programDir.filePath(name));
  }

  fw::FolderItem FileWith(const QByteArray& bytes, const QString& name = "in.txt") const {
    const fw::FolderItem f = File(name);
    QFile file(f.NativePath());
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return f;
  }

  static QByteArray Bytes(const fw::FolderItem& f) {
    QFile file(f.NativePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }

  // Every stored row, its 16 columns quoted as SQL literals ('' is not NULL)
  // and joined by commas, in the order of ID.
  std::vector<QString> Stored() {
    std::vector<QString> rows;
    for (const QStringList& row :
         Rows("SELECT quote(Datum), quote(ProdNr), quote(Titel), quote(Redaktion), quote(Format), "
              "quote(Interpret), quote(Ort), quote(Schnitt), quote(Fertig), quote(Backup), "
              "quote(BackupDat), quote(BelegCD), quote(Bemerkung), quote(System), quote(Surr), "
              "quote(Technik) FROM Aufnahmen ORDER BY ID"))
      rows.push_back(row.join(','));
    return rows;
  }

  // Runs "Exportieren" with the save dialog answered by `target`.
  void Export(const std::optional<fw::FolderItem>& target) {
    dialogs.AnswerNextFileDialogWith(target);
    EXPECT_TRUE(OpenMainWindow().FileExportData_Action());
  }

  // Runs "Importieren" with the open dialog answered by `source`.
  void Import(const std::optional<fw::FolderItem>& source) {
    dialogs.AnswerNextFileDialogWith(source);
    EXPECT_TRUE(OpenMainWindow().FileImportData_Action());
  }

  std::vector<QString> DatabaseErrors() const {
    std::vector<QString> errors;
    for (const QString& text : dialogs.MsgBoxTexts())
      if (text.startsWith("Database Error: ")) errors.push_back(text);
    return errors;
  }
};

inline const QString kExportError =
    QStringLiteral("Export Fehler\n\nDie Datei konnte nicht erzeugt werden.");

}  // namespace klangbuch_test
