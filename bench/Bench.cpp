// Times the record list and the search on a file of N made-up recordings
// (argument, default 100000) with the real application object and windows,
// offscreen, and prints the figures beside the bare queries through the
// sqlite3 shell on the same file.

#include "app/App.h"
#include "bench/BenchSetting.h"
#include "bench/Timing.h"
#include "mainwindow/MainWindow.h"
#include "search/SearchWindow.h"

#include "framework/Application.h"
#include "framework/FolderItem.h"
#include "framework/testsupport/ScriptedDialogs.h"
#include "framework/testsupport/TestRuntime.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// What the view still has to do after a step (the list hands a fill to it
// through the event loop).
void LetTheViewCatchUp() { QCoreApplication::processEvents(); }

void Line(const char* what, double ms) { std::printf("  %-44s %8.1f ms\n", what, ms); }

double BareQuery(const QString& file, const QString& sql) {
  return Best([&] {
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    shell.start(u"sqlite3"_s, {file, sql});
    if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
      std::fprintf(stderr, "sqlite3 shell failed\n");
      std::exit(1);
    }
  });
}

// One refill timed with its steps inside the same run: the query ends
// where the list, which had a row selected, is emptied (its Change runs);
// the fill ends where the sort asks for its first key.
struct Refill {
  double total = 0, query = 0, fill = 0, rest = 0;
};

long MinorFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// The pages the kernel handed out afresh during each run, in run order.
void PrintFaults(const char* what, const std::vector<long>& faults) {
  std::printf("  %-44s", what);
  for (const long f : faults) std::printf(" %7ld", f);
  std::printf("\n");
}

class RefillLaps {
 public:
  explicit RefillLaps(fw::Listbox& list)
      : list_(list), change_(list.Change), sortKey_(list.SortKey) {
    list.Change = [this] {
      if (!queried_) queried_ = Clock::now();
      if (change_) change_();
    };
    list.SortKey = [this](fw::Integer row, fw::Integer column) {
      if (!filled_) filled_ = Clock::now();
      return sortKey_(row, column);
    };
  }
  ~RefillLaps() {
    list_.Change = change_;
    list_.SortKey = sortKey_;
  }
  RefillLaps(const RefillLaps&) = delete;
  RefillLaps& operator=(const RefillLaps&) = delete;

  // The best of kRuns runs of `step`, which must refill the list.
  Refill Best(const std::function<void()>& step) {
    Refill best;
    best.total = 1e300;
    for (int run = 0; run < kRuns; ++run) {
      list_.SetListIndex(0);
      queried_.reset();
      filled_.reset();
      const long faultsBefore = MinorFaults();
      const Clock::time_point start = Clock::now();
      step();
      const Clock::time_point end = Clock::now();
      faults_.push_back(MinorFaults() - faultsBefore);
      if (!queried_ || !filled_) {
        std::fprintf(stderr, "the refill neither emptied a selected list nor sorted it\n");
        std::exit(1);
      }
      const Refill r{Ms(end - start), Ms(*queried_ - start), Ms(*filled_ - *queried_),
                     Ms(end - *filled_)};
      if (r.total < best.total) best = r;
    }
    return best;
  }
  const std::vector<long>& Faults() const { return faults_; }

 private:
  using Clock = std::chrono::steady_clock;
  static double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
  }
  fw::Listbox& list_;
  std::function<void()> change_;
  std::function<std::optional<long long>(fw::Integer, fw::Integer)> sortKey_;
  std::optional<Clock::time_point> queried_, filled_;
  std::vector<long> faults_;
};

// The bytes SQLite stores for the list's columns of every row: what the
// list's memory is to be measured against.
double StoredMegabytes(const QString& file) {
  QProcess shell;
  shell.start(u"sqlite3"_s, {file,
                             u"SELECT sum(length(CAST(ID AS BLOB)) + length(CAST(Datum AS BLOB)) + "
                             u"length(CAST(Titel AS BLOB)) + length(CAST(Interpret AS BLOB)) + "
                             u"length(CAST(Redaktion AS BLOB)) + length(CAST(ProdNr AS BLOB)) + "
                             u"length(CAST(Ort AS BLOB))) FROM Aufnahmen"_s});
  if (!shell.waitForFinished(-1) || shell.exitCode() != 0) {
    std::fprintf(stderr, "sqlite3 shell failed\n");
    std::exit(1);
  }
  return shell.readAllStandardOutput().trimmed().toDouble() / (1024.0 * 1024.0);
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 100000;
  BenchSetting setting;
  fw::ScriptedDialogs& dialogs = setting.dialogs;

  QString file;
  const double writing = Milliseconds([&] { file = setting.WriteCatalogue(count); });

  const char* build = kBuildName;
  std::printf("Klangbuch record list and search, %d recordings (%s build, offscreen)\n", count,
              build);
  Line("writing the file (not a target)", writing);

  const long faultsBeforeStart = MinorFaults();
  const double startup = Milliseconds([&] { BenchSetting::StartProgram(argc, argv); });
  const long startupFaults = MinorFaults() - faultsBeforeStart;
  MainWindow& mw = MainWindow::SharedInstance();
  fw::Listbox& list = mw.RecList();
  if (list.ListCount() != count) {
    std::fprintf(stderr, "the list shows %d rows, not %d\n", list.ListCount(), count);
    return 1;
  }
  Line("start-up to a filled list", startup);
  PrintFaults("  minor page faults (the first refill in it)", {startupFaults});

  double view = 0;
  Refill update;
  std::vector<long> updateFaults;
  {
    RefillLaps laps(list);
    update = laps.Best([&] { mw.UpdateRecList(); });
    updateFaults = laps.Faults();
  }
  view = Milliseconds(LetTheViewCatchUp);
  Line("UpdateRecList (query, fill, date sort)", update.total);
  Line("  of it: SQLSelect", update.query);
  Line("  of it: PopulateListBox up to the sort", update.fill);
  Line("  of it: date sort", update.rest);
  PrintFaults("  minor page faults, each run", updateFaults);
  Line("then the view catching up", view);

  const char* const columns[] = {"ID",        "Datum (descending)", "Titel", "Interpret",
                                 "Redaktion", "Prod.Nr.",           "Ort"};
  // Each re-sort starts from the order of another column, as a click on a
  // heading does.
  const fw::Integer sortOption = mw.SortOption().ListIndex();
  const auto sortBy = [&](fw::Integer column) {
    mw.SortOption().SetListIndex(column);
    mw.ApplyOptionSort(list);
  };
  for (fw::Integer c = 0; c < 7; ++c) {
    double best = 1e300;
    for (int run = 0; run < kRuns; ++run) {
      sortBy((c + 2) % 7);
      best = std::min(best, Milliseconds([&] { sortBy(c); }));
    }
    Line(qPrintable(u"re-sort by "_s + QString::fromUtf8(columns[c])), best);
  }
  // The searches refill in the option's order, as the program starts.
  sortBy(sortOption);

  const double bare = BareQuery(file, mw.sql);
  Line("bare query, sqlite3 shell (floor)", bare);
  std::printf("  %-44s %8.1f x\n", "UpdateRecList / bare query", update.total / bare);

  // The search window's two kinds of search: "Finden" with the refill it
  // causes, beside the same query through the shell (whose upper() knows
  // ASCII only; the program's folds umlauts too).
  SearchWindow& sw = SearchWindow::SharedInstance();
  const struct {
    const char* what;
    std::function<void()> set;
  } searches[] = {
      {"text search, Titel enthält \"nacht\"",
       [&] {
         sw.SearchBy().SetListIndex(1);
         sw.SearchOption().SetListIndex(0);
         sw.SearchFor().SetText(u"nacht"_s);
         sw.SearchByDate().SetText(fw::String());
       }},
      {"date search, Datum > 2010",
       [&] {
         sw.SearchFor().SetText(fw::String());
         sw.SearchByDate().SetText(u"2010"_s);
       }},
  };
  for (const auto& search : searches) {
    search.set();
    Refill found;
    std::vector<long> foundFaults;
    {
      RefillLaps laps(list);
      found = laps.Best([&] { sw.EnterSearch().Push(); });
      foundFaults = laps.Faults();
    }
    LetTheViewCatchUp();
    std::printf("  %s: %d rows, WHERE %s\n", search.what, list.ListCount(), qPrintable(sw.filter));
    Line("  Finden (condition, refill, form, hide)", found.total);
    Line("    of it: condition and SQLSelect", found.query);
    Line("    of it: PopulateListBox up to the sort", found.fill);
    Line("    of it: date sort, form, hide", found.rest);
    PrintFaults("    minor page faults, each run", foundFaults);
    const double bareSearch = BareQuery(file, mw.sql);
    Line("  bare query with that WHERE, sqlite3 shell", bareSearch);
    std::printf("  %-44s %8.1f x\n", "  Finden / bare query", found.total / bareSearch);
  }
  std::printf("  %-44s %8.1f MB\n", "peak memory (ru_maxrss)", PeakMegabytes());
  std::printf("  %-44s %8.1f MB\n", "the list's columns as stored (sqlite3 shell)",
              StoredMegabytes(file));
  if (!dialogs.shown.empty()) {
    std::printf("  dialogs shown: %zu, first: %s\n", dialogs.shown.size(),
                qPrintable(dialogs.shown.front().text));
  }
  return fw::RuntimeExit();
}
