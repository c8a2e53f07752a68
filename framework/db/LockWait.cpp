// How long a connection waits for other connections' locks.
//
// SQLite asks the busy handler anew for every lock a statement needs, and a
// large transaction needs one at every spill of its page cache into the
// file. With sqlite3_busy_timeout each of those waits the whole timeout, so
// under another program's read lock that stays, a 300,000-line import waits
// about 3,000 times over before its commit fails: hours at 3 seconds each.
// So a transaction waits at most the timeout in all, its commit included.

#include "framework/Database.h"

#include <sqlite3.h>

#include <algorithm>
#include <iterator>

namespace fw {

int SQLiteDatabase::waitForLock(void* self, int count) {
  // sqlite3_busy_timeout's steps, in milliseconds.
  static constexpr int kSteps[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
  auto& db = *static_cast<SQLiteDatabase*>(self);
  const int next = count < int(std::size(kSteps)) ? kSteps[count] : 100;
  const Integer delay = std::min<Integer>(next, db.busyTimeout_ - db.waited_);
  if (delay <= 0) return 0;
  sqlite3_sleep(int(delay));
  db.waited_ += delay;
  return 1;
}

int SQLiteDatabase::step(sqlite3_stmt* stmt) {
  // A statement that begins outside a transaction is a transaction of its
  // own, with a wait of its own.
  if (!sqlite3_stmt_busy(stmt) && sqlite3_get_autocommit(db_)) waited_ = 0;
  return sqlite3_step(stmt);
}

}  // namespace fw
