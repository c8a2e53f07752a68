// 10,000 random recordings: export, import into an emptied table, export
// again; the two files are the same bytes.
//
// The rows keep within the exchange file's named limits only where a limit
// would change the second file:
// - texts may hold anything (any code point, astral and combining ones,
//   quotes, U+0000, TAB, LF, CR, CRLF and "||"): a TAB is written as a blank
//   and CR, CRLF, LF as "||" both times, so the files agree although the
//   stored texts do not;
// - a date column holds every shape the program stores (YYYY-MM-DD, dotted
//   with a two-digit year, a dotted non-day, words, empty, number-looking
//   texts, which the table keeps as numbers from the first store on) but no
//   dotted DD.MM.YYYY of a real day, which the import stores as YYYY-MM-DD;
// - the flags hold what the program stores for "true", "false" or any other
//   text: true only for "true" (a flag stored as another text would come
//   back as "false").
#include "exchange/ExchangeFixture.h"

#include "framework/Database.h"

#include <random>

namespace klangbuch_test {
namespace {

class RandomRoundTripTest : public ExchangeFixture {
 protected:
  std::mt19937 rng{20261210};

  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

  QString AnyCharacter() {
    static const char16_t kNamed[] = {u'\'', u'"',   u'\t',  u'\n',  u'\r',  u'|',
                                      u' ',  0x0301, 0x00FC, 0xFEFF, 0xFFFD, 0};
    switch (Pick(6)) {
      case 0: return QString(QChar(kNamed[Pick(int(std::size(kNamed)))]));
      case 1: return QStringLiteral("\r\n");
      case 2: return QStringLiteral("||");
      case 3: {  // astral plane
        const char32_t c = char32_t(0x10000 + Pick(0x100000));
        return QString::fromUcs4(&c, 1);
      }
      case 4: {  // the basic plane without surrogates
        char16_t c;
        do c = char16_t(Pick(0x10000));
        while (c >= 0xD800 && c <= 0xDFFF);
        return QString(QChar(c));
      }
      default: return QString(QChar(char16_t(0x20 + Pick(0x5F))));
    }
  }

  QString AnyText() {
    QString text;
    for (int n = Pick(12); n > 0; --n) text += AnyCharacter();
    return text;
  }

  QString AnyDate() {
    const int d = 1 + Pick(28), m = 1 + Pick(12), y = 1900 + Pick(200);
    switch (Pick(9)) {
      case 0: return QString::asprintf("%04d-%02d-%02d", y, m, d);
      case 1: return QString::asprintf("%02d.%02d.%02d", d, m, y % 100);
      case 2: return QString::asprintf("31.02.%04d", y);
      case 3: return QStringLiteral("ja");
      case 4: return QStringLiteral("ok");
      case 5: return QString();
      case 6: return QStringLiteral("1.50");
      case 7: return QString::number(Pick(100000) - 50000);
      default: return QString::asprintf("%d.%d.%d", 1 + Pick(9), m, y);  // not DD.MM.YYYY
    }
  }

  QString AnyFlag() {
    static const char* const kFlags[] = {"true", "false", "TRUE", "1", "", "ja"};
    return QString::fromLatin1(kFlags[Pick(int(std::size(kFlags)))]);
  }

  void Seed(fw::SQLiteDatabase& db) override {
    static const char* const kDates[] = {"Datum", "Schnitt", "Fertig", "BackupDat"};
    static const char* const kTexts[] = {"ProdNr", "Titel",  "Redaktion", "Format", "Interpret",
                                         "Ort",    "Backup", "Bemerkung", "System", "Technik"};
    fw::Transaction transaction(db);
    for (int i = 0; i < 10000; ++i) {
      fw::DatabaseRecord r;
      for (const char* name : kDates) r.Column(QString::fromLatin1(name), AnyDate());
      for (const char* name : kTexts) r.Column(QString::fromLatin1(name), AnyText());
      for (const char* name : {"BelegCD", "Surr"})
        r.BooleanColumn(QString::fromLatin1(name), AnyFlag() == u"true");
      db.InsertRecord(QStringLiteral("Aufnahmen"), r);
      ASSERT_FALSE(db.Error()) << db.ErrorMessage().toStdString();
    }
    ASSERT_TRUE(transaction.Commit());
  }
};

TEST_F(RandomRoundTripTest, TheSecondExportIsTheFirst) {
  const fw::FolderItem first = File("erste.txt"), second = File("zweite.txt");
  Export(first);
  Exec("DELETE FROM Aufnahmen");
  Import(first);
  Export(second);
  EXPECT_EQ(dialogs.MsgBoxTexts(), std::vector<QString>());
  EXPECT_EQ(Rows("SELECT count(*) FROM Aufnahmen"), std::vector<QStringList>{{"10000"}});
  const QByteArray a = Bytes(first), b = Bytes(second);
  EXPECT_EQ(a.count('\n'), 10000);
  EXPECT_TRUE(a == b) << "first difference at byte " << [&] {
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
    return i;
  }();
}

}  // namespace
}  // namespace klangbuch_test
