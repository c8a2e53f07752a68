// BuildSearchString over any state of the search window's controls: the
// search text, the entries of the three pop-ups (or none), the date text,
// the operator label among its five (or another text) and the three check
// boxes. The condition is empty, or one SQL expression that the engine
// prepares after WHERE and inside parentheses.

#include "support/Program.h"

#include "app/App.h"
#include "search/SearchWindow.h"

#include "framework/Controls.h"
#include "framework/Database.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>

#include <string>

// The one way to the window's private operator label.
class SearchWindowTestAccess {
 public:
  static fw::Label& DateOperator(SearchWindow& w) { return w.DateOperator(); }
};

namespace {

using fuzz::Require;

QString Utf8(const std::string& bytes) {
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// An entry of the pop-up, or none (an index out of range selects nothing).
void Choose(fw::PopupMenu& popup, FuzzedDataProvider& in) {
  popup.SetListIndex(in.ConsumeIntegralInRange<int>(-1, popup.ListCount()));
}

void Prepares(fw::SQLiteDatabase& db, const QString& sql, const QString& condition) {
  std::unique_ptr<fw::RecordSet> rs = db.SQLSelect(sql);
  Require(rs != nullptr && !db.Error(), "the condition is one expression the engine takes",
          condition + QStringLiteral("\n") + db.ErrorMessage());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::OpenMainWindow();
  SearchWindow& w = SearchWindow::SharedInstance();
  FuzzedDataProvider in(data, size);

  Choose(w.SearchBy(), in);
  Choose(w.SearchOption(), in);
  Choose(w.SearchDateType(), in);
  static const char* const kOperators[] = {">=", ">", "=", "<", "<=", "=>"};
  SearchWindowTestAccess::DateOperator(w).SetText(
      QString::fromLatin1(kOperators[in.ConsumeIntegralInRange<size_t>(0, 5)]));
  w.SearchSurr().SetValue(in.ConsumeBool());
  w.SearchCD().SetValue(in.ConsumeBool());
  w.SearchUnfinished().SetValue(in.ConsumeBool());
  w.SearchByDate().SetText(Utf8(in.ConsumeRandomLengthString(16)));
  w.SearchFor().SetText(Utf8(in.ConsumeRemainingBytesAsString()));

  w.BuildSearchString();
  const QString condition = w.filter;
  if (condition.isEmpty()) return 0;
  fw::SQLiteDatabase& db = *App::SharedInstance().KlangDB;
  Prepares(db, QStringLiteral("SELECT * FROM Aufnahmen WHERE ") + condition, condition);
  Prepares(
      db,
      QStringLiteral("SELECT count(*) FROM Aufnahmen WHERE (") + condition + QStringLiteral(")"),
      condition);
  return 0;
}
