#include "bench/RecordingsFile.h"

#include "app/App.h"

#include "framework/Database.h"
#include "framework/Date.h"

#include <array>
#include <random>

using namespace Qt::StringLiterals;

namespace {

// The table exactly as the program creates it.
const std::array kTitleStarts = {
    u"Die Zauberflöte"_s, u"Märchen vom Glück"_s,   u"Hörspiel: Der Schüler"_s,
    u"Lieder für Chor"_s, u"Klaviersonate"_s,       u"Fröhliche Weihnacht"_s,
    u"Übergänge"_s,       u"Nachtmusik"_s,          u"Grüße aus Österreich"_s,
    u"Streichquartett"_s, u"Lesung: Effi Briest"_s, u"Jazz im Studio"_s,
    u"Orgelvesper"_s,     u"Kinderfunk"_s,          u"Straßenmusik"_s};
const std::array kTitleEnds = {u""_s,        u" (Teil 1)"_s, u" (Teil 2)"_s, u" – live"_s,
                               u" op. 27"_s, u", 2. Satz"_s, u" Nr. 5"_s,    u" für Bläser"_s};
const std::array kFirstNames = {u"Jürgen"_s, u"Clara"_s, u"Björn"_s,  u"Käthe"_s, u"Günter"_s,
                                u"Ulrike"_s, u"Jörg"_s,  u"Sophie"_s, u"Mats"_s,  u"Hannelore"_s};
const std::array kLastNames = {u"Müller"_s, u"Schäfer"_s, u"Köhler"_s,   u"Weiß"_s,
                               u"Böhm"_s,   u"Krüger"_s,  u"Hoffmann"_s, u"Groß"_s,
                               u"Lübke"_s,  u"Zöllner"_s, u"Becker"_s,   u"Fuchs"_s};
const std::array kEnsembles = {u"Kölner Kammerchor"_s, u"Ensemble Übermut"_s,
                               u"Gürzenich-Quartett"_s, u"Rundfunkchor Lübeck"_s};
const std::array kRedaktionen = {
    u"WDR 3"_s, u"NDR Kultur"_s, u"Deutschlandfunk"_s,       u"BR-Klassik"_s,
    u"SWR2"_s,  u"hr2"_s,        u"Verlag Müller & Söhne"_s, u"Hörbuch Hamburg"_s};
const std::array kOrte = {u"Köln"_s,     u"München"_s,     u"Düsseldorf"_s, u"Lübeck"_s,
                          u"Nürnberg"_s, u"Saarbrücken"_s, u"Göttingen"_s,  u"Studio 2"_s};
const std::array kFormate = {u"AMS"_s,  u"CD"_s,     u"DAT"_s, u"FS"_s,
                             u"live"_s, u"Platte"_s, u"Band"_s};
const std::array kSysteme = {u"Sonic"_s,  u"Sequoia"_s,  u"Sequoia Msp"_s, u"Radar"_s,
                             u"analog"_s, u"Protools"_s, u"Sony U-Matic"_s};
const std::array kBemerkungen = {u""_s,
                                 u""_s,
                                 u""_s,
                                 u"Mono-Archivband überspielt"_s,
                                 u"Schnitt nach Rücksprache mit der Redaktion\nneu gemischt"_s,
                                 u"Störgeräusche ab 12:30"_s,
                                 u"Fassung für Österreich"_s};
const std::array kTechnik = {u""_s, u""_s, u"2 × AKG C414, Decca-Tree"_s, u"MS-Stereofonie"_s,
                             u"Kunstkopf"_s};

class Generator {
 public:
  explicit Generator(unsigned seed) : rng_(seed) {}

  int Number(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
  bool Chance(int percent) { return Number(1, 100) <= percent; }
  template <class List>
  const fw::String& Pick(const List& list) {
    return list[Number(0, static_cast<int>(list.size()) - 1)];
  }

  // A day between 1986 and 2025.
  fw::Date Day() { return fw::Date(Number(1986, 2025), Number(1, 12), Number(1, 28)); }
  // A typed date, "ja"/"ok" where the form allows them, or nothing.
  fw::String TypedDate(bool jokers) {
    const int kind = Number(1, 10);
    if (kind <= 3) return fw::String();
    if (jokers && kind == 4) return Chance(50) ? u"ja"_s : u"ok"_s;
    return Day().AbbreviatedDate();
  }
  fw::String Person() { return Pick(kFirstNames) + u' ' + Pick(kLastNames); }

 private:
  std::mt19937 rng_;
};

fw::DatabaseRecord Recording(Generator& g) {
  fw::DatabaseRecord r;
  r.Column(u"Datum"_s, g.Day().SQLDate());
  r.Column(u"ProdNr"_s, g.Chance(20) ? fw::String()
                                     : (g.Chance(85) ? u"P "_s : u"CD-"_s) +
                                           QString::number(g.Number(1, 99999)));
  r.Column(u"Titel"_s, g.Pick(kTitleStarts) + g.Pick(kTitleEnds));
  r.Column(u"Redaktion"_s, g.Pick(kRedaktionen));
  r.Column(u"Format"_s, g.Pick(kFormate));
  r.Column(u"Interpret"_s, g.Chance(25) ? g.Pick(kEnsembles) : g.Person());
  r.Column(u"Ort"_s, g.Pick(kOrte));
  r.Column(u"Schnitt"_s, g.TypedDate(false));
  r.Column(u"Fertig"_s, g.TypedDate(true));
  r.Column(u"Backup"_s, g.Chance(40) ? fw::String() : u"HD "_s + QString::number(g.Number(1, 60)));
  r.Column(u"BackupDat"_s, g.TypedDate(true));
  r.BooleanColumn(u"BelegCD"_s, g.Chance(30));
  r.Column(u"Bemerkung"_s, g.Pick(kBemerkungen));
  r.Column(u"System"_s, g.Pick(kSysteme));
  r.BooleanColumn(u"Surr"_s, g.Chance(10));
  r.Column(u"Technik"_s, g.Pick(kTechnik));
  return r;
}

}  // namespace

bool WriteRecordingsFile(const fw::String& path, int count, fw::String& error) {
  fw::SQLiteDatabase db;
  db.DatabaseFile = fw::FolderItem(path);
  if (!db.CreateDatabaseFile()) {
    error = db.ErrorMessage();
    return false;
  }
  db.SQLExecute(App::CreateTableStatement());
  if (!db.Error()) db.SQLExecute(u"begin transaction"_s);
  Generator g(20261210);
  for (int i = 0; i < count && !db.Error(); ++i) db.InsertRecord(u"Aufnahmen"_s, Recording(g));
  const bool ok = !db.Error();
  if (ok) db.Commit();
  error = db.ErrorMessage();
  db.Close();
  return ok;
}
